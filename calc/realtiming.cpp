#include "realtiming.h"

#include "entry.h"
#include "numbertext.h"

#include <cmath>

namespace calc {

namespace {

const char *seriesResistor(double totalKilohms)
{
    if (totalKilohms < 25)
        return "100 Kohm";
    if (totalKilohms < 50)
        return "270 Kohm";
    if (totalKilohms < 100)
        return "390 Kohm";
    if (totalKilohms < 200)
        return "560 Kohm";
    return "1 Mo";
}

} // namespace

RealTiming realTiming(std::string_view r2Text, std::string_view potText,
                      std::string_view capacitorText, int pattern, double constanteK4060,
                      int modeAffichage, char separator)
{
    const double total = readNumber(potText) + readNumber(r2Text);
    const double oscillator = readNumber(capacitorText) * total * constanteK4060; // seconds

    // Values too large for a double show "?" rather than a misleading cut number.
    auto shown = [modeAffichage](double value, const std::string &text) {
        return std::isfinite(value) ? Valeur_Significatif(text, modeAffichage) : std::string("?");
    };
    const double milliseconds = oscillator * 1000;
    const double period = oscillator * CountsPerPeriod;
    const double pulse = static_cast<double>(pattern) * oscillator;

    RealTiming timing;
    timing.FrequenceOscillateur =
        shown(milliseconds, formatPattern(milliseconds, "0.######", separator)) + " ms";
    timing.T_reel = shown(period, formatPattern(period, "0.###", separator));
    timing.T1_reel = shown(pulse, formatGeneral(pulse, separator));
    timing.ValeurRs = seriesResistor(total);
    return timing;
}

int capacitorWarning(std::string_view capacitorText)
{
    return readNumber(capacitorText) > 2200 ? 0 : -1;
}

int resistorWarning(std::string_view r2Text, std::string_view potText)
{
    return readNumber(potText) + readNumber(r2Text) > 500 ? 1 : -1;
}

} // namespace calc
