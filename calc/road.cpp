#include "calc/road.h"

#include "calc/entry.h"
#include "calc/numbertext.h"
#include "calc/realtiming.h"
#include "calc/tables.h"

namespace calc {

Road designRoad(std::string_view periodText, std::string_view pulseText, const DesignOptions &options)
{
    Road road;
    road.periodText = periodText;
    road.pulseText = pulseText;
    RealDesign &real = road.real;
    real.K = options.Constante_K4060;
    real.Pas_Serie = options.Pas_Serie;
    real.Mode_Affichage = options.Mode_Affichage;
    real.separator = options.separator;
    real.notation = options.notation;
    real.tolerances = options.tolerances;
    // Negative numbers mean "nothing to show" and are left out.
    auto raise = [&road](int alarm) {
        if (alarm >= 0)
            road.alarms.push_back(alarm);
    };

    const EntryCheck entry = checkPeriodAndPulse(Zero_non_Significatif(periodText), Zero_non_Significatif(pulseText),
                                                 0.0, options.Mode_Affichage, options.separator,
                                                 options.notation);
    for (int alarm : entry.alarms)
        raise(alarm);
    road.labelText = entry.labelText;
    if (entry.label != EntryCheck::Label::Set) {
        road.stop = entry.label == EntryCheck::Label::Emptied ? Stop::PeriodTooShort : Stop::NoPulse;
        return road;
    }
    road.entered = true;
    road.T = entry.Periode_T;
    road.T1 = entry.Pulse_T1;

    road.design = designTimer(entry.Periode_T, entry.Pulse_T1, entry.Periode_Oscillateur, options.Constante_K4060,
                              options.separator, options.notation);
    for (int alarm : road.design.alarms)
        raise(alarm);
    if (!road.design.completed) {
        road.stop = road.design.alarms.front() == 6 ? Stop::NoPulse : Stop::RatioTooSmall;
        return road;
    }
    road.designed = true;

    // The conversion without its lists: most writers do not need them.
    road.series = nearestInSeries(road.design.R2_Theorique, options.Pas_Serie);
    const RealisablePattern outputs = realisablePattern(road.design.Motif_Q);
    real.capacitorText = capacitorOfCaption(road.design.C2Caption);
    raise(capacitorWarning(real.capacitorText));
    raise(outputs.alarm);
    real.T = entry.Periode_T;
    real.T1 = entry.Pulse_T1;
    real.talonText = seriesItem(road.series, road.series.selected, false, options.separator);
    // Not `= "0"`: GCC 12 warns wrongly (-Wrestrict) on that assignment once inlined.
    real.potentiometerText = std::string("0");
    real.pattern = outputs.pattern;
    real.shown = realTiming(real.talonText, real.potentiometerText, real.capacitorText, real.pattern, real.K,
                            real.Mode_Affichage, real.separator, real.notation);
    road.converted = true;
    return road;
}

void applyParts(Road &road, const Parts &parts)
{
    if (!road.converted)
        return;
    RealDesign &real = road.real;
    real.capacitorText = parts.capacitor;
    real.talonText = parts.talon;
    real.potentiometerText = parts.potentiometer;
    real.pattern = parts.pattern;
    for (int alarm : {capacitorWarning(real.capacitorText), resistorWarning(real.talonText, real.potentiometerText)})
        if (alarm >= 0)
            road.alarms.push_back(alarm);
    real.shown = realTiming(real.talonText, real.potentiometerText, real.capacitorText, real.pattern, real.K,
                            real.Mode_Affichage, real.separator, real.notation);
}

std::array<bool, 14> outputsOfPattern(int pattern)
{
    std::array<bool, 14> on{};
    for (int n = 1; n <= OutputCount; ++n)
        on[static_cast<std::size_t>(n)] = (pattern & (1 << (n - 1))) != 0;
    return on;
}

int patternOf(const std::vector<int> &outputs)
{
    int pattern = 0;
    for (int n : outputs)
        if (n >= 1 && n <= OutputCount)
            pattern |= 1 << (n - 1);
    return pattern;
}

} // namespace calc
