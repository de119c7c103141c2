#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace calc {

inline constexpr int PasE24 = 1; // series steps through Table_E24
inline constexpr int PasE12 = 2;

struct RealisablePattern {
    int pattern = 0; // only outputs with a pin: Q4 to Q10, Q12, Q13
    int alarm = -1;  // 8 when the pattern had to be moved, else -1
};

// Moves a design pattern onto outputs the CD4060 brings out.
RealisablePattern realisablePattern(int Motif_Q);

struct Conversion {
    std::string capacitorText;            // the C2 caption without "nF", e.g. "1.5 "
    std::vector<std::string> fixedItems;  // fixed resistor list, kilohms
    std::vector<std::string> potItems;    // potentiometer list, "0" first, kilohms
    int fixedSelected = 0;                // position in fixedItems of the nearest value
    RealisablePattern outputs;
};

// Converts a design into E24 (`pasSerie` 1) or E12 (2) parts. Any other step counts as E24.
Conversion convertToSeries(double R2_Theorique, int Motif_Q, std::string_view c2Caption,
                           int pasSerie, char separator);

} // namespace calc
