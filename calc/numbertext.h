#pragma once

#include <string>
#include <string_view>

// Number texts. Every function is independent of the C library's locale: the decimal
// separator the running system writes comes in as `separator` ('.' or ',').
namespace calc {

// Formats `value` with a pattern "0." + zeros + hashes ("0.0#", "0.###", "0.######").
// Rounds half away from zero on the value's 15-significant-digit decimal form, so 2.675
// gives "2.68". The separator is always written, even after a whole number ("2." for "0.###").
// A value that is not finite gives "?".
std::string formatPattern(double value, std::string_view pattern, char separator);

// General number form: 15 significant digits, no grouping, no trailing zeros, never an
// exponent (1e-8 gives "0.00000001"). A value that is not finite gives "?".
std::string formatGeneral(double value, char separator);

// Leading-number rule: blanks (space, tab, line feed) are ignored wherever they stand; then an
// optional sign, digits, one "." with digits and an optional exponent are taken from the
// start. Anything else ends the number; no number, or one beyond the range of a double,
// reads as 0. Never returns a value that is not finite.
double leadingNumber(std::string_view text);

// Reading rule of typed numbers: every "," is read as "." before the leading-number rule.
double readNumber(std::string_view text);

// How numbers are written for the reader. French: the display rule's decimal comma, a separator the
// cut leaves last kept ("30,"), resistances in "Kohm" and "Mo". English: a decimal point everywhere,
// never a separator after the last digit ("30"), resistances in "kΩ" and "MΩ".
enum class Notation { French, English };

// The separator patterns and the general form write: the running system's in French; English
// writes a point whatever the system.
constexpr char writtenSeparator(Notation notation, char systemSeparator)
{
    return notation == Notation::English ? '.' : systemSeparator;
}

// Display rule: cuts a number text to `modeAffichage` significant digits (0 = raw, digits are
// cut, never rounded) and writes it with a decimal comma, or in English with a point and no
// separator after the last digit. A negative mode counts as raw.
std::string Valeur_Significatif(std::string_view texte, int modeAffichage, Notation notation = Notation::French);

// A number as typed into a field, for a reader: English reads "0,5" as 0.5 only when written "0.5".
std::string typedNumber(std::string_view typed, Notation notation);

// Removes the non-significant leading zeros of an entry: "" -> "0", "007" -> "7",
// ",5" -> "0,5", "00.5" -> "0.5"; "000" stays as it is.
std::string Zero_non_Significatif(std::string_view texte);

} // namespace calc
