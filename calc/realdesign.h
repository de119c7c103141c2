#pragma once

#include "calc/cascade.h"
#include "calc/realtiming.h"

#include <cstdint>
#include <optional>
#include <string>

namespace calc {

// Tolerances in percent, each from 0 to MaxTolerance.
struct Tolerances {
    double r = 5;  // resistors
    double c = 10; // capacitor
    double k = 10; // spread of the oscillator constant from one chip to the next
    double p = 20; // trimmer

    bool operator==(const Tolerances &) const = default;
};

// The real design as the window holds it: what zone A asks for, the parts of zone C and the
// captions zone D shows. The window gives one out after every real-timing run and every entry
// of T or T1; the tools windows, the command line and the design sheet all work from it. The
// "Longue durée" window gives one too, with a second counter (cascade).
struct RealDesign {
    double T = 0;  // wanted period, seconds, read as zone A reads it
    double T1 = 0; // wanted pulse, seconds
    std::string talonText;         // fixed resistor, kilohms, as typed
    std::string potentiometerText; // potentiometer in series with it, kilohms
    std::string capacitorText;     // C2, nanofarads
    std::uint64_t pattern = 0;     // bit s-1: stage s marked "On" (outputs Q1 to Q13 alone: 0 to 8191)
    std::optional<Cascade> cascade; // none: the CD4060 alone, its Q14 clocking the flip-flop
    double K = 2.8e-6;             // oscillator constant, seconds per (kilohm x nanofarad)
    int Pas_Serie = 1;             // 1 = E24, 2 = E12
    int Mode_Affichage = 4;        // 0 raw, 3 to 5 significant digits
    char separator = '.';          // what numbers are written with: calc::writtenSeparator
    Notation notation = Notation::French;
    Tolerances tolerances;         // the precision window's, which choose the trimmer to buy
    RealTiming shown;              // zone D's captions for these parts

    // The stage whose rising edge clocks the flip-flop: 14 (Q14), or the cascade's.
    int topStage() const;
    // Oscillator periods in one period T: 2^topStage.
    double countsPerPeriod() const;
    // Stage 1 to topStage brings out a pin, on the CD4060 or on the second counter.
    bool stageHasPin(int stage) const;

    // Talon plus potentiometer, kilohms, read with either separator.
    double resistance() const;
    // C2, nanofarads.
    double capacitance() const;
    // Oscillator period in seconds, in full precision: K x R x C.
    double oscillatorPeriod() const;
    // What zone D shows, in full precision (seconds).
    double realPeriod() const;
    double realPulse() const;
    // Nothing to assess before real parts are there: no resistance or no capacitor.
    bool hasParts() const;
};

} // namespace calc
