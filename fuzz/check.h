#pragma once

// A property that does not hold is a finding: say which one, show the texts involved, and
// abort so libFuzzer keeps the input as a crash artifact.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

// Control bytes and bytes above 0x7E escaped, so a finding prints on any terminal.
inline std::string visible(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            out += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    return out;
}

[[noreturn]] inline void fail(const char *file, int line, const char *condition, const std::string &detail)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n%s\n", file, line, condition, detail.c_str());
    std::abort();
}

} // namespace fuzz

#define FUZZ_CHECK(condition, detail)                                                          \
    do {                                                                                       \
        if (!(condition))                                                                      \
            ::fuzz::fail(__FILE__, __LINE__, #condition, (detail));                           \
    } while (false)
