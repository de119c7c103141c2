#pragma once

#include "calc/cascade.h"
#include "calc/precision.h"
#include "calc/realdesign.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace calc {

inline constexpr double ShortestLongPeriod = 60;      // seconds
inline constexpr double LongestLongPeriod = 10000000; // seconds

struct LongEntry {
    double T = 0;  // wanted period, seconds
    double T1 = 0; // wanted pulse, seconds
    SecondCounter counter = SecondCounter::CD4040;
    std::optional<int> stage; // the top stage the user chose; none: the road proposes one
    int Pas_Serie = 1;        // 1 = E24, 2 = E12
    double K = 2.8e-6;        // seconds per (kilohm x nanofarad), finite and positive
    Tolerances tolerances;    // choose the talon and the trimmer
};

enum class LongRefusal {
    None,
    PeriodOutOfRange, // T outside 60 to 10^7 s
    PulseOutOfRange,  // T1 not above 0 or not below T / 2.001
    StageOutOfRange,  // a chosen top stage beyond the second counter
    StageWithoutPin,  // a chosen top stage the second counter brings out on no pin
    PulseTooShort,    // T1 shorter than the finest pulse the pinned stages give (finestPulse)
};

struct LongDesign {
    LongRefusal refusal = LongRefusal::None;
    int stage = 0;         // top stage S, clocking the flip-flop: T = 2^S oscillator periods
    int proposedStage = 0; // the road's own choice
    double P = 0;          // oscillator period for the wanted T, seconds
    double C150 = 0;       // nanofarads 150 kilohms would need
    double C2 = 0;         // nanofarads
    double R2 = 0;         // kilohms that give the wanted T with C2
    std::uint64_t marks = 0; // bit s-1: stage s takes a diode; its value is the pulse count n
    double finestPulse = 0;  // seconds: the shortest pulse the pinned stages below S give
    double talon = 0;        // kilohms, of the series
    double trimmer = 0;      // kilohms; 0: no standard trimmer reaches the setting
    double setting = 0;      // kilohms to dial on the trimmer: R2 - talon
    bool trimmerAdvised = false; // the pair covers the tolerances around R2
};

// The design of a timer of two counters: the top stage, C2 and R2, the marked stages, the parts.
LongDesign designLong(const LongEntry &entry);

// Real timing of a long design from its parts as typed.
struct LongParts {
    double talon = 0;        // kilohms
    double setting = 0;      // kilohms on the trimmer
    double C2 = 0;           // nanofarads
    std::uint64_t marks = 0; // stages with a diode
};

struct LongTiming {
    double P = 0;  // oscillator period, seconds: K x (talon + setting) x C2
    double T = 0;  // 2^S x P
    double T1 = 0; // marks x P
    std::optional<double> errorT, errorT1; // percent of the wanted values
    double Rs = 0;                         // kilohms, as zone D picks it
    std::array<Rule, 4> rules;             // in AllRules order
};

LongTiming longTiming(const LongEntry &entry, int stage, const LongParts &parts);

// The whole road of one long design: the design, then the timing its own parts give (none when
// the design is refused).
struct LongRoad {
    LongEntry entry;
    LongDesign design;
    LongParts parts;
    std::optional<LongTiming> timing;
    double trimmer = 0; // kilohms, the trimmer to buy for parts.setting; 0: no standard one reaches it
};
LongRoad longRoad(const LongEntry &entry);
// The same road with the parts a user chose (a design file's) in place of the design's own.
LongRoad longRoad(const LongEntry &entry, const LongParts &parts);

// The design the tools (sheet, chronogramme, precision, circuit) work from: the parts written as
// the window's fields write them (general form), the marks as the pattern, the cascade of `stage`.
RealDesign realDesignOf(const LongEntry &entry, int stage, const LongParts &parts, int Mode_Affichage,
                        char separator, Notation notation);

} // namespace calc
