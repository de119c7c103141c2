#pragma once

#include "calc/numbertext.h"

#include <array>
#include <string>
#include <vector>

namespace calc {

struct Design {
    std::vector<int> alarms; // 6 or 5 alone when the design stops; else one 2 per pinless output
    bool completed = false;  // false: nothing else below is meaningful
    int Motif_Q = 0;         // 0 to 8191; bit n-1 set: output Qn takes a diode
    std::array<bool, 14> on{};  // on[n], n = 1 to 13: caption "On" for Qn
    std::array<bool, 14> red{}; // red[n]: "On" on an output without a pin
    double C2 = 0;              // nanofarads
    std::string C2Caption;      // e.g. "1.5 nF", system separator
    double R2_Theorique = 0;    // kilohms
    std::string R2Caption;      // e.g. "145.32 Kohm" ("145.32 kΩ" in English)
};

// C2 in nanofarads for the capacitance 150 kilohms would need (`c150`, nanofarads): the nearest
// of the ten preferred values in its decade, 0.47 to 1000 nF.
double snappedCapacitor(double c150);

// Designs the timer for period T and pulse T1 (seconds). `constanteK4060` is in seconds per
// (kilohm x nanofarad) and must be finite and positive.
Design designTimer(double Periode_T, double Pulse_T1, double Periode_Oscillateur,
                   double constanteK4060, char separator, Notation notation = Notation::French);

// Zone B's captions: "1.5 nF"; "145.32 Kohm", "145.32 kΩ" in English.
std::string capacitorCaption(double C2, char separator);
std::string resistorCaption(double R2_Theorique, char separator, Notation notation);

} // namespace calc
