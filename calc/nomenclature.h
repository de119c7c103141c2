#pragma once

#include "calc/circuit.h"
#include "calc/realdesign.h"
#include "calc/words.h"

#include <string>
#include <string_view>
#include <vector>

namespace calc {

// One line of the parts list; every text is in the language of `words` and ready to show.
struct NomenclatureLine {
    std::string reference; // "R2", or "D1 à D4" for the diodes
    int quantity = 1;
    std::string value;     // "150 kΩ", "1.5 nF", "—" before any design
    std::string role;
    std::string setting;   // what to dial on the trimmer ("51.215 kΩ"), else empty
};

struct Nomenclature {
    std::vector<int> diodeOutputs; // stages marked "On" that have a pin, increasing (Circuit's)
    std::vector<int> unwired;      // stages marked "On" that have no pin (Q1, Q2, Q3, Q11)
    bool designed = false;         // the design has parts (RealDesign::hasParts)
    std::vector<NomenclatureLine> lines;
};

// The parts to buy: the circuit's components in its order, one line for all the diodes.
Nomenclature nomenclature(const Circuit &circuit, const Words &words = {});
// The parts of the circuit of this real design (circuitOf).
Nomenclature nomenclature(const RealDesign &design, const Words &words = {});

// "sorties Q5, Q6, Q9, Q12" (or "sortie Q12"); "" for no output. Stages of the combined counter,
// increasing: with one beyond 14, "sorties U1 Q5, U3 Q6".
std::string outputNames(const std::vector<int> &outputs, const Words &words = {});

// The sheet's notes: outputs that could not be wired, no diode at all, a design not done.
std::vector<std::string> nomenclatureNotes(const Nomenclature &parts, const Words &words = {});

// One line of text per part ("R2 — 1 — 150 kΩ — talon de l'oscillateur"), then the notes on
// outputs that could not be wired and on a design not done; each line ends with '\n'.
std::string nomenclatureText(const Nomenclature &parts, std::string_view indent = {}, const Words &words = {});

} // namespace calc
