#include "calc/precision.h"

#include "calc/conversion.h"
#include "calc/entry.h"
#include "calc/numbertext.h"
#include "calc/realtiming.h"
#include "calc/tables.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>

namespace calc {

namespace {

constexpr int TalonDecades = 4;   // talons from 1 kilohm to 9.1 megohms
constexpr int CapacitorDecades = 5; // capacitors from 0.1 to 820 nF, then 1000 nF
constexpr double SmallestCapacitor = 0.47; // nanofarads
constexpr double LargestCapacitor = 1000;
constexpr std::size_t SolutionCount = 5;
// Periods beyond this are nonsense: refusing them keeps every product below finite.
constexpr double LargestPeriod = 1e200;

// 10^exponent, exact for the small exponents used here.
double powerOfTen(int exponent)
{
    double value = 1;
    for (int i = 0; i < std::abs(exponent); ++i)
        value *= 10;
    return exponent < 0 ? 1 / value : value;
}

// mantissa x 10^exponent for a mantissa of one decimal, as the nearest double to the decimal
// value: 8.2 x 10^2 gives 820, not 819.9999999999999.
double scaled(double mantissa, int exponent)
{
    const double tenths = std::round(mantissa * 10);
    return exponent >= 1 ? tenths * powerOfTen(exponent - 1) : tenths / powerOfTen(1 - exponent);
}

// Mantissas of the series: E24 every slot, E12 every other one.
std::vector<double> seriesMantissas(int pasSerie)
{
    const int step = pasSerie == PasE12 ? PasE12 : PasE24;
    std::vector<double> mantissas;
    for (std::size_t i = 1; i < Table_E24.size() && Table_E24[i] > 0; i += static_cast<std::size_t>(step))
        mantissas.push_back(Table_E24[i]);
    return mantissas;
}

bool rangeOk(double R) { return R >= 10 && R <= 1000; }
bool startsOk(double R) { return R >= 1; }
bool capacitorOk(double C) { return C > 0.05; }
bool seriesResistorOk(double R) { return seriesResistor(R) >= 2 * R; }

// Tolerances out of range count as 0 %.
Tolerances withinRange(Tolerances t)
{
    for (double *percent : {&t.r, &t.c, &t.k, &t.p})
        if (!isTolerance(*percent))
            *percent = 0;
    return t;
}

} // namespace

std::optional<double> percentError(double real, double wanted)
{
    if (!(wanted > 0))
        return std::nullopt;
    const double error = 100 * (real - wanted) / wanted;
    return std::isfinite(error) ? std::optional(error) : std::nullopt;
}

TrimmerAdvice adviseTrimmer(const RealDesign &design, const Tolerances &tolerances, double C, double counts)
{
    const Tolerances t = withinRange(tolerances);
    TrimmerAdvice advice;
    if (!(design.T > 0))
        return advice;
    const double r = t.r / 100, c = t.c / 100, k = t.k / 100, p = t.p / 100;
    const double perKilohm = counts * design.K * C; // seconds of T per kilohm
    advice.wanted = design.T / perKilohm;
    const double low = advice.wanted / ((1 + c) * (1 + k));
    const double high = advice.wanted / ((1 - c) * (1 - k));

    advice.verdict = TrimmerAdvice::Verdict::NoTalon;
    for (int decade = 0; decade < TalonDecades; ++decade)
        for (double mantissa : seriesMantissas(design.Pas_Serie)) {
            const double talon = scaled(mantissa, decade);
            if (talon * (1 + r) <= low) {
                advice.talon = talon;
                advice.verdict = TrimmerAdvice::Verdict::NoTrimmer;
            }
        }
    if (advice.verdict == TrimmerAdvice::Verdict::NoTalon)
        return advice;
    for (double trimmer : Trimmers)
        if (advice.talon * (1 - r) + trimmer * (1 - p) >= high) {
            advice.verdict = TrimmerAdvice::Verdict::Found;
            advice.trimmer = trimmer;
            advice.setting = advice.wanted - advice.talon;
            advice.travel = 100 * advice.setting / trimmer;
            advice.sweep = {perKilohm * advice.talon, perKilohm * (advice.talon + trimmer)};
            return advice;
        }
    return advice;
}

namespace {

std::array<PulseChoice, 2> nearestPulses(const RealDesign &design, double oscillator)
{
    const CountsAround counts = countsAround(pinnedStages(design), design.T1 / oscillator);
    std::array<PulseChoice, 2> pulses;
    for (std::size_t i = 0; i < 2; ++i) {
        const std::uint64_t n = i == 0 ? counts.below : counts.above;
        if (n == 0)
            continue;
        pulses[i].n = n;
        pulses[i].T1 = static_cast<double>(n) * oscillator;
        pulses[i].error = percentError(pulses[i].T1, design.T1);
    }
    return pulses;
}

// Every (C2, talon) pair that meets the data-sheet rules, five best. T depends on the product
// talon x C2 only; ties fall to the smaller capacitor, then the smaller talon.
std::vector<Solution> otherSolutions(const RealDesign &design)
{
    struct Candidate {
        Solution solution;
        double rank; // |error| of the product as written on paper
    };
    std::vector<Candidate> found;
    if (!(design.T > 0))
        return {};
    const std::vector<double> talons = seriesMantissas(design.Pas_Serie);
    const double counts = design.countsPerPeriod();
    for (int capacitorDecade = -1; capacitorDecade < CapacitorDecades - 1; ++capacitorDecade)
        for (std::size_t i = 1; i < Table_Condensateurs.size() && Table_Condensateurs[i] > 0; ++i) {
            const double capacitorMantissa = Table_Condensateurs[i];
            const double C2 = scaled(capacitorMantissa, capacitorDecade);
            if (C2 < SmallestCapacitor || C2 > LargestCapacitor || !capacitorOk(C2))
                continue;
            for (int talonDecade = 0; talonDecade < TalonDecades; ++talonDecade)
                for (double talonMantissa : talons) {
                    const double talon = scaled(talonMantissa, talonDecade);
                    if (!rangeOk(talon) || !startsOk(talon) || !seriesResistorOk(talon))
                        continue;
                    // The order of zone D's products, so an applied solution shows this T.
                    const double T = C2 * talon * design.K * counts;
                    const std::optional<double> error = percentError(T, design.T);
                    // Products equal on paper (3.3 x 1.0 and 1.5 x 2.2) may differ in the last
                    // bit: they are ranked on the product of the tenths, the same double for
                    // both, so the order is a true one and the first is the best.
                    long long tenths = std::llround(capacitorMantissa * 10) * std::llround(talonMantissa * 10);
                    int exponent = capacitorDecade + talonDecade - 2;
                    for (; tenths % 10 == 0; tenths /= 10)
                        ++exponent;
                    const double paper = scaled(static_cast<double>(tenths) / 10, exponent + 1);
                    const std::optional<double> rank = percentError(paper * design.K * counts, design.T);
                    if (error && rank)
                        found.push_back({{C2, talon, T, *error}, std::fabs(*rank)});
                }
        }
    auto better = [](const Candidate &a, const Candidate &b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        if (a.solution.C2 != b.solution.C2)
            return a.solution.C2 < b.solution.C2;
        return a.solution.talon < b.solution.talon;
    };
    const std::size_t kept = std::min(SolutionCount, found.size());
    std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(kept), found.end(), better);
    std::vector<Solution> solutions;
    for (std::size_t i = 0; i < kept; ++i)
        solutions.push_back(found[i].solution);
    return solutions;
}

Spread spread(double value, double lowFactor, double highFactor)
{
    return {value * lowFactor, value * highFactor};
}

} // namespace

bool isTolerance(double percent) { return percent >= 0 && percent <= MaxTolerance; }

std::array<Rule, 4> dataSheetRules(double R, double C)
{
    return {Rule{RuleId::ResistanceRange, rangeOk(R)}, Rule{RuleId::OscillatorStarts, startsOk(R)},
            Rule{RuleId::CapacitorMinimum, capacitorOk(C)}, Rule{RuleId::SeriesResistor, seriesResistorOk(R)}};
}

std::string ruleCaption(RuleId id, char separator, const Words &words)
{
    switch (id) {
    case RuleId::ResistanceRange:
        return "10 kΩ ≤ R ≤ 1 MΩ";
    case RuleId::OscillatorStarts:
        return words.translate("Precision", "R ≥ 1 kΩ (sinon l'oscillateur risque de ne pas démarrer)");
    case RuleId::CapacitorMinimum:
        return "C > " + formatGeneral(0.05, separator) + " nF (50 pF)";
    case RuleId::SeriesResistor:
        return "Rs ≥ 2 × R";
    }
    return {};
}

Precision assessPrecision(const RealDesign &design, const Tolerances &tolerances)
{
    Precision result;
    const double R = design.resistance();
    const double C = design.capacitance();
    const double oscillator = design.oscillatorPeriod();
    result.T_reel = design.realPeriod();
    result.T1_reel = design.realPulse();
    result.assessable = R > 0 && C > 0 && design.K > 0 && oscillator > 0 &&
                        result.T_reel <= LargestPeriod && result.T1_reel <= LargestPeriod;
    if (!result.assessable)
        return result;
    const Tolerances t = withinRange(tolerances);

    result.errorT = percentError(result.T_reel, design.T);
    result.errorT1 = percentError(result.T1_reel, design.T1);
    const double r = t.r / 100, c = t.c / 100, k = t.k / 100;
    const double worstLow = (1 - r) * (1 - c) * (1 - k), worstHigh = (1 + r) * (1 + c) * (1 + k);
    const double statistical = std::sqrt(r * r + c * c + k * k);
    result.worstT = spread(result.T_reel, worstLow, worstHigh);
    result.worstT1 = spread(result.T1_reel, worstLow, worstHigh);
    result.statisticalT = spread(result.T_reel, 1 - statistical, 1 + statistical);
    result.statisticalT1 = spread(result.T1_reel, 1 - statistical, 1 + statistical);

    result.trimmer = adviseTrimmer(design, t, C, design.countsPerPeriod());
    result.pulses = nearestPulses(design, oscillator);
    result.solutions = otherSolutions(design);
    result.rules = dataSheetRules(R, C);
    return result;
}

std::optional<double> trimmerToBuy(const RealDesign &design)
{
    const double setting = readNumber(design.potentiometerText);
    // A negative potentiometer is a typing slip, not a part.
    if (!(setting > 0))
        return std::nullopt;
    if (design.hasParts() && design.realPeriod() <= LargestPeriod) {
        const TrimmerAdvice advice = adviseTrimmer(design, design.tolerances, design.capacitance(),
                                                        design.countsPerPeriod());
        if (advice.verdict == TrimmerAdvice::Verdict::Found && advice.trimmer >= setting)
            return advice.trimmer;
    }
    const auto trimmer = std::find_if(Trimmers.begin(), Trimmers.end(), [&](double value) { return value >= setting; });
    return trimmer == Trimmers.end() ? std::nullopt : std::optional(*trimmer);
}

std::vector<int> outputsOf(std::uint64_t n)
{
    std::vector<int> stages;
    for (int stage = 1; stage <= 64; ++stage)
        if (n >> (stage - 1) & 1)
            stages.push_back(stage);
    return stages;
}

CountsAround countsAround(std::uint64_t stages, double x)
{
    if (std::isnan(x))
        return {};
    // The largest count not above x: taking a stage whenever it fits is best, as every stage
    // weighs more than all the stages below it together.
    CountsAround counts;
    for (std::uint64_t rest = stages; rest != 0;) {
        const std::uint64_t bit = std::uint64_t{1} << (63 - std::countl_zero(rest));
        rest &= ~bit;
        if (static_cast<double>(counts.below | bit) <= x)
            counts.below |= bit;
    }
    // The smallest count above x keeps the bits of `below` above a free stage, sets it and clears
    // the rest: the lowest free stage gives the smallest.
    if (const std::uint64_t free = stages & ~counts.below; free != 0) {
        const std::uint64_t bit = free & (~free + 1);
        counts.above = (counts.below & ~(2 * bit - 1)) | bit;
    }
    return counts;
}

std::uint64_t nearestCount(std::uint64_t stages, double x)
{
    const auto [below, above] = countsAround(stages, x);
    if (below == 0)
        return above;
    if (above == 0)
        return below;
    return static_cast<double>(above) - x < x - static_cast<double>(below) ? above : below;
}

std::uint64_t pinnedStages(const RealDesign &design)
{
    std::uint64_t stages = 0;
    for (int s = 1; s < design.topStage(); ++s)
        if (design.stageHasPin(s))
            stages |= std::uint64_t{1} << (s - 1);
    return stages;
}

std::string formatPercent(double percent, char separator)
{
    return (percent > 0 ? "+" : "") + formatPattern(percent, "0.0#", separator) + " %";
}

std::string formatSeconds(double seconds, int modeAffichage, char separator, Notation notation)
{
    return Valeur_Significatif(formatGeneral(seconds, separator), modeAffichage, notation);
}

std::string chipCaption(const ChipConstant &chip, Notation notation)
{
    return std::string(chip.name) + " (" + formatGeneral(chip.K * 1e6, writtenSeparator(notation, ',')) + ")";
}

// To the ohm: typed back into zone C, enough for zone D to show T within its rounding.
std::string formatKilohms(double kilohms, char separator)
{
    return formatGeneral(std::round(kilohms * 1000) / 1000, separator);
}

// Rounded in decimal, then read back: the double nearest the four digits, which rounds to itself
// at any exponent (a scale of 10^n by products drifts past 10^22).
double fourSignificantDigits(double value)
{
    if (!(value > 0) || !std::isfinite(value))
        return value;
    char digits[32];
    const std::to_chars_result written =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::scientific, 3);
    double rounded = value;
    if (std::from_chars(digits, written.ptr, rounded).ec != std::errc{})
        return value; // rounded past the largest double
    return rounded;
}

std::optional<double> calibratedK4060(const RealDesign &design, double measuredT)
{
    const double real = design.realPeriod();
    if (!(measuredT > 0) || !std::isfinite(measuredT) || !(real > 0) || !std::isfinite(real))
        return std::nullopt;
    const double k4060 = fourSignificantDigits(design.K * 1e8 * (measuredT / real));
    if (!(k4060 > 0) || !std::isfinite(k4060))
        return std::nullopt;
    return k4060;
}

} // namespace calc
