#include "calc/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

namespace calc {

namespace {

// A decimal number as digits: value = 0.digits x 10^pointPosition.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int pointPosition = 0;
};

DecimalDigits fifteenSignificantDigits(double value)
{
    DecimalDigits result;
    result.negative = std::signbit(value);
    char buffer[64];
    // "d.dddddddddddddde+XX": correctly rounded 15 significant digits.
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, 14)
                         .ptr;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const auto exponentAt = text.find('e');
    for (char c : text.substr(0, exponentAt))
        if (c != '.')
            result.digits += c;
    int exponent = 0;
    const auto exponentText = text.substr(exponentAt + 1);
    const char *first = exponentText.data() + (exponentText.front() == '+' ? 1 : 0);
    std::from_chars(first, exponentText.data() + exponentText.size(), exponent);
    result.pointPosition = exponent + 1;
    return result;
}

// Rounds to `decimals` places, half away from zero.
void roundHalfAwayFromZero(DecimalDigits &number, int decimals)
{
    const long keep = static_cast<long>(number.pointPosition) + decimals;
    if (keep < 0) {
        number.digits.clear();
        return;
    }
    if (keep >= static_cast<long>(number.digits.size()))
        return;
    const bool roundUp = number.digits[static_cast<std::size_t>(keep)] >= '5';
    number.digits.resize(static_cast<std::size_t>(keep));
    if (!roundUp)
        return;
    for (auto i = number.digits.size(); i-- > 0;) {
        if (number.digits[i] != '9') {
            ++number.digits[i];
            return;
        }
        number.digits[i] = '0';
    }
    number.digits.insert(number.digits.begin(), '1');
    ++number.pointPosition;
}

bool allZero(const std::string &digits)
{
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

std::string integerPart(const DecimalDigits &number)
{
    if (number.pointPosition <= 0)
        return "0";
    std::string part = number.digits.substr(
        0, std::min(number.digits.size(), static_cast<std::size_t>(number.pointPosition)));
    part.append(static_cast<std::size_t>(number.pointPosition) - part.size(), '0');
    const auto firstNonZero = part.find_first_not_of('0');
    return firstNonZero == std::string::npos ? "0" : part.substr(firstNonZero);
}

// Every decimal digit the number holds, zeros after the point included.
std::string fractionPart(const DecimalDigits &number)
{
    if (number.pointPosition >= static_cast<int>(number.digits.size()))
        return {};
    if (number.pointPosition >= 0)
        return number.digits.substr(static_cast<std::size_t>(number.pointPosition));
    return std::string(static_cast<std::size_t>(-number.pointPosition), '0') + number.digits;
}

std::string replaced(std::string_view text, char from, char to)
{
    std::string result(text);
    std::replace(result.begin(), result.end(), from, to);
    return result;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string left(const std::string &text, long count)
{
    return text.substr(0, static_cast<std::size_t>(std::max(0L, count)));
}

std::string trimmedSpaces(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string formatPattern(double value, std::string_view pattern, char separator)
{
    if (!std::isfinite(value))
        return "?";
    const auto point = pattern.find('.');
    const auto places = point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
    const auto requiredDecimals = static_cast<std::size_t>(std::count(places.begin(), places.end(), '0'));
    const auto decimals = static_cast<int>(places.size());

    DecimalDigits number = fifteenSignificantDigits(value);
    roundHalfAwayFromZero(number, decimals);

    std::string fraction = fractionPart(number).substr(0, static_cast<std::size_t>(decimals));
    fraction.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    while (fraction.size() > requiredDecimals && fraction.back() == '0')
        fraction.pop_back();

    std::string text = number.negative && !allZero(number.digits) ? "-" : "";
    text += integerPart(number);
    text += separator;
    text += fraction;
    return text;
}

std::string formatGeneral(double value, char separator)
{
    if (!std::isfinite(value))
        return "?";
    DecimalDigits number = fifteenSignificantDigits(value);
    std::string fraction = fractionPart(number);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();

    std::string text = number.negative && !allZero(number.digits) ? "-" : "";
    text += integerPart(number);
    if (!fraction.empty()) {
        text += separator;
        text += fraction;
    }
    return text;
}

namespace {

// The leading-number rule on any text: the number's characters gathered without blanks.
double leadingNumberCopied(std::string_view text)
{
    std::string s;
    s.reserve(std::min<std::size_t>(text.size(), 4096));
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n'))
            ++i;
    };
    auto takeDigits = [&] {
        std::size_t count = 0;
        for (skipBlanks(); i < text.size() && isDigit(text[i]); ++count, skipBlanks())
            s += text[i++];
        return count;
    };

    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            s += '-';
        ++i;
    }
    std::size_t mantissaDigits = takeDigits();
    if (i < text.size() && text[i] == '.') {
        s += '.';
        ++i;
        mantissaDigits += takeDigits();
    }
    if (mantissaDigits == 0)
        return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        const std::string mantissa = s;
        const std::size_t resumeAt = i;
        s += 'e';
        ++i;
        skipBlanks();
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            s += text[i++];
        if (takeDigits() == 0) { // "12e" or "12e+": the number ends before the letter
            s = mantissa;
            i = resumeAt;
        }
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    (void)end;
    if (error != std::errc{} || !std::isfinite(value))
        return 0.0;
    return value;
}

} // namespace

double leadingNumber(std::string_view text)
{
    // Most numbers have no blank inside and no "+": from_chars reads the very characters the
    // copying road would hand it, in place. A blank within or after the number with more text
    // behind it, or a "+", takes the copying road.
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
    const std::size_t n = text.size();
    auto blankThenMore = [&](std::size_t at) {
        if (at >= n || !isBlank(text[at]))
            return false;
        while (at < n && isBlank(text[at]))
            ++at;
        return at < n;
    };
    std::size_t i = 0;
    while (i < n && isBlank(text[i]))
        ++i;
    const std::size_t start = i;
    if (i < n && text[i] == '+')
        return leadingNumberCopied(text);
    if (i < n && text[i] == '-')
        ++i;
    std::size_t mantissaDigits = 0;
    for (; i < n && isDigit(text[i]); ++i)
        ++mantissaDigits;
    if (i < n && text[i] == '.')
        for (++i; i < n && isDigit(text[i]); ++i)
            ++mantissaDigits;
    if (blankThenMore(i))
        return leadingNumberCopied(text);
    if (mantissaDigits == 0)
        return 0.0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t exponentStart = j;
        while (j < n && isDigit(text[j]))
            ++j;
        if (blankThenMore(j))
            return leadingNumberCopied(text);
        if (j > exponentStart) // "12e" or "12e+": the number ends before the letter
            i = j;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data() + start, text.data() + i, value);
    (void)end;
    if (error != std::errc{} || !std::isfinite(value))
        return 0.0;
    return value;
}

double readNumber(std::string_view text) { return leadingNumber(replaced(text, ',', '.')); }

namespace {

std::string displayed(std::string s, Notation notation)
{
    if (notation == Notation::French)
        return replaced(s, '.', ',');
    if (s.size() >= 2 && s.back() == '.' && isDigit(s[s.size() - 2]))
        s.pop_back();
    return s;
}

} // namespace

std::string Valeur_Significatif(std::string_view texte, int modeAffichage, Notation notation)
{
    std::string s = replaced(texte, ',', '.');
    const long m = modeAffichage;
    if (m <= 0)
        return displayed(std::move(s), notation);
    if (leadingNumber(s) == 0.0)
        return "0";

    const long length = static_cast<long>(s.size());
    const std::string zeros(s.size(), '0');
    const std::string spaces(s.size(), ' ');
    const auto pointAt = s.find('.');
    const long p = pointAt == std::string::npos ? 0 : static_cast<long>(pointAt) + 1;

    if (p == 0) {
        s = left(s + zeros, m);
        s = left(s + zeros, length);
    } else if (leadingNumber(s) < 1.0) {
        long i = 1;
        while (i <= length && static_cast<unsigned char>(s[static_cast<std::size_t>(i - 1)]) <= '0')
            ++i;
        const std::string padded = s + spaces;
        const std::string middle =
            static_cast<std::size_t>(i - 1) < padded.size()
                ? padded.substr(static_cast<std::size_t>(i - 1), static_cast<std::size_t>(m))
                : std::string{};
        s = trimmedSpaces(left(s, i - 1) + middle);
    } else if (p <= m) {
        s = trimmedSpaces(left(s + spaces, m + 1));
    } else {
        s = left(s + zeros, m);
        s = left(s + zeros, p - 1);
    }
    return displayed(std::move(s), notation);
}

std::string typedNumber(std::string_view typed, Notation notation)
{
    return notation == Notation::English ? replaced(typed, ',', '.') : std::string(typed);
}

std::string Zero_non_Significatif(std::string_view texte)
{
    const std::string s = texte.empty() ? std::string("0") : std::string(texte);
    const auto firstNonZero = s.find_first_not_of('0');
    if (firstNonZero == 0)
        return static_cast<unsigned char>(s.front()) < '0' ? "0" + s : s;
    if (firstNonZero == std::string::npos)
        return s;
    if (static_cast<unsigned char>(s[firstNonZero]) < '0')
        return s.substr(firstNonZero - 1);
    return s.substr(firstNonZero);
}

} // namespace calc
