// The calibration of the constant on arbitrary designs and measured texts: a text is refused
// (the window then says why) or gives a finite positive K4060 of four significant digits, and
// measuring the T the design shows gives the constant back.

#include "check.h"
#include "calc/batchline.h"
#include "designinput.h"
#include "calc/entry.h"
#include "calc/numbertext.h"
#include "calc/precision.h"

#include <cmath>
#include <optional>
#include <string>

namespace {

using fuzz::visible;

// Half a unit in the fourth significant digit of `value`.
double halfUnit(double value) { return 0.5 * std::pow(10.0, std::floor(std::log10(value)) - 3); }

// The constant a measure gives, when it gives one.
void checkCalibrated(const std::optional<double> &k4060, const calc::RealDesign &design, const std::string &detail)
{
    if (!k4060)
        return;
    FUZZ_CHECK(std::isfinite(*k4060) && *k4060 > 0, detail);
    FUZZ_CHECK(calc::fourSignificantDigits(*k4060) == *k4060, detail + " not four digits");
    FUZZ_CHECK(fuzz::readable(calc::formatGeneral(*k4060, design.separator)), detail);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    calc::RealDesign design = fuzz::designFrom(input);
    const std::string text = input.ConsumeRandomLengthString(40);
    const std::string detail = fuzz::describe(design) + " measured " + visible(text);
    const double real = design.realPeriod();
    const bool measurable = real > 0 && std::isfinite(real);

    // Any text typed in the window.
    const double measured = calc::readNumber(text);
    const std::optional<double> k4060 = calc::calibratedK4060(design, measured);
    checkCalibrated(k4060, design, detail);
    // Refused only for a reason the message gives, or a constant no double holds.
    const double exact = design.K * 1e8 * (measured / real);
    if (measured > 0 && measurable && std::isnormal(exact) && std::isnormal(exact * 1e4))
        FUZZ_CHECK(k4060.has_value(), detail + " refused");
    if (!(measured > 0))
        FUZZ_CHECK(!k4060, detail + " accepted");
    // The command line takes digits and one separator only.
    if (calc::isTypedNumber(text) && measured > 0)
        FUZZ_CHECK(calc::calibratedK4060(design, calc::readNumber(text)) == k4060, detail);

    if (!measurable || !std::isnormal(design.K * 1e8 * 1e4))
        return 0;
    // The real period measured to the last bit: the constant in use, to four digits; and that
    // constant, calibrated again, stays as it is.
    const std::optional<double> same = calc::calibratedK4060(design, real);
    FUZZ_CHECK(same == calc::fourSignificantDigits(design.K * 1e8), detail + " full precision");
    if (same) {
        calc::RealDesign calibrated = design;
        calibrated.K = *same / 1e8;
        const double again = calibrated.realPeriod();
        if (again > 0 && std::isfinite(again))
            FUZZ_CHECK(calc::calibratedK4060(calibrated, again) == same, detail + " calibrated twice");
    }

    // The T zone D shows, as the user would type it: the constant within the display's cut.
    const double shown = calc::readNumber(design.shown.T_reel);
    const std::optional<double> fromShown = calc::calibratedK4060(design, shown);
    checkCalibrated(fromShown, design, detail + " shown " + visible(design.shown.T_reel));
    if (fromShown) {
        const double K4060 = design.K * 1e8;
        const double cut = std::fabs(shown - real) / real;
        FUZZ_CHECK(std::fabs(*fromShown - K4060) <= (K4060 * cut + halfUnit(*fromShown)) * (1 + 1e-9),
                   detail + " shown " + visible(design.shown.T_reel) + " gives " + calc::formatGeneral(*fromShown, '.'));
    }
    return 0;
}
