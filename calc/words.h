#pragma once

#include <string>

namespace calc {

// The language of the words calc writes. The French text is the source: translate() gives it
// back unchanged unless the caller hands in a translator (the interface's, from Qt).
struct Words {
    using Translator = std::string (*)(const char *context, const char *source);
    Translator translator = nullptr;

    std::string translate(const char *context, const char *source) const
    {
        return translator != nullptr ? translator(context, source) : std::string(source);
    }
};

} // namespace calc
