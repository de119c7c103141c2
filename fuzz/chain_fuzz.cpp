// The whole calculation on arbitrary field texts, marks, constants, display modes and
// separators: entry, design, conversion to a series, real timing.

#include "check.h"
#include "calc/conversion.h"
#include "calc/design.h"
#include "calc/entry.h"
#include "calc/numbertext.h"
#include "calc/realtiming.h"
#include "calc/tables.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using fuzz::visible;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number as the program shows it: "-"? digits, one separator, digits; never an exponent,
// "nan" or "inf". "?" only stands for a value no double holds.
bool isShownNumber(std::string_view text, std::string_view separators)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    if (text.empty() || !isDigit(text.front()))
        return false;
    bool separatorSeen = false;
    for (const char c : text) {
        if (separators.find(c) != std::string_view::npos && !separatorSeen)
            separatorSeen = true;
        else if (!isDigit(c))
            return false;
    }
    return true;
}

// The number part of a caption "<number><unit>"; the unit must be there.
std::string_view numberPart(std::string_view caption, std::string_view unit, const std::string &detail)
{
    FUZZ_CHECK(caption.ends_with(unit), detail);
    return caption.substr(0, caption.size() - unit.size());
}

void checkShown(std::string_view number, double value, std::string_view separators, const std::string &detail)
{
    if (!std::isfinite(value))
        FUZZ_CHECK(number == "?", detail);
    else
        FUZZ_CHECK(isShownNumber(number, separators), detail);
}

double anyFinitePositive(FuzzedDataProvider &input, double fallback)
{
    const double value = std::fabs(std::bit_cast<double>(input.ConsumeIntegral<std::uint64_t>()));
    return std::isfinite(value) && value > 0 ? value : fallback;
}

void checkEntry(const calc::EntryCheck &entry, double previous, const std::string &detail)
{
    using Label = calc::EntryCheck::Label;
    FUZZ_CHECK(std::isfinite(entry.Periode_T) && std::isfinite(entry.Pulse_T1), detail);
    if (entry.label == Label::Emptied) {
        FUZZ_CHECK(entry.alarms == std::vector<int>{7} && entry.Periode_T * 1000 < 25, detail);
    } else if (entry.label == Label::Unchanged) {
        FUZZ_CHECK(entry.alarms == std::vector<int>{6} && entry.Pulse_T1 == 0, detail);
    } else {
        for (const int alarm : entry.alarms)
            FUZZ_CHECK(alarm == 4 || alarm == 5, detail);
        FUZZ_CHECK(std::is_sorted(entry.alarms.begin(), entry.alarms.end()), detail);
        FUZZ_CHECK(entry.Periode_Oscillateur == entry.Periode_T / calc::CountsPerPeriod, detail);
        checkShown(numberPart(entry.labelText, " ms", detail), entry.Periode_Oscillateur * 1000, ",", detail);
        return;
    }
    FUZZ_CHECK(entry.Periode_Oscillateur == previous, detail);
}

void checkDesign(const calc::Design &design, char separator, const std::string &detail)
{
    if (!design.completed) {
        FUZZ_CHECK(design.alarms == std::vector<int>{6} || design.alarms == std::vector<int>{5}, detail);
        return;
    }
    FUZZ_CHECK(design.Motif_Q >= 0 && design.Motif_Q < (1 << calc::OutputCount), detail);
    int pinless = 0;
    for (int n = 1; n <= calc::OutputCount; ++n) {
        const auto at = std::size_t(n);
        FUZZ_CHECK(design.on[at] == ((design.Motif_Q >> (n - 1)) & 1), detail);
        FUZZ_CHECK(design.red[at] == (design.on[at] && calc::isPinless(n)), detail);
        pinless += design.red[at];
    }
    FUZZ_CHECK(std::count(design.alarms.begin(), design.alarms.end(), 2) == pinless
                   && design.alarms.size() == std::size_t(pinless), detail);
    // C2 is a preferred value between 0.47 and 1000 nF.
    FUZZ_CHECK(design.C2 >= 0.47 && design.C2 <= 1000, detail);
    bool preferred = false;
    for (double decade : {0.1, 1.0, 10.0, 100.0, 1000.0})
        for (std::size_t slot = 1; slot <= 10; ++slot)
            preferred = preferred || std::fabs(design.C2 - decade * calc::Table_Condensateurs[slot]) < 1e-9 * design.C2;
    FUZZ_CHECK(preferred, detail);
    const std::string sep(1, separator);
    checkShown(numberPart(design.C2Caption, " nF", detail), design.C2, sep, detail);
    checkShown(numberPart(design.R2Caption, " Kohm", detail), design.R2_Theorique, sep, detail);
}

// The pattern moved onto outputs with a pin, step by step as the conversion describes it.
calc::RealisablePattern expectedPattern(int motif)
{
    calc::RealisablePattern expected;
    if (motif & 7)
        expected.alarm = 8;
    int w = motif < 8 ? 8 : motif + 4;
    if (w & 1024) {
        expected.alarm = 8;
        w = (w & 1016) <= 508 ? (w & 6144) | 1016 : (w + 1024) & 14336;
    }
    expected.pattern = std::min(w, 8191) & 7160;
    return expected;
}

void checkConversion(const calc::Conversion &conversion, double r2, int motif, std::string_view c2Caption,
                     int pasSerie, char separator, const std::string &detail)
{
    const std::size_t count = pasSerie == calc::PasE12 ? 12 : 24;
    FUZZ_CHECK(conversion.fixedItems.size() == count && conversion.potItems.size() == count + 1, detail);
    FUZZ_CHECK(conversion.potItems.front() == "0", detail);
    FUZZ_CHECK(conversion.fixedSelected >= 0 && std::size_t(conversion.fixedSelected) < count, detail);
    const std::string sep(1, separator);
    for (std::size_t i = 0; i < count; ++i) {
        const double value = calc::readNumber(conversion.fixedItems[i]);
        FUZZ_CHECK(conversion.fixedItems[i] == "?" || isShownNumber(conversion.fixedItems[i], sep),
                   detail + " item " + conversion.fixedItems[i]);
        FUZZ_CHECK(conversion.potItems[i + 1] == "?" || isShownNumber(conversion.potItems[i + 1], sep),
                   detail + " item " + conversion.potItems[i + 1]);
        if (i > 0 && conversion.fixedItems[i] != "?")
            FUZZ_CHECK(value > calc::readNumber(conversion.fixedItems[i - 1]), detail);
    }
    // Within its decade the selection is the nearest value of the series.
    if (std::isfinite(r2) && r2 > 1 && r2 < 1e300) {
        const double chosen = calc::readNumber(conversion.fixedItems[std::size_t(conversion.fixedSelected)]);
        for (const std::string &item : conversion.fixedItems) {
            const double other = calc::readNumber(item);
            FUZZ_CHECK(std::fabs(chosen - r2) <= std::fabs(other - r2) * (1 + 1e-12) + 1e-9 * r2, detail);
        }
    }
    FUZZ_CHECK(conversion.capacitorText.find("nF") == std::string::npos, detail);
    FUZZ_CHECK(conversion.capacitorText + "nF" == c2Caption, detail);
    const calc::RealisablePattern expected = expectedPattern(motif);
    FUZZ_CHECK(conversion.outputs.pattern == expected.pattern && conversion.outputs.alarm == expected.alarm, detail);
    FUZZ_CHECK((conversion.outputs.pattern & ~0x1BF8) == 0, detail);
}

void checkTiming(const calc::RealTiming &timing, std::string_view r2, std::string_view pot,
                 std::string_view capacitor, int pattern, double constant, const std::string &detail)
{
    const double oscillator = calc::readNumber(capacitor) * (calc::readNumber(pot) + calc::readNumber(r2)) * constant;
    checkShown(numberPart(timing.FrequenceOscillateur, " ms", detail), oscillator * 1000, ",", detail);
    checkShown(timing.T_reel, oscillator * calc::CountsPerPeriod, ",", detail);
    checkShown(timing.T1_reel, pattern * oscillator, ",", detail);
    const std::string_view rs = timing.ValeurRs;
    FUZZ_CHECK(rs == "100 Kohm" || rs == "270 Kohm" || rs == "390 Kohm" || rs == "560 Kohm" || rs == "1 Mo", detail);
    FUZZ_CHECK(calc::capacitorWarning(capacitor) == (calc::readNumber(capacitor) > 2200 ? 0 : -1), detail);
    FUZZ_CHECK(calc::resistorWarning(r2, pot) == (calc::readNumber(r2) + calc::readNumber(pot) > 500 ? 1 : -1), detail);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const char separator = input.ConsumeBool() ? ',' : '.';
    const int mode = input.ConsumeIntegralInRange(0, 5);
    const int pasSerie = input.ConsumeIntegralInRange(0, 3);
    const int marks = input.ConsumeIntegralInRange(0, (1 << calc::OutputCount) - 1);
    const double constant = anyFinitePositive(input, 2.8e-6);
    // The window keeps the last oscillator period it computed: 0 at start, else T / 16384.
    const double previous = input.ConsumeBool() ? 0.0 : anyFinitePositive(input, 0.0);
    const std::string period = input.ConsumeRandomLengthString(64);
    const std::string pulse = input.ConsumeRandomLengthString(64);
    const std::string r2Text = input.ConsumeRandomLengthString(64);
    const std::string potText = input.ConsumeRandomLengthString(64);
    const std::string capacitorText = input.ConsumeRemainingBytesAsString();

    const std::string detail = "T " + visible(period) + " T1 " + visible(pulse) + " K " + std::to_string(constant)
                               + " mode " + std::to_string(mode) + " serie " + std::to_string(pasSerie);

    // The fields as the window tidies them, then the chain as the buttons run it.
    const std::string tidyPeriod = calc::Zero_non_Significatif(period);
    const std::string tidyPulse = calc::Zero_non_Significatif(pulse);
    const calc::EntryCheck entry = calc::checkPeriodAndPulse(tidyPeriod, tidyPulse, previous, mode, separator);
    checkEntry(entry, previous, detail);

    if (entry.label == calc::EntryCheck::Label::Set) {
        const calc::Design design =
            calc::designTimer(entry.Periode_T, entry.Pulse_T1, entry.Periode_Oscillateur, constant, separator);
        checkDesign(design, separator, detail);
        if (design.completed) {
            const calc::Conversion conversion =
                calc::convertToSeries(design.R2_Theorique, design.Motif_Q, design.C2Caption, pasSerie, separator);
            checkConversion(conversion, design.R2_Theorique, design.Motif_Q, design.C2Caption, pasSerie, separator,
                            detail + " R2 " + std::to_string(design.R2_Theorique));
            const std::string &fixed = conversion.fixedItems[std::size_t(conversion.fixedSelected)];
            for (const std::string &pot : {conversion.potItems.front(), conversion.potItems.back()}) {
                const calc::RealTiming timing = calc::realTiming(fixed, pot, conversion.capacitorText,
                                                                 conversion.outputs.pattern, constant, mode, separator);
                checkTiming(timing, fixed, pot, conversion.capacitorText, conversion.outputs.pattern, constant,
                            detail + " R " + fixed + " P " + pot);
            }
        }
    }

    // The user may overrule any real part or mark afterwards.
    const calc::RealTiming timing = calc::realTiming(r2Text, potText, capacitorText, marks, constant, mode, separator);
    checkTiming(timing, r2Text, potText, capacitorText, marks, constant,
                detail + " R " + visible(r2Text) + " P " + visible(potText) + " C " + visible(capacitorText));
    // And the design may run on whatever the entry left, as the button does after a refusal.
    checkDesign(calc::designTimer(entry.Periode_T, entry.Pulse_T1, entry.Periode_Oscillateur, constant, separator),
                separator, detail);
    return 0;
}
