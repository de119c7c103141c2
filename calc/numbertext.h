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

// Display rule: cuts a number text to `modeAffichage` significant digits (0 = raw, digits are
// cut, never rounded) and writes it with a decimal comma. A negative mode counts as raw.
std::string Valeur_Significatif(std::string_view texte, int modeAffichage);

// Removes the non-significant leading zeros of an entry: "" -> "0", "007" -> "7",
// ",5" -> "0,5", "00.5" -> "0.5"; "000" stays as it is.
std::string Zero_non_Significatif(std::string_view texte);

} // namespace calc
