#include "calc/design.h"

#include "calc/numbertext.h"
#include "calc/tables.h"

#include <algorithm>
#include <cmath>

namespace calc {

namespace {

int outputPattern(double Periode_T, double Pulse_T1)
{
    double product = Pulse_T1 * 32766 / Periode_T; // 32766, not 32768
    if (!std::isfinite(product))
        product = Pulse_T1 / Periode_T * 32766;
    // Ties to even; T / T1 >= 2.001 keeps the count below 16384.
    int k = static_cast<int>(std::nearbyint(std::clamp(product, 0.0, 16383.0)));
    if (k % 2 != 0)
        ++k;
    return k / 2;
}

} // namespace

double snappedCapacitor(double c150)
{
    if (c150 < 0.47)
        return 0.47;
    if (c150 > 1000)
        return 1000;
    double mantissa = c150;
    double scale = 1;
    double decade = 1;
    if (c150 < 1) {
        mantissa = c150 * 10;
        scale = 0.1;
    } else {
        while (mantissa > 10) { // a mantissa of exactly 10 stays 10
            decade *= 10;
            mantissa /= 10;
        }
    }
    std::size_t best = 0;
    double bestDistance = 10000000;
    for (std::size_t slot = 1; slot <= 10; ++slot) {
        const double distance = std::fabs(Table_Condensateurs[slot] - mantissa);
        if (distance < bestDistance) { // a tie keeps the smaller value
            bestDistance = distance;
            best = slot;
        }
    }
    return decade * Table_Condensateurs[best] * scale;
}


Design designTimer(double Periode_T, double Pulse_T1, double Periode_Oscillateur,
                   double constanteK4060, char separator, Notation notation)
{
    Design design;
    if (Pulse_T1 == 0) {
        design.alarms.push_back(6);
        return design;
    }
    if (!(Periode_T / Pulse_T1 >= 2.001)) { // also refuses a negative ratio
        design.alarms.push_back(5);
        return design;
    }
    design.completed = true;
    design.Motif_Q = outputPattern(Periode_T, Pulse_T1);
    for (int n = 1; n <= OutputCount; ++n) {
        design.on[n] = (design.Motif_Q & (1 << (n - 1))) != 0;
        design.red[n] = design.on[n] && isPinless(n);
        if (design.red[n])
            design.alarms.push_back(2);
    }

    const double c150 = Periode_Oscillateur / 150000 * 1000 / constanteK4060;
    design.C2 = snappedCapacitor(c150);
    design.R2_Theorique = Periode_Oscillateur / design.C2 / constanteK4060;
    design.C2Caption = capacitorCaption(design.C2, separator);
    design.R2Caption = resistorCaption(design.R2_Theorique, separator, notation);
    return design;
}

std::string capacitorCaption(double C2, char separator) { return formatPattern(C2, "0.0#", separator) + " nF"; }

std::string resistorCaption(double R2_Theorique, char separator, Notation notation)
{
    return formatPattern(R2_Theorique, "0.0#", separator) + (notation == Notation::English ? " kΩ" : " Kohm");
}

} // namespace calc
