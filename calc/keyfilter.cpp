#include "calc/keyfilter.h"

#include <algorithm>
#include <string>

namespace calc {

bool separatorsOk(std::string_view text)
{
    const auto points = std::count(text.begin(), text.end(), '.');
    const auto commas = std::count(text.begin(), text.end(), ',');
    return points + commas <= 1;
}

KeyVerdict numericKeyVerdict(std::string_view currentText, char32_t key)
{
    const bool admitted = key == '.' || key == ',' || (key >= '0' && key <= '9') || key == Backspace;
    if (!admitted)
        return KeyVerdict::RefuseWithBeep;
    std::string candidate(currentText);
    candidate += static_cast<char>(key);
    return separatorsOk(candidate) ? KeyVerdict::Accept : KeyVerdict::RefuseSecondSeparator;
}

} // namespace calc
