#include "report/result.h"

#include "report/keys.h"

#include "calc/entry.h"
#include "calc/numbertext.h"
#include "calc/realtiming.h"

#include <QtGlobal>

namespace report {

const char *stopSentence(calc::Stop stop)
{
    switch (stop) {
    case calc::Stop::PeriodTooShort:
        return QT_TRANSLATE_NOOP("Rapport", "la période T est inférieure à 25 ms");
    case calc::Stop::NoPulse:
        return QT_TRANSLATE_NOOP("Rapport", "la durée du pulse T1 est nulle");
    case calc::Stop::RatioTooSmall:
        return QT_TRANSLATE_NOOP("Rapport", "le rapport T / T1 est inférieur à 2,001");
    case calc::Stop::None:
        break;
    }
    return "";
}

std::optional<double> acceptedCalibration(const calc::RealDesign &design, double measuredT)
{
    const std::optional<double> k4060 = calc::calibratedK4060(design, measuredT);
    return k4060 && calc::CalibrationRange.contains(*k4060) ? k4060 : std::nullopt;
}

std::array<Value, ValueCount> values(const calc::Road &road)
{
    auto when = [](bool reached, double number) { return reached ? std::optional(number) : std::nullopt; };
    const bool a = road.entered, b = road.designed, d = road.converted;
    const calc::RealDesign &real = road.real;
    // As RealDesign computes them, each text read once: a batch writes these for every line.
    const double talon = calc::readNumber(real.talonText), potentiometer = calc::readNumber(real.potentiometerText);
    const double resistance = potentiometer + talon, capacitance = real.capacitance();
    const double period = capacitance * resistance * real.K;
    return {{{key::T, when(a, road.T)},
             {key::T1, when(a, road.T1)},
             {key::periode_oscillateur, when(a, road.T / calc::CountsPerPeriod)},
             {key::Motif_Q, when(b, road.design.Motif_Q)},
             {key::C2_theorique, when(b, road.design.C2)},
             {key::R2_theorique, when(b, road.design.R2_Theorique)},
             {key::talon, when(d, talon)},
             {key::potentiometre, when(d, potentiometer)},
             {key::C2, when(d, capacitance)},
             {key::n, when(d, real.pattern)},
             {key::periode_oscillateur_reelle, when(d, period)},
             {key::T_reel, when(d, period * calc::CountsPerPeriod)},
             {key::T1_reel, when(d, static_cast<double>(real.pattern) * period)},
             {key::Rs, when(d, calc::seriesResistor(resistance))}}};
}

std::array<Value, LongValueCount> longValues(const calc::LongRoad &road)
{
    const calc::LongDesign &d = road.design;
    const std::optional<calc::LongTiming> &t = road.timing;
    auto when = [&t](double number) { return t ? std::optional(number) : std::nullopt; };
    return {{{key::C2, when(road.parts.C2)},
             {key::C2_theorique, when(d.C2)},
             {key::R2_theorique, when(d.R2)},
             {key::Rs, when(t ? t->Rs : 0)},
             {key::T, road.entry.T},
             {key::T1, road.entry.T1},
             {key::T1_reel, when(t ? t->T1 : 0)},
             {key::T_reel, when(t ? t->T : 0)},
             {key::ajustable, road.trimmer > 0 ? when(road.trimmer) : std::nullopt},
             {key::ecart_T, t ? t->errorT : std::nullopt},
             {key::ecart_T1, t ? t->errorT1 : std::nullopt},
             {key::etage, when(d.stage)},
             {key::n, when(static_cast<double>(road.parts.marks))},
             {key::periode_oscillateur, when(d.P)},
             {key::periode_oscillateur_reelle, when(t ? t->P : 0)},
             {key::potentiometre, when(road.parts.setting)},
             {key::talon, when(road.parts.talon)}}};
}

calc::Road sectionsRoad(const calc::RealDesign &real)
{
    calc::Road road;
    road.real = real;
    road.converted = true;
    return road;
}

std::vector<int> markedStages(std::uint64_t pattern)
{
    std::vector<int> stages;
    for (int s = 1; s <= 64; ++s)
        if (pattern & (std::uint64_t{1} << (s - 1)))
            stages.push_back(s);
    return stages;
}

std::array<Value, PrecisionValueCount> precisionValues(const calc::Precision &p)
{
    const calc::TrimmerAdvice &advice = p.trimmer;
    auto advised = [found = advice.verdict == calc::TrimmerAdvice::Verdict::Found](double value) {
        return found ? std::optional(value) : std::nullopt;
    };
    return {{{key::ecart_T, p.errorT},
             {key::ecart_T1, p.errorT1},
             {key::T_min, p.worstT.low},
             {key::T_max, p.worstT.high},
             {key::T1_min, p.worstT1.low},
             {key::T1_max, p.worstT1.high},
             {key::T_stat_min, p.statisticalT.low},
             {key::T_stat_max, p.statisticalT.high},
             {key::T1_stat_min, p.statisticalT1.low},
             {key::T1_stat_max, p.statisticalT1.high},
             {key::talon, advised(advice.talon)},
             {key::ajustable, advised(advice.trimmer)},
             {key::reglage, advised(advice.setting)},
             {key::course, advised(advice.travel)},
             {key::T_reglable_min, advised(advice.sweep.low)},
             {key::T_reglable_max, advised(advice.sweep.high)}}};
}

const char *verdictWord(calc::TrimmerAdvice::Verdict verdict)
{
    using Verdict = calc::TrimmerAdvice::Verdict;
    switch (verdict) {
    case Verdict::Found:
        return "conseille";
    case Verdict::NoPeriod:
        return "sans_periode";
    case Verdict::NoTalon:
        return "aucun_talon";
    case Verdict::NoTrimmer:
        break;
    }
    return "aucun_ajustable";
}

std::optional<calc::Precision> precisionOf(const calc::Road &road, const Sections &sections)
{
    if (!sections.precision || !road.converted)
        return std::nullopt;
    return calc::assessPrecision(road.real, road.real.tolerances);
}

} // namespace report
