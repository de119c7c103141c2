// The precision of a real design on arbitrary designs and tolerances: every number shown is
// finite, the spreads nest around the real period, the advised talon and trimmer cover the
// worst case, and the other solutions meet every rule with none better than the first.

#include "check.h"
#include "designinput.h"
#include "calc/entry.h"
#include "calc/precision.h"
#include "calc/tables.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using fuzz::readable;

// Relative slack for products computed in another order.
constexpr double Slack = 1e-12;

bool atMost(double a, double b) { return a <= b + Slack * std::max(std::fabs(a), std::fabs(b)); }

// Errors of products equal on paper differ in the last bits: closer than this they tie.
bool notWorse(double a, double b) { return a <= b + 1e-9 * std::max({a, b, 1e-9}); }

void checkSpreads(double real, const calc::Spread &worst, const calc::Spread &statistical, const std::string &detail)
{
    for (const double value : {real, worst.low, worst.high, statistical.low, statistical.high})
        FUZZ_CHECK(std::isfinite(value) && value >= 0, detail);
    FUZZ_CHECK(worst.low <= statistical.low && statistical.low <= real && real <= statistical.high
                   && statistical.high <= worst.high,
               detail);
}

// Every value of the E24 or E12 series from 10^decade to 10^(decade+1), and of the capacitors.
bool inSeries(double value, const std::array<double, 27> &table, int step)
{
    for (int decade = -2; decade <= 4; ++decade)
        for (std::size_t i = 1; i < table.size() && table[i] > 0; i += static_cast<std::size_t>(step))
            if (std::fabs(value - table[i] * std::pow(10.0, decade)) <= 1e-9 * value)
                return true;
    return false;
}

// A series value as the tables give it, the nearest double to the decimal (8.2 x 10^2 is 820).
double seriesValue(double mantissa, int exponent)
{
    const double tenths = std::round(mantissa * 10);
    double scale = 1;
    for (int i = 0; i < std::abs(exponent - 1); ++i)
        scale *= 10;
    return exponent >= 1 ? tenths * scale : tenths / scale;
}

bool meetsEveryRule(double talon, double C2)
{
    return talon >= 10 && talon <= 1000 && C2 > 0.05 && calc::seriesResistor(talon) >= 2 * talon;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const calc::RealDesign design = fuzz::designFrom(input);
    calc::Tolerances tolerances;
    for (double *percent : {&tolerances.r, &tolerances.c, &tolerances.k, &tolerances.p})
        *percent = fuzz::anyDouble(input, 0, calc::MaxTolerance);
    const calc::Precision p = calc::assessPrecision(design, tolerances);
    const std::string detail = fuzz::describe(design) + " tolerances " + calc::formatGeneral(tolerances.r, '.') + " "
                               + calc::formatGeneral(tolerances.c, '.') + " " + calc::formatGeneral(tolerances.k, '.')
                               + " " + calc::formatGeneral(tolerances.p, '.');
    if (!p.assessable) {
        FUZZ_CHECK(!design.hasParts() || !(design.oscillatorPeriod() > 0) || !(design.realPeriod() <= 1e200)
                       || !(design.realPulse() <= 1e200),
                   detail);
        return 0;
    }
    FUZZ_CHECK(design.hasParts(), detail);
    const char sep = design.separator;
    const int mode = design.Mode_Affichage;

    // What the window and the report show.
    checkSpreads(p.T_reel, p.worstT, p.statisticalT, detail + " (T)");
    checkSpreads(p.T1_reel, p.worstT1, p.statisticalT1, detail + " (T1)");
    for (const double seconds : {p.T_reel, p.T1_reel, p.worstT.low, p.worstT.high, p.statisticalT1.low,
                                 p.statisticalT1.high})
        FUZZ_CHECK(readable(calc::formatSeconds(seconds, mode, sep)), detail);
    for (const auto &error : {p.errorT, p.errorT1})
        FUZZ_CHECK(!error || (std::isfinite(*error) && readable(calc::formatPercent(*error, sep))), detail);
    FUZZ_CHECK(!p.errorT || design.T > 0, detail);

    // The trimmer: the talon stays under R_bas at its highest, talon and trimmer reach R_haut at
    // their lowest, and the setting lies on the trimmer's travel.
    const calc::TrimmerAdvice &a = p.trimmer;
    const auto tolerance = [](double percent) { return calc::isTolerance(percent) ? percent / 100 : 0.0; };
    const double r = tolerance(tolerances.r), c = tolerance(tolerances.c), k = tolerance(tolerances.k),
                 trim = tolerance(tolerances.p);
    using Verdict = calc::TrimmerAdvice::Verdict;
    FUZZ_CHECK((a.verdict == Verdict::NoPeriod) == !(design.T > 0), detail);
    if (a.verdict == Verdict::NoTalon)
        FUZZ_CHECK(std::isfinite(a.wanted) && readable(calc::formatKilohms(a.wanted, sep)), detail);
    if (a.verdict == Verdict::Found) {
        const double wanted = design.T / (calc::CountsPerPeriod * design.K * design.capacitance());
        FUZZ_CHECK(std::fabs(a.wanted - wanted) <= 1e-12 * wanted, detail);
        const double low = wanted / ((1 + c) * (1 + k)), high = wanted / ((1 - c) * (1 - k));
        FUZZ_CHECK(atMost(a.talon * (1 + r), low), detail + " talon above R_bas");
        FUZZ_CHECK(atMost(high, a.talon * (1 - r) + a.trimmer * (1 - trim)), detail + " R_haut not reached");
        FUZZ_CHECK(inSeries(a.talon, calc::Table_E24, design.Pas_Serie == 2 ? 2 : 1), detail);
        FUZZ_CHECK(a.trimmer > 0 && a.trimmer <= 1000, detail);
        FUZZ_CHECK(a.setting >= 0 && atMost(a.setting, a.trimmer) && a.travel >= 0 && atMost(a.travel, 100), detail);
        FUZZ_CHECK(atMost(a.sweep.low, design.T) && atMost(design.T, a.sweep.high), detail);
        for (const double value : {a.talon, a.trimmer, a.setting, a.wanted})
            FUZZ_CHECK(readable(calc::formatKilohms(value, sep)), detail);
        FUZZ_CHECK(readable(calc::formatPattern(a.travel, "0.0", sep)), detail);
        for (const double seconds : {a.sweep.low, a.sweep.high})
            FUZZ_CHECK(readable(calc::formatSeconds(seconds, mode, sep)), detail);
    }

    // The pulses: sums of the pinned outputs' weights, on either side of the wanted T1.
    const double oscillator = design.oscillatorPeriod();
    for (std::size_t i = 0; i < p.pulses.size(); ++i) {
        const calc::PulseChoice &pulse = p.pulses[i];
        if (pulse.n == 0)
            continue;
        for (const int output : calc::outputsOf(pulse.n))
            FUZZ_CHECK(!calc::isPinless(output), detail);
        FUZZ_CHECK(i == 0 ? pulse.n <= design.T1 / oscillator : pulse.n > design.T1 / oscillator, detail);
        FUZZ_CHECK(pulse.T1 == pulse.n * oscillator && readable(calc::formatSeconds(pulse.T1, mode, sep)), detail);
        FUZZ_CHECK(!pulse.error || readable(calc::formatPercent(*pulse.error, sep)), detail);
    }

    // The other solutions: five at most, sorted, every rule met, and no pair of the series beats
    // the first; applied, each shows its own T.
    // With a constant so small that C2 x talon x K is subnormal (it is multiplied before the
    // counts) the products lose their digits and the order means little.
    const bool normalProducts = std::isnormal(0.47 * 10 * design.K);
    FUZZ_CHECK(p.solutions.size() <= 5 && (p.solutions.empty() || design.T > 0), detail);
    for (std::size_t i = 0; i < p.solutions.size(); ++i) {
        const calc::Solution &s = p.solutions[i];
        const std::string which = detail + " solution " + std::to_string(i);
        FUZZ_CHECK(meetsEveryRule(s.talon, s.C2) && s.C2 >= 0.47 && s.C2 <= 1000, which);
        FUZZ_CHECK(inSeries(s.talon, calc::Table_E24, design.Pas_Serie == 2 ? 2 : 1), which);
        FUZZ_CHECK(inSeries(s.C2, calc::Table_Condensateurs, 1) || s.C2 == 1000, which);
        FUZZ_CHECK(std::isfinite(s.error) && readable(calc::formatPercent(s.error, sep)), which);
        if (i > 0 && normalProducts)
            FUZZ_CHECK(notWorse(std::fabs(p.solutions[i - 1].error), std::fabs(s.error)), which + " out of order");
        calc::RealDesign applied = design;
        applied.talonText = calc::formatKilohms(s.talon, sep);
        applied.potentiometerText = "0";
        applied.capacitorText = calc::formatGeneral(s.C2, sep);
        FUZZ_CHECK(applied.realPeriod() == s.T, which + " applied shows another T");
    }
    if (!p.solutions.empty() && normalProducts) {
        const double best = std::fabs(p.solutions.front().error);
        const int step = design.Pas_Serie == 2 ? 2 : 1;
        for (int cd = -2; cd <= 3; ++cd)
            for (std::size_t ci = 1; ci < calc::Table_Condensateurs.size() && calc::Table_Condensateurs[ci] > 0; ++ci) {
                const double C2 = seriesValue(calc::Table_Condensateurs[ci], cd);
                if (C2 < 0.47 || C2 > 1000)
                    continue;
                for (int td = 0; td <= 3; ++td)
                    for (std::size_t ti = 1; ti < calc::Table_E24.size() && calc::Table_E24[ti] > 0;
                         ti += static_cast<std::size_t>(step)) {
                        const double talon = seriesValue(calc::Table_E24[ti], td);
                        if (!meetsEveryRule(talon, C2))
                            continue;
                        const double T = C2 * talon * design.K * calc::CountsPerPeriod;
                        const double error = std::fabs(100 * (T - design.T) / design.T);
                        FUZZ_CHECK(!std::isfinite(error) || notWorse(best, error),
                                   detail + " first " + calc::formatGeneral(p.solutions.front().talon, '.') + " kΩ " + calc::formatGeneral(p.solutions.front().C2, '.') + " nF error " + calc::formatGeneral(p.solutions.front().error, '.') + " beaten by " + calc::formatGeneral(100 * (T - design.T) / design.T, '.') + " " + calc::formatGeneral(talon, '.') + " kΩ, "
                                       + calc::formatGeneral(C2, '.') + " nF");
                    }
            }
    }
    return 0;
}
