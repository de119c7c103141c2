#pragma once

#include <string_view>

namespace calc {

// True when the text holds at most one decimal separator, "." or ",", in all.
bool separatorsOk(std::string_view text);

enum class KeyVerdict {
    Accept,
    RefuseWithBeep,        // not a digit, separator or backspace
    RefuseSecondSeparator, // the field would hold two separators (alarm 3)
};

inline constexpr char32_t Backspace = 8;

// Judges a key typed into a numeric field as if the character were appended to the whole
// current text, whatever the caret position or selection.
KeyVerdict numericKeyVerdict(std::string_view currentText, char32_t key);

} // namespace calc
