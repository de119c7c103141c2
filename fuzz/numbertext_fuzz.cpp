// The number texts on any double (NaN, infinities and subnormals included) and any text.

#include "check.h"
#include "calc/numbertext.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using fuzz::visible;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string replaced(std::string text, char from, char to)
{
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

// "-"? digits, then the separator and `minDecimals` to `maxDecimals` digits (no separator at
// all when `separatorRequired` is false and no decimals remain).
bool isPlainNumber(std::string_view text, char separator, bool separatorRequired, std::size_t minDecimals,
                   std::size_t maxDecimals)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const auto at = text.find(separator);
    const std::string_view integer = text.substr(0, at);
    if (integer.empty() || !std::all_of(integer.begin(), integer.end(), isDigit))
        return false;
    if (integer.size() > 1 && integer.front() == '0')
        return false;
    if (at == std::string_view::npos)
        return !separatorRequired && minDecimals == 0;
    const std::string_view decimals = text.substr(at + 1);
    return std::all_of(decimals.begin(), decimals.end(), isDigit) && decimals.size() >= minDecimals
           && decimals.size() <= maxDecimals;
}

// The exact value of a number text; infinity past the largest double (the largest double
// itself written to 15 digits rounds up past it).
double parsed(std::string text, char separator)
{
    text = replaced(std::move(text), separator, '.');
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range && text.find_first_of("123456789") < text.find('.'))
        return text.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    return value;
}

// The 15-digit form of a double so near the largest one that it rounds past it.
bool beyondDoubles(double back, double value)
{
    return std::isinf(back) && std::fabs(value) > 1.797693134862315e308;
}

void checkPattern(double value, int zeros, int hashes, char separator)
{
    const std::string pattern = "0." + std::string(std::size_t(zeros), '0') + std::string(std::size_t(hashes), '#');
    const std::string text = calc::formatPattern(value, pattern, separator);
    const std::string detail = "value " + std::to_string(value) + " pattern " + pattern + " gives " + visible(text);
    if (!std::isfinite(value)) {
        FUZZ_CHECK(text == "?", detail);
        return;
    }
    FUZZ_CHECK(isPlainNumber(text, separator, true, std::size_t(zeros), std::size_t(zeros + hashes)), detail);
    const auto at = text.find(separator);
    FUZZ_CHECK(text.size() - at - 1 <= std::size_t(zeros) || text.back() != '0', detail);
    const double back = parsed(text, separator);
    FUZZ_CHECK(back != 0 || text.front() != '-', detail); // no "-0"
    if (beyondDoubles(back, value))
        return;
    // Rounded to the pattern's places after the 15-significant-digit form.
    const double tolerance = 0.5 * std::pow(10.0, -(zeros + hashes)) + 1e-14 * std::fabs(value);
    FUZZ_CHECK(std::fabs(back - value) <= tolerance * (1 + 1e-9), detail);
}

void checkGeneral(double value, char separator)
{
    const std::string text = calc::formatGeneral(value, separator);
    const std::string detail = "value " + std::to_string(value) + " gives " + visible(text);
    if (!std::isfinite(value)) {
        FUZZ_CHECK(text == "?", detail);
        return;
    }
    FUZZ_CHECK(isPlainNumber(text, separator, false, 0, std::string::npos), detail);
    FUZZ_CHECK(text.find(separator) == std::string::npos || text.back() != '0', detail);
    const double back = parsed(text, separator);
    if (beyondDoubles(back, value))
        return;
    FUZZ_CHECK(std::fabs(back - value) <= 1e-14 * std::fabs(value), detail);
    // Read back by the program's own rules, and written again unchanged.
    FUZZ_CHECK(calc::readNumber(text) == back, detail);
    FUZZ_CHECK(calc::formatGeneral(back, separator) == text, detail);
    if (separator == '.')
        FUZZ_CHECK(calc::leadingNumber(text) == back, detail);
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The leading-number rule written out plainly, to compare with the program's.
double referenceLeadingNumber(std::string_view text)
{
    std::string s;
    for (char c : text)
        if (!isBlank(c))
            s += c;
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number += s[i++] == '-' ? "-" : "";
    std::size_t digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i, ++digits)
        number += s[i];
    if (i < s.size() && s[i] == '.') {
        number += s[i++];
        for (; i < s.size() && isDigit(s[i]); ++i, ++digits)
            number += s[i];
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        const std::size_t first = j;
        for (; j < s.size() && isDigit(s[j]); ++j)
            exponent += s[j];
        if (j > first)
            number += exponent;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    return error == std::errc{} && std::isfinite(value) ? value : 0;
}

bool sameNumber(double a, double b) { return a == b || (a == 0 && b == 0); }

void checkReading(const std::string &text)
{
    const double value = calc::leadingNumber(text);
    const std::string detail = "text " + visible(text) + " reads " + std::to_string(value);
    FUZZ_CHECK(std::isfinite(value), detail);
    FUZZ_CHECK(sameNumber(value, referenceLeadingNumber(text)), detail);
    FUZZ_CHECK(sameNumber(calc::readNumber(text), calc::leadingNumber(replaced(text, ',', '.'))), detail);
}

// Digits of a number text without sign, separator or leading zeros, and the power of ten of the
// first of them (1 for 1.5, 0 for 0.5, -2 for 0.005).
struct Significant {
    std::string digits;
    long magnitude = 0;
};

Significant significantOf(std::string_view text)
{
    Significant s;
    const auto at = text.find_first_of(".,");
    const std::string_view integer = text.substr(0, at);
    const std::string_view fraction = at == std::string_view::npos ? std::string_view{} : text.substr(at + 1);
    std::string all = std::string(integer) + std::string(fraction);
    const auto first = all.find_first_not_of('0');
    if (first == std::string::npos)
        return s;
    s.digits = all.substr(first);
    s.magnitude = long(integer.size()) - long(first);
    return s;
}

std::string withoutTrailingZeros(std::string digits)
{
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    return digits;
}

void checkDisplay(double value, int zeros, int hashes, char separator, int mode)
{
    const std::string pattern = "0." + std::string(std::size_t(zeros), '0') + std::string(std::size_t(hashes), '#');
    const std::string input = calc::formatPattern(std::fabs(value), pattern, separator);
    const std::string shown = calc::Valeur_Significatif(input, mode);
    const std::string detail = "input " + input + " mode " + std::to_string(mode) + " shows " + visible(shown);
    FUZZ_CHECK(shown.find('.') == std::string::npos, detail);
    FUZZ_CHECK(calc::Valeur_Significatif(shown, mode) == shown, detail);
    // English: the same number, with a point and no separator after the last digit.
    const std::string english = calc::Valeur_Significatif(input, mode, calc::Notation::English);
    FUZZ_CHECK(!english.empty() && english.find(',') == std::string::npos && english.back() != '.',
               detail + " english " + visible(english));
    FUZZ_CHECK(calc::readNumber(english) == calc::readNumber(shown), detail + " english " + visible(english));
    if (mode == 0) {
        FUZZ_CHECK(shown == replaced(input, '.', ','), detail);
        return;
    }
    if (calc::readNumber(input) == 0) {
        FUZZ_CHECK(shown == "0", detail);
        return;
    }
    FUZZ_CHECK(isPlainNumber(shown, ',', false, 0, std::string::npos), detail);
    // Cut, never rounded: the first `mode` significant digits at the same magnitude.
    const Significant in = significantOf(input);
    const Significant out = significantOf(shown);
    FUZZ_CHECK(out.magnitude == in.magnitude, detail);
    FUZZ_CHECK(withoutTrailingZeros(out.digits) == withoutTrailingZeros(in.digits.substr(0, std::size_t(mode))), detail);
    FUZZ_CHECK(calc::readNumber(shown) <= calc::readNumber(input), detail);
}

void checkAnyDisplayText(const std::string &text, int mode)
{
    const std::string shown = calc::Valeur_Significatif(text, mode);
    const std::string detail = "text " + visible(text) + " mode " + std::to_string(mode) + " shows " + visible(shown);
    FUZZ_CHECK(shown.find('.') == std::string::npos, detail);
    if (mode <= 0)
        FUZZ_CHECK(shown == replaced(replaced(text, ',', '.'), '.', ','), detail);
    else
        FUZZ_CHECK(shown.size() <= std::max<std::size_t>(text.size(), 1), detail);
}

void checkLeadingZeros(const std::string &text)
{
    const std::string tidy = calc::Zero_non_Significatif(text);
    const std::string detail = "text " + visible(text) + " gives " + visible(tidy);
    FUZZ_CHECK(!tidy.empty(), detail);
    FUZZ_CHECK(calc::Zero_non_Significatif(tidy) == tidy, detail);
    const bool zeroAdded = tidy == "0" + text;
    const bool zerosRemoved = tidy.size() <= text.size() && text.ends_with(tidy)
                              && text.find_first_not_of('0') >= text.size() - tidy.size();
    FUZZ_CHECK(zeroAdded || zerosRemoved, detail);
    // On what the key filter lets into a field, the number typed never changes.
    if (text.find_first_not_of("0123456789.,") == std::string::npos)
        FUZZ_CHECK(calc::readNumber(tidy) == calc::readNumber(text), detail);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const double value = std::bit_cast<double>(input.ConsumeIntegral<std::uint64_t>());
    const char separator = input.ConsumeBool() ? ',' : '.';
    const int zeros = input.ConsumeIntegralInRange(0, 7);
    const int hashes = input.ConsumeIntegralInRange(0, 7);
    const int mode = input.ConsumeIntegralInRange(0, 5);
    const int anyMode = input.ConsumeIntegralInRange(-3, 40);
    const std::string text = input.ConsumeRemainingBytesAsString();

    for (const char *pattern : {"0.0#", "0.###", "0.######"}) {
        const std::string_view p(pattern);
        const int z = int(std::count(p.begin(), p.end(), '0')) - 1;
        checkPattern(value, z, int(p.size()) - 2 - z, separator);
    }
    checkPattern(value, zeros, hashes, separator);
    checkGeneral(value, separator);
    if (std::isfinite(value))
        checkDisplay(value, zeros, hashes, separator, mode);

    checkReading(text);
    checkAnyDisplayText(text, anyMode);
    checkLeadingZeros(text);
    // The text as a typed number, once more through every display mode.
    const double typed = calc::readNumber(text);
    checkGeneral(typed, separator);
    checkDisplay(typed, zeros, hashes, separator, mode);
    return 0;
}
