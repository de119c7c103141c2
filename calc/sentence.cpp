#include "calc/sentence.h"

namespace calc {

std::string sentence(std::string_view text, std::initializer_list<std::string_view> values)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < values.size()) {
                result += values.begin()[n];
                ++i;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}

} // namespace calc
