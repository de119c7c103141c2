#include "calc/batchline.h"

#include "calc/sentence.h"

#include <cstddef>

namespace calc {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A field as it can be shown in a message whatever the file held: cut, every byte outside
// printable ASCII replaced.
std::string printable(std::string_view field)
{
    constexpr std::size_t Shown = 40;
    std::string text;
    for (std::size_t i = 0; i < field.size() && i < Shown; ++i) {
        const auto c = static_cast<unsigned char>(field[i]);
        text += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    }
    if (field.size() > Shown)
        text += "…";
    return text;
}

} // namespace

bool isTypedNumber(std::string_view text)
{
    bool digit = false;
    bool separator = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if ((c == ',' || c == '.') && !separator) {
            separator = true;
        } else {
            return false;
        }
    }
    return digit;
}

std::string lineTooLong(std::size_t limit, const Words &words)
{
    return sentence(words.translate("Lot", "ligne trop longue (plus de %1 octets)"), {std::to_string(limit)});
}

BatchLine readBatchLine(std::string_view line, const Words &words)
{
    BatchLine result;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    if (i == line.size() || line[i] == '#')
        return result;

    std::string_view fields[2];
    std::size_t count = 0;
    bool fieldSeparated = true; // a field may start here
    bool semicolon = false;     // the current separator already holds one ";"
    while (i < line.size()) {
        const char c = line[i];
        if (isBlank(c)) {
            ++i;
        } else if (c == ';') {
            if (semicolon || count == 0) {
                result.kind = BatchLine::Kind::Error;
                result.error = words.translate("Lot", "« ; » en trop : il faut deux nombres, T et T1");
                return result;
            }
            semicolon = true;
            fieldSeparated = true;
            ++i;
        } else {
            if (!fieldSeparated || count == 2) {
                result.kind = BatchLine::Kind::Error;
                result.error = words.translate("Lot", "il faut deux nombres, T et T1, et rien d'autre");
                return result;
            }
            const std::size_t start = i;
            while (i < line.size() && !isBlank(line[i]) && line[i] != ';')
                ++i;
            fields[count++] = line.substr(start, i - start);
            semicolon = false;
            fieldSeparated = i < line.size(); // a blank or ";" follows
        }
    }
    if (count < 2 || semicolon) {
        result.kind = BatchLine::Kind::Error;
        result.error =
            words.translate("Lot", "il faut deux nombres, T et T1, séparés par des blancs, une tabulation ou « ; »");
        return result;
    }
    for (std::string_view field : fields) {
        if (!isTypedNumber(field)) {
            result.kind = BatchLine::Kind::Error;
            result.error = sentence(
                words.translate("Lot", "« %1 » n'est pas un nombre (chiffres et un seul séparateur « , » ou « . »)"),
                {printable(field)});
            return result;
        }
    }
    result.kind = BatchLine::Kind::Design;
    result.period = fields[0];
    result.pulse = fields[1];
    return result;
}

} // namespace calc
