#pragma once

#include "calc/numbertext.h"

#include <string>
#include <string_view>
#include <vector>

namespace calc {

inline constexpr double CountsPerPeriod = 16384; // one period T is 2^14 oscillator periods
// Beyond this period (seconds) alarm 4 warns, and a second counter keeps the circuit in its rules.
inline constexpr double LongPeriodAlarm = 20000;

// Below 25 ms (alarm 7) the entry leaves the oscillator period as it was, so no design may use it.
inline bool isPeriodTooShort(double Periode_T) { return Periode_T * 1000 < 25; }

struct EntryCheck {
    double Periode_T = 0;   // seconds
    double Pulse_T1 = 0;    // seconds
    std::vector<int> alarms; // in the order raised: 7, or 6, or 4 and/or 5
    double Periode_Oscillateur = 0; // seconds; the previous value when the entry is refused
    enum class Label { Unchanged, Emptied, Set } label = Label::Unchanged;
    std::string labelText; // oscillator period caption when `label` is Set, e.g. "0,6103 ms"
};

// Checks the texts of the period and pulse fields and derives the oscillator period.
EntryCheck checkPeriodAndPulse(std::string_view periodText, std::string_view pulseText,
                               double previousPeriodeOscillateur, int modeAffichage, char separator,
                               Notation notation = Notation::French);

// Zone A's caption of an oscillator period in seconds, in milliseconds: "0,6103 ms".
std::string oscillatorCaption(double Periode_Oscillateur, int modeAffichage, char separator, Notation notation);

} // namespace calc
