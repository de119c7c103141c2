#pragma once

#include "calc/words.h"

#include <string>
#include <string_view>

namespace calc {

// One line of a batch file: "T T1", the two numbers separated by blanks (spaces, tabs) with at
// most one ";" among them, each written with digits and at most one "," or "." as typed in the
// fields. Blank lines and lines whose first non-blank character is "#" are skipped; a final
// carriage return (a file written on Windows) is ignored.
struct BatchLine {
    enum class Kind { Skipped, Design, Error } kind = Kind::Skipped;
    std::string_view period; // views into the line read, when kind is Design
    std::string_view pulse;
    std::string error; // in the language of `words`, when kind is Error; quotes only printable ASCII
};

// `words` is asked only for an error: a line read well costs no translation.
BatchLine readBatchLine(std::string_view line, const Words &words = {});

// A number as the fields let it be typed: digits and at most one separator, at least one digit.
bool isTypedNumber(std::string_view text);

// Error of a line longer than the reader keeps (`limit` bytes).
std::string lineTooLong(std::size_t limit, const Words &words = {});

} // namespace calc
