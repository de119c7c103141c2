#pragma once

#include "calc/realdesign.h"
#include "calc/words.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

// Electrical type of a pin, as a rules checker sees it.
enum class PinType { Input, Output, Bidirectional, Passive, PowerInput };

struct PinDefinition {
    const char *number; // "16"
    const char *name;   // "VDD"; an inverted signal is written "~{Q}"
    PinType type;
};

// A second CD4060 (the cascade's) is a CD4060 like U1.
enum class PackageKind { CD4060, CD4013, Npn, Diode, Led, Resistor, Capacitor, Trimmer, CD4040, CD4020 };

// One package and its real pinout.
struct Package {
    PackageKind kind;
    const char *symbol;     // name of its symbol in a schematic library
    const char *footprint;  // KiCad's stock footprint
    const char *datasheet;  // "~": none named
    std::span<const PinDefinition> pins;
};

const Package &package(PackageKind kind);

struct Component {
    std::string reference; // "U1", "R2", "D3"
    PackageKind kind = PackageKind::Resistor;
    std::string value;     // "150 kΩ", "1.5 nF", "CD4060"; "—" before any design
    std::string role;      // in the language of the words the circuit was built with
    std::string footprint; // the package's, or another of the same pinout (a film capacitor)
    std::string setting;   // what to dial on a trimmer ("51.215 kΩ"), else empty
};

struct NetMember {
    std::string reference;
    std::string pin; // pin number
    bool operator==(const NetMember &) const = default;
};

struct Net {
    std::string name;
    std::vector<NetMember> members;
};

// The user's circuit as a netlist: every pin of every component is on exactly one net, or left
// open on purpose (an unused output).
struct Circuit {
    std::vector<Component> components;
    std::vector<Net> nets;
    // Stages of the combined counter: 1 to 14 are U1's Q1 to Q14, 14 + j the second counter's Qj.
    std::vector<int> diodeOutputs; // stages marked "On" that have a pin, increasing
    std::vector<int> unwired;      // stages marked "On" that have no pin (U1's Q1, Q2, Q3, Q11…)
    bool designed = false;         // the design has parts (RealDesign::hasParts)

    const Component *component(std::string_view reference) const;
    // The net a pin is on; null for a pin left open.
    const Net *netOf(std::string_view reference, std::string_view pin) const;
};

// The pin of the CD4060 that brings out output Qn; null for an output without a pin.
const char *counterPin(int output);
// The same for any counter package (CD4060, CD4040, CD4020).
const char *counterPin(PackageKind kind, int output);

// A timer of two counters has its second counter here.
inline constexpr char SecondCounterReference[] = "U3";
PackageKind packageOf(SecondCounter counter);
// The component and the pin that bring out a stage of the combined counter; a null pin for a
// stage without one.
NetMember stagePin(const RealDesign &design, int stage);
// The clock input and the reset of a counter package.
const char *clockPin(PackageKind kind);
const char *resetPin(PackageKind kind);

// The circuit of a real design: the counter and its oscillator (the talon, the trimmer when the
// design has one, C2, Rs), the power-on reset, the decoupling capacitor, one diode per marked
// output with a pin, the flip-flop (its unused half tied to VSS) and the LED driver. With a
// cascade, the second counter U3 is clocked by U1's Q14, reset with it, and its top stage clocks
// the flip-flop; the marked stages take their diodes on either counter.
Circuit circuitOf(const RealDesign &design, const Words &words = {});

} // namespace calc
