#include "calc/conversion.h"

#include "calc/numbertext.h"
#include "calc/tables.h"

#include <cmath>

namespace calc {

RealisablePattern realisablePattern(int Motif_Q)
{
    RealisablePattern result;
    if ((Motif_Q & 0x7) != 0) // Q1, Q2 or Q3
        result.alarm = 8;
    int w = Motif_Q < 8 ? 8 : Motif_Q + 4; // nearest multiple of 8 once bits 0-2 are cleared
    if ((w & 1024) != 0) {                 // Q11
        result.alarm = 8;
        const int low = w & 0x3F8; // Q4 to Q10
        w = low <= 508 ? (w & 0x1800) | 0x3F8 : (w + 1024) & 0x3800;
    }
    if (w > 8191)
        w = 8191;
    result.pattern = w & 0x1BF8;
    return result;
}

SeriesPosition nearestInSeries(double R2_Theorique, int pasSerie)
{
    SeriesPosition series;
    // A double decade factor: a theoretical R2 of any size converts.
    double mantissa = R2_Theorique;
    while (mantissa > 10 && std::isfinite(mantissa)) {
        mantissa /= 10;
        series.decade *= 10;
    }
    series.step = pasSerie == PasE12 ? PasE12 : PasE24;
    series.count = 24 / series.step;
    int best = 0;
    double bestDistance = 10000000;
    for (int i = 1; i <= 24; i += series.step) {
        const double distance = std::fabs(Table_E24[static_cast<std::size_t>(i)] - mantissa);
        if (distance < bestDistance) { // a tie keeps the smaller value
            bestDistance = distance;
            best = i;
        }
    }
    // No finite distance (an infinite R2 from an extreme constant): the first item rather than
    // a position before the list.
    series.selected = best > 0 ? (best - 1) / series.step : 0;
    return series;
}

std::string seriesItem(const SeriesPosition &series, int position, bool potentiometer,
                       char separator)
{
    const double value = Table_E24[static_cast<std::size_t>(1 + position * series.step)];
    return potentiometer ? formatGeneral(series.decade * value / 10, separator)
                         : formatGeneral(series.decade * value, separator);
}

std::string capacitorOfCaption(std::string_view c2Caption)
{
    std::string text;
    for (std::size_t at = c2Caption.find("nF"); at != std::string_view::npos;
         at = c2Caption.find("nF")) {
        text += c2Caption.substr(0, at);
        c2Caption.remove_prefix(at + 2);
    }
    text += c2Caption;
    return text;
}

Conversion convertToSeries(double R2_Theorique, int Motif_Q, std::string_view c2Caption,
                           int pasSerie, char separator)
{
    Conversion result;
    result.capacitorText = capacitorOfCaption(c2Caption);
    const SeriesPosition series = nearestInSeries(R2_Theorique, pasSerie);
    result.fixedItems.reserve(static_cast<std::size_t>(series.count));
    result.potItems.reserve(static_cast<std::size_t>(series.count) + 1);
    result.potItems.push_back("0");
    for (int position = 0; position < series.count; ++position) {
        result.fixedItems.push_back(seriesItem(series, position, false, separator));
        result.potItems.push_back(seriesItem(series, position, true, separator));
    }
    result.fixedSelected = series.selected;
    result.outputs = realisablePattern(Motif_Q);
    return result;
}

} // namespace calc
