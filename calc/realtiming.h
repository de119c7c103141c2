#pragma once

#include "calc/entry.h"
#include "calc/numbertext.h"

#include <cstdint>
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
// separator. `pattern`: bit k-1 set when stage k is marked "On" (outputs Q1 to Q13: 0 to 8191).
// `constanteK4060` must be finite and positive. `countsPerPeriod`: 2^14, or 2^S with a second counter.
RealTiming realTiming(std::string_view r2Text, std::string_view potText,
                      std::string_view capacitorText, std::uint64_t pattern, double constanteK4060,
                      int modeAffichage, char separator, Notation notation = Notation::French,
                      double countsPerPeriod = CountsPerPeriod);

// Series resistor Rs (kilohms) the real timing suggests for a total resistance in kilohms.
double seriesResistor(double totalKilohms);

// Alarm 0 when the capacitor text reads above 2200 nF, else -1.
int capacitorWarning(std::string_view capacitorText);
// Alarm 1 when fixed resistor plus potentiometer read above 500 kilohms, else -1.
int resistorWarning(std::string_view r2Text, std::string_view potText);

} // namespace calc
