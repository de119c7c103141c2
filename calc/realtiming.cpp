#include "calc/realtiming.h"

#include "calc/entry.h"
#include "calc/numbertext.h"

#include <cmath>
#include <iterator>
#include <limits>

namespace calc {

namespace {

// Upper bound of each step (kilohms, exclusive) and its series resistor.
struct SeriesStep {
    double below;
    double kilohms;
    const char *french;
    const char *english;
};
constexpr SeriesStep SeriesSteps[] = {{25, 100, "100 Kohm", "100 kΩ"},
                                      {50, 270, "270 Kohm", "270 kΩ"},
                                      {100, 390, "390 Kohm", "390 kΩ"},
                                      {200, 560, "560 Kohm", "560 kΩ"},
                                      {std::numeric_limits<double>::infinity(), 1000, "1 Mo", "1 MΩ"}};

const SeriesStep &seriesStep(double totalKilohms)
{
    for (const SeriesStep &step : SeriesSteps)
        if (totalKilohms < step.below)
            return step;
    return SeriesSteps[std::size(SeriesSteps) - 1];
}

} // namespace

double seriesResistor(double totalKilohms) { return seriesStep(totalKilohms).kilohms; }

RealTiming realTiming(std::string_view r2Text, std::string_view potText,
                      std::string_view capacitorText, std::uint64_t pattern, double constanteK4060,
                      int modeAffichage, char separator, Notation notation, double countsPerPeriod)
{
    const double total = readNumber(potText) + readNumber(r2Text);
    const double oscillator = readNumber(capacitorText) * total * constanteK4060; // seconds

    // Values too large for a double show "?" rather than a misleading cut number.
    auto shown = [modeAffichage, notation](double value, const std::string &text) {
        return std::isfinite(value) ? Valeur_Significatif(text, modeAffichage, notation) : std::string("?");
    };
    const double milliseconds = oscillator * 1000;
    const double period = oscillator * countsPerPeriod;
    const double pulse = static_cast<double>(pattern) * oscillator;

    RealTiming timing;
    timing.FrequenceOscillateur =
        shown(milliseconds, formatPattern(milliseconds, "0.######", separator)) + " ms";
    timing.T_reel = shown(period, formatPattern(period, "0.###", separator));
    timing.T1_reel = shown(pulse, formatGeneral(pulse, separator));
    const SeriesStep &rs = seriesStep(total);
    timing.ValeurRs = notation == Notation::English ? rs.english : rs.french;
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
