#pragma once

#include "calc/realdesign.h"
#include "calc/words.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace calc {

inline constexpr double MaxTolerance = 50;
bool isTolerance(double percent);

struct Spread {
    double low = 0; // seconds
    double high = 0;
};

struct TrimmerAdvice {
    enum class Verdict {
        Found,
        NoPeriod,  // no wanted period T to aim at
        NoTalon,   // even the smallest series value is too large
        NoTrimmer, // no trimmer up to 1000 kilohms covers the spread
    } verdict = Verdict::NoPeriod;
    double wanted = 0;  // R_voulu, kilohms
    double talon = 0;   // kilohms
    double trimmer = 0; // nominal value P, kilohms
    double setting = 0; // kilohms of the trimmer to dial
    double travel = 0;  // percent of the trimmer's travel
    Spread sweep;       // T with the trimmer from 0 to P
};

// A pulse the pinned stages below the top stage can make: n oscillator periods, n the sum of the
// stages' weights, which is also the pattern of their marks.
struct PulseChoice {
    std::uint64_t n = 0; // 0: no such pulse
    double T1 = 0;               // seconds
    std::optional<double> error; // percent of the wanted T1
};

struct Solution {
    double C2 = 0;    // nanofarads
    double talon = 0; // kilohms, potentiometer 0
    double T = 0;     // seconds
    double error = 0; // percent of the wanted T
};

enum class RuleId { ResistanceRange, OscillatorStarts, CapacitorMinimum, SeriesResistor };
inline constexpr std::array<RuleId, 4> AllRules = {RuleId::ResistanceRange, RuleId::OscillatorStarts,
                                                   RuleId::CapacitorMinimum, RuleId::SeriesResistor};

struct Rule {
    RuleId id = RuleId::ResistanceRange;
    bool met = false;
};

// The data-sheet rules for the oscillator's R (kilohms, talon and trimmer) and C (nanofarads).
std::array<Rule, 4> dataSheetRules(double R, double C);

// Caption of a data-sheet rule in the language of `words`, numbers written with `separator`.
std::string ruleCaption(RuleId id, char separator, const Words &words = {});

struct Precision {
    bool assessable = false; // false: no parts yet (R or C zero); nothing below is meaningful
    double T_reel = 0;       // seconds, full precision
    double T1_reel = 0;
    std::optional<double> errorT;  // percent; none without a wanted T
    std::optional<double> errorT1; // percent; none without a wanted T1
    Spread worstT, worstT1;        // worst case of the three tolerances r, c, k
    Spread statisticalT, statisticalT1;
    TrimmerAdvice trimmer;
    std::array<PulseChoice, 2> pulses; // [0] nearest below (or at) the wanted T1, [1] above
    std::vector<Solution> solutions;   // up to five, smallest |error| first
    std::array<Rule, 4> rules;         // for the design as it stands, in AllRules order
};

// Everything the precision window shows, from the real design and the tolerances.
Precision assessPrecision(const RealDesign &design, const Tolerances &tolerances);

// The talon and trimmer whose range covers the tolerances around the resistance that gives the
// design's T, for a counter dividing the oscillator by `counts`; `C` in nanofarads; tolerances out
// of range count as 0 %. Only for an assessable design: C positive, the design's T finite.
TrimmerAdvice adviseTrimmer(const RealDesign &design, const Tolerances &tolerances, double C, double counts);

// Percent of `wanted` by which `real` differs; none without a positive wanted value.
std::optional<double> percentError(double real, double wanted);

// The one trimmer to buy for the design's potentiometer (kilohms): the one the precision window
// advises for the design's tolerances when it reaches the setting, else the smallest standard
// trimmer that does; none when the design has no trimmer or no standard trimmer reaches it.
std::optional<double> trimmerToBuy(const RealDesign &design);

// Stage numbers (1 to 64), increasing, whose weights add up to `n`: Q4 to Q13 on the CD4060 alone.
std::vector<int> outputsOf(std::uint64_t n);

// The counts of oscillator periods the stages of `stages` (bit s-1: stage s) make, nearest `x`:
// the largest not above x and the smallest above it, 0 where there is none (both for a NaN).
struct CountsAround {
    std::uint64_t below = 0, above = 0;
};
CountsAround countsAround(std::uint64_t stages, double x);
// The nearer of the two, a tie taking the smaller; 0 when `stages` is empty.
std::uint64_t nearestCount(std::uint64_t stages, double x);
// The stages with a pin below the design's top stage: those a diode can mark.
std::uint64_t pinnedStages(const RealDesign &design);

// The "K4060" value (K x 10^8, four significant digits) that makes the design's real period
// equal `measuredT` seconds; none when the measure or the design cannot give one.
std::optional<double> calibratedK4060(const RealDesign &design, double measuredT);

// The "K4060" a calibration may give, limits included; every chip below lies within. A measure
// beyond is of another output, or of parts unlike zone C's: it is refused.
struct K4060Range {
    double low, high; // K x 10^8
    bool contains(double k4060) const { return k4060 >= low && k4060 <= high; }
};
inline constexpr K4060Range CalibrationRange{150, 450};

// Texts of the window and the report. Percent signed, two decimals at most ("+7.81 %"); seconds
// as zone D shows them (display rule of `modeAffichage` in `notation`); kilohms to the ohm.
std::string formatPercent(double percent, char separator);
std::string formatSeconds(double seconds, int modeAffichage, char separator,
                          Notation notation = Notation::French);
std::string formatKilohms(double kilohms, char separator);

// Four significant digits, rounded half away from zero.
double fourSignificantDigits(double value);

// The chips whose constant the window offers.
struct ChipConstant {
    const char *name;
    double K; // seconds per (kilohm x nanofarad)
};
inline constexpr std::array<ChipConstant, 3> ChipConstants = {
    ChipConstant{"CD4060B", 2.2e-6}, ChipConstant{"HEF4060B / MC14060B", 2.3e-6}, ChipConstant{"74HC4060", 2.5e-6}};

// The name and K x 10^6, with a comma in French whatever the system: "CD4060B (2,2)".
std::string chipCaption(const ChipConstant &chip, Notation notation);

} // namespace calc
