#pragma once

#include "report/result.h"

#include "calc/cascade.h"
#include "calc/precision.h"
#include "calc/road.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

namespace report {

// The sentences of the precision window for one assessment, "—" where there is nothing.
struct PrecisionTexts {
    std::array<QString, 2> errors;  // T, T1
    std::array<QString, 3> spreads; // worst case T, worst case T1, statistical
    // The advice (talon, trimmer, setting, sweep of T), or the reason there is none alone.
    std::array<QString, 4> trimmer;
    std::array<QString, 2> pulses;                   // below, above
    std::array<std::array<QString, 4>, 5> solutions; // C2, talon, T, error; empty past the last
    std::array<QString, 4> rules;                    // "caption : respectée"
    // Where a second counter is the way, for a T beyond alarm 4 on the CD4060 alone; else empty.
    QString longPeriod;
};

// For a T beyond alarm 4: a second counter keeps the circuit within its rules, and where to find it.
QString longPeriodHint();
PrecisionTexts precisionTexts(const calc::Precision &precision, const calc::RealDesign &design);

// "caption : respectée" or "… : non respectée" for one rule, as the precision window says it.
QString ruleSentence(const calc::Rule &rule, char separator);

// Why no trimmer is advised, as the window says it; empty when one is.
QString trimmerVerdict(const calc::TrimmerAdvice &advice, char separator);

// Section "E - Précision" of the report, for a converted design.
QStringList precisionSection(const calc::Precision &precision, const calc::Road &road, const Sections &sections);

// Why a measure is refused when the K4060 it gives is outside calc::CalibrationRange; the
// window and the command line say the same.
QString calibrationRefusal(char separator);

// "Q4, Q12": the stages whose weights make `n`; with a second counter, grouped by counter:
// "CD4060 : Q4, Q12 ; CD4040 : Q6".
QString outputList(std::uint64_t n, const std::optional<calc::Cascade> &cascade);

// A stage of the design as a drawing names it: "Q5" on the CD4060 alone; with a second counter,
// the counter's own output and the counter: "Q5 (CD4060)", "Q6 (CD4040)".
QString stageName(const std::optional<calc::Cascade> &cascade, int stage);

} // namespace report
