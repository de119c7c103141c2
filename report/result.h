#pragma once

#include "calc/longperiod.h"
#include "calc/precision.h"
#include "calc/road.h"

#include <array>
#include <optional>
#include <string_view>

namespace report {

// What joins the zones in a result, as the command line's options or the window ask.
struct Sections {
    bool precision = false;          // zone E, for a converted design
    std::optional<double> measuredT; // seconds: zone E gives the calibrated K4060
    bool nomenclature = false;       // the parts list
    bool chronogramme = false;       // section F, for a converted design
    bool circuit = false;            // the circuit's components and nets

    bool anySection() const { return precision || measuredT || nomenclature || chronogramme || circuit; }
};

// French, lower case, no full stop: why the road stopped; empty when it did not. JSON and CSV
// write it as it is, the same in every language; the report translates it (context "Rapport").
const char *stopSentence(calc::Stop stop);

// The calibrated "K4060" of a measured period, none when it cannot be had or lies beyond the
// calibration range (a batch's one measure, of another output for this line's design).
std::optional<double> acceptedCalibration(const calc::RealDesign &design, double measuredT);

// One number of "valeurs"; none where the road did not get that far.
struct Value {
    const char *key;
    std::optional<double> number; // seconds, kilohms, nanofarads or a count
};
inline constexpr std::size_t ValueCount = 14;
// In writing order, the same keys for every road.
std::array<Value, ValueCount> values(const calc::Road &road);

// The numbers of a long design's "valeurs" in writing order (keys sorted), its marked stages
// ("sorties", a list) apart: today's keys where they apply, "etage", "ajustable" (the trimmer to
// buy) and the deviations; none past a refusal, "ajustable" none when no standard trimmer reaches.
inline constexpr std::size_t LongValueCount = 17;
std::array<Value, LongValueCount> longValues(const calc::LongRoad &road);
// The stages marked, increasing.
std::vector<int> markedStages(std::uint64_t pattern);

// The sections (precision, parts list, chronogramme, circuit) read a road's real design alone: a
// converted road around `real`, so a long design's sections are written as the main window's.
calc::Road sectionsRoad(const calc::RealDesign &real);

// The numbers of zone E, in writing order: spreads in seconds, deviations in percent, the advised
// talon and trimmer in kilohms; none where there is none (no wanted T, no trimmer advised).
inline constexpr std::size_t PrecisionValueCount = 16;
std::array<Value, PrecisionValueCount> precisionValues(const calc::Precision &precision);

// The trimmer advice's verdict as a word a script can test.
const char *verdictWord(calc::TrimmerAdvice::Verdict verdict);

// Zone E of a road, when it is asked for and the design was converted.
std::optional<calc::Precision> precisionOf(const calc::Road &road, const Sections &sections);

} // namespace report
