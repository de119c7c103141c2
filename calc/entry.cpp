#include "calc/entry.h"

#include "calc/numbertext.h"

namespace calc {

EntryCheck checkPeriodAndPulse(std::string_view periodText, std::string_view pulseText,
                               double previousPeriodeOscillateur, int modeAffichage, char separator,
                               Notation notation)
{
    EntryCheck result;
    result.Periode_T = readNumber(periodText);
    result.Pulse_T1 = readNumber(pulseText);
    result.Periode_Oscillateur = previousPeriodeOscillateur;

    if (isPeriodTooShort(result.Periode_T)) {
        result.alarms.push_back(7);
        result.label = EntryCheck::Label::Emptied;
        return result;
    }
    if (result.Pulse_T1 == 0) {
        result.alarms.push_back(6);
        return result;
    }
    if (result.Periode_T > LongPeriodAlarm)
        result.alarms.push_back(4);
    if (result.Periode_T / result.Pulse_T1 < 2.001)
        result.alarms.push_back(5);

    result.Periode_Oscillateur = result.Periode_T / CountsPerPeriod;
    result.label = EntryCheck::Label::Set;
    result.labelText = oscillatorCaption(result.Periode_Oscillateur, modeAffichage, separator, notation);
    return result;
}

std::string oscillatorCaption(double Periode_Oscillateur, int modeAffichage, char separator, Notation notation)
{
    return Valeur_Significatif(formatPattern(Periode_Oscillateur * 1000, "0.######", separator), modeAffichage,
                               notation) +
           " ms";
}

} // namespace calc
