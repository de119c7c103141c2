#pragma once

#include "calc/numbertext.h"

#include <string>
#include <string_view>

namespace calc {

// Captions of the real timing, from the real parts.
struct RealTiming {
    std::string FrequenceOscillateur; // real oscillator period, e.g. "0,63 ms"
    std::string T_reel;               // real period, seconds
    std::string T1_reel;              // real pulse width, seconds
    std::string ValeurRs;             // suggested series resistor, e.g. "560 Kohm" ("560 kΩ" in English)
};

// `r2Text` and `potText` in kilohms, `capacitorText` in nanofarads, read with either
// separator. `pattern`: bit k-1 set when output Qk is marked "On" (0 to 8191).
// `constanteK4060` must be finite and positive.
RealTiming realTiming(std::string_view r2Text, std::string_view potText,
                      std::string_view capacitorText, int pattern, double constanteK4060,
                      int modeAffichage, char separator, Notation notation = Notation::French);

// Series resistor Rs (kilohms) the real timing suggests for a total resistance in kilohms.
double seriesResistor(double totalKilohms);

// Alarm 0 when the capacitor text reads above 2200 nF, else -1.
int capacitorWarning(std::string_view capacitorText);
// Alarm 1 when fixed resistor plus potentiometer read above 500 kilohms, else -1.
int resistorWarning(std::string_view r2Text, std::string_view potText);

} // namespace calc
