#pragma once

#include "calc/conversion.h"
#include "calc/design.h"
#include "calc/realdesign.h"

#include <string>
#include <string_view>
#include <vector>

namespace calc {

// What a design is computed with; the window and the settings file give these.
struct DesignOptions {
    int Pas_Serie = PasE24;
    int Mode_Affichage = 4;  // 0 raw, 3 to 5 significant digits
    double Constante_K4060 = 2.8e-6; // seconds per (kilohm x nanofarad), finite and positive
    char separator = '.';    // what numbers are written with: calc::writtenSeparator
    Notation notation = Notation::French;
    Tolerances tolerances;   // percent: the precision's, which also choose the trimmer to buy
};

// Why the road of a design stopped before zone D.
enum class Stop { None, PeriodTooShort, NoPulse, RatioTooSmall };

// The road of one design, zone after zone, as the window shows it: what every writer of a
// result (JSON, CSV, report) reads.
struct Road {
    std::string periodText, pulseText; // zone A's fields as given
    std::string labelText;             // FrequenceOscillateur(1)
    bool entered = false;              // zone A gave T and T1 (both numbers below are set)
    double T = 0, T1 = 0;              // seconds, as zone A read them
    std::vector<int> alarms;           // the ones shown, in the order raised
    bool alarmsKnown = true;           // false: the window does not keep them
    Stop stop = Stop::None;
    bool designed = false;  // zone B is filled
    Design design;
    bool converted = false; // zones C and D are filled
    SeriesPosition series;  // the talon list and its selection; the potentiometer's is "0"
    // The parts of zone C and zone D's captions; before the conversion, only the options.
    RealDesign real;
};

// Runs the window's chain on plain field texts: entry, design, conversion, real timing.
Road designRoad(std::string_view periodText, std::string_view pulseText, const DesignOptions &options);

// Zone C as a user leaves it: the parts typed over the conversion's and the outputs marked.
struct Parts {
    std::string talon, potentiometer, capacitor; // kilohms, kilohms, nanofarads, as typed
    int pattern = 0;                             // bit k-1: output Qk marked "On"
};

// Puts `parts` into a converted road as typing them would: zone D from them, and the alarms
// their change handling raises (capacitor above 2200 nF, resistance above 500 kilohms).
void applyParts(Road &road, const Parts &parts);

// The outputs marked in a pattern: on[n] for Qn, n = 1 to 13.
std::array<bool, 14> outputsOfPattern(int pattern);
// The pattern of a list of outputs (1 to 13; calc::outputsOf gives the list back).
int patternOf(const std::vector<int> &outputs);

} // namespace calc
