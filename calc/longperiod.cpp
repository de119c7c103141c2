#include "calc/longperiod.h"

#include "calc/design.h"
#include "calc/realtiming.h"
#include "calc/tables.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace calc {

namespace {

// A film capacitor, large enough that stray capacitance stays below 0.1 %.
constexpr double SmallestFilm = 10;  // nanofarads
constexpr double LargestFilm = 470;  // nanofarads

double capacitanceFor150k(double T, int stage, double K) { return T / std::ldexp(1.0, stage) / 150000 * 1000 / K; }

// How far a capacitance lies outside the film range, as a ratio; 1 inside it.
double outsideFilmRange(double C)
{
    return C < SmallestFilm ? SmallestFilm / C : C > LargestFilm ? C / LargestFilm : 1;
}

// The stages below `top` that bring out a pin, as calc::countsAround takes them.
std::uint64_t pinnedBelow(SecondCounter counter, int top)
{
    RealDesign design;
    design.cascade = Cascade{counter, top};
    return pinnedStages(design);
}

// The weight of the lowest pin: the finest pulse in oscillator periods; 0 without any pin.
double finestWeight(std::uint64_t pins) { return static_cast<double>(pins & (~pins + 1)); }

// The stage whose C150 is a film capacitor and whose pulse comes nearest T1, the largest when
// several come as near; without any such stage, the one whose C150 comes nearest the range. Only
// a stage with a pin can clock the flip-flop.
int proposedStage(const LongEntry &entry)
{
    int best = 0;
    double bestError = 0;
    const int last = lastTopStage(entry.counter);
    const std::uint64_t pins = pinnedBelow(entry.counter, last);
    for (int s = FirstTopStage; s <= last; ++s) {
        if (!stageHasPin(entry.counter, s) || outsideFilmRange(capacitanceFor150k(entry.T, s, entry.K)) > 1)
            continue;
        const double P = entry.T / std::ldexp(1.0, s);
        const std::uint64_t below = pins & ((std::uint64_t{1} << (s - 1)) - 1);
        const double pulse = static_cast<double>(nearestCount(below, entry.T1 / P)) * P;
        const double error = std::fabs(pulse - entry.T1);
        if (best == 0 || error <= bestError * (1 + 1e-12)) {
            best = s;
            bestError = error;
        }
    }
    if (best != 0)
        return best;
    double nearest = 0;
    for (int s = FirstTopStage; s <= last; ++s) {
        if (!stageHasPin(entry.counter, s))
            continue;
        const double outside = outsideFilmRange(capacitanceFor150k(entry.T, s, entry.K));
        if (best == 0 || outside <= nearest) {
            best = s;
            nearest = outside;
        }
    }
    return best;
}

} // namespace

LongDesign designLong(const LongEntry &entry)
{
    LongDesign design;
    if (!(entry.T >= ShortestLongPeriod && entry.T <= LongestLongPeriod)) {
        design.refusal = LongRefusal::PeriodOutOfRange;
        return design;
    }
    if (!(entry.T1 > 0 && entry.T1 < entry.T / 2.001)) {
        design.refusal = LongRefusal::PulseOutOfRange;
        return design;
    }
    design.proposedStage = proposedStage(entry);
    design.stage = entry.stage.value_or(design.proposedStage);
    if (design.stage < FirstTopStage || design.stage > lastTopStage(entry.counter)) {
        design.refusal = LongRefusal::StageOutOfRange;
        return design;
    }
    if (!stageHasPin(entry.counter, design.stage)) {
        design.refusal = LongRefusal::StageWithoutPin;
        return design;
    }
    design.P = entry.T / std::ldexp(1.0, design.stage);
    design.C150 = capacitanceFor150k(entry.T, design.stage, entry.K);
    design.C2 = snappedCapacitor(design.C150);
    design.R2 = design.P / design.C2 / entry.K;
    const std::uint64_t pins = pinnedBelow(entry.counter, design.stage);
    design.finestPulse = finestWeight(pins) * design.P;
    if (entry.T1 < design.finestPulse) {
        design.refusal = LongRefusal::PulseTooShort;
        return design;
    }
    design.marks = nearestCount(pins, entry.T1 / design.P);

    RealDesign wanted;
    wanted.T = entry.T;
    wanted.K = entry.K;
    wanted.Pas_Serie = entry.Pas_Serie;
    const TrimmerAdvice advice = adviseTrimmer(wanted, entry.tolerances, design.C2, std::ldexp(1.0, design.stage));
    design.talon = advice.talon;
    design.setting = design.R2 - design.talon;
    design.trimmerAdvised = advice.verdict == TrimmerAdvice::Verdict::Found;
    if (design.trimmerAdvised) {
        design.trimmer = advice.trimmer;
    } else {
        const auto reaches =
            std::find_if(Trimmers.begin(), Trimmers.end(), [&](double value) { return value >= design.setting; });
        design.trimmer = reaches == Trimmers.end() ? 0 : *reaches;
    }
    return design;
}

LongTiming longTiming(const LongEntry &entry, int stage, const LongParts &parts)
{
    LongTiming timing;
    const double R = parts.talon + parts.setting;
    timing.P = entry.K * R * parts.C2;
    timing.T = std::ldexp(timing.P, stage);
    timing.T1 = static_cast<double>(parts.marks) * timing.P;
    timing.errorT = percentError(timing.T, entry.T);
    timing.errorT1 = percentError(timing.T1, entry.T1);
    timing.Rs = seriesResistor(R);
    timing.rules = dataSheetRules(R, parts.C2);
    return timing;
}

LongRoad longRoad(const LongEntry &entry)
{
    LongRoad road{entry, designLong(entry), {}, std::nullopt};
    const LongDesign &d = road.design;
    if (d.refusal == LongRefusal::None) {
        road.parts = {d.talon, d.setting, d.C2, d.marks};
        road.timing = longTiming(entry, d.stage, road.parts);
        road.trimmer = d.trimmer;
    }
    return road;
}

LongRoad longRoad(const LongEntry &entry, const LongParts &parts)
{
    LongRoad road{entry, designLong(entry), parts, std::nullopt};
    const LongDesign &d = road.design;
    if (d.refusal != LongRefusal::None)
        return road;
    road.timing = longTiming(entry, d.stage, parts);
    // No trimmer without a setting; else the advised one while it reaches the setting, as for
    // the main window's designs.
    if (!(parts.setting > 0)) {
        road.trimmer = 0;
    } else if (d.trimmerAdvised && d.trimmer >= parts.setting) {
        road.trimmer = d.trimmer;
    } else {
        const auto reaches =
            std::find_if(Trimmers.begin(), Trimmers.end(), [&](double value) { return value >= parts.setting; });
        road.trimmer = reaches == Trimmers.end() ? 0 : *reaches;
    }
    return road;
}

RealDesign realDesignOf(const LongEntry &entry, int stage, const LongParts &parts, int Mode_Affichage,
                        char separator, Notation notation)
{
    RealDesign real;
    real.T = entry.T;
    real.T1 = entry.T1;
    real.talonText = formatGeneral(parts.talon, separator);
    real.potentiometerText = formatGeneral(parts.setting, separator);
    real.capacitorText = formatGeneral(parts.C2, separator);
    real.pattern = parts.marks;
    real.cascade = Cascade{entry.counter, stage};
    real.K = entry.K;
    real.Pas_Serie = entry.Pas_Serie;
    real.Mode_Affichage = Mode_Affichage;
    real.separator = separator;
    real.notation = notation;
    real.tolerances = entry.tolerances;
    real.shown = realTiming(real.talonText, real.potentiometerText, real.capacitorText, real.pattern, real.K,
                            Mode_Affichage, separator, notation, real.countsPerPeriod());
    return real;
}

} // namespace calc
