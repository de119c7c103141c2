#include "report/jsonwriter.h"

#include <charconv>
#include <cmath>

namespace report {

void appendNumber(std::string &out, double value)
{
    char buffer[32];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

JsonWriter &JsonWriter::open(char bracket)
{
    separate();
    m_out += bracket;
    m_empty[static_cast<std::size_t>(++m_depth)] = true;
    return *this;
}

JsonWriter &JsonWriter::close(char bracket)
{
    --m_depth;
    m_out += bracket;
    return *this;
}

JsonWriter &JsonWriter::string(std::string_view text)
{
    separate();
    m_out += '"';
    // Runs that need no escape are copied whole: most texts are one such run.
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && c != '"' && c != '\\')
            continue;
        m_out.append(text.data() + run, i - run);
        run = i + 1;
        if (c == '"' || c == '\\') {
            m_out += '\\';
            m_out += c;
        } else {
            static constexpr char Hex[] = "0123456789abcdef";
            const char *escape = c == '\b' ? "\\b" : c == '\f' ? "\\f" : c == '\n' ? "\\n"
                               : c == '\r' ? "\\r" : c == '\t' ? "\\t" : nullptr;
            if (escape) {
                m_out += escape;
            } else {
                m_out += "\\u00";
                m_out += Hex[u >> 4];
                m_out += Hex[u & 0xF];
            }
        }
    }
    m_out.append(text.data() + run, text.size() - run);
    m_out += '"';
    return *this;
}

JsonWriter &JsonWriter::number(double value)
{
    if (!std::isfinite(value))
        return null();
    separate();
    appendNumber(m_out, value);
    return *this;
}

JsonWriter &JsonWriter::integer(long long value)
{
    separate();
    char buffer[24];
    m_out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
    return *this;
}

JsonWriter &JsonWriter::boolean(bool value) { return raw(value ? "true" : "false"); }

JsonWriter &JsonWriter::null() { return raw("null"); }


} // namespace report
