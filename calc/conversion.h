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

// Where a theoretical R2 falls in a series, without building the lists.
struct SeriesPosition {
    double decade = 1;  // power of ten the table mantissas are scaled by
    int step = PasE24;  // PasE24 or PasE12
    int selected = 0;   // position in the fixed list of the nearest value
    int count = 24;     // items in the fixed list
};
SeriesPosition nearestInSeries(double R2_Theorique, int pasSerie);

// Item `position` (0-based) of the fixed resistor list of `series`, or of the potentiometer
// list when `potentiometer` (whose item position + 1 it is: "0" comes first), kilohms.
std::string seriesItem(const SeriesPosition &series, int position, bool potentiometer,
                       char separator);

// The C2 caption without its "nF".
std::string capacitorOfCaption(std::string_view c2Caption);

// Converts a design into E24 (`pasSerie` 1) or E12 (2) parts. Any other step counts as E24.
Conversion convertToSeries(double R2_Theorique, int Motif_Q, std::string_view c2Caption,
                           int pasSerie, char separator);

} // namespace calc
