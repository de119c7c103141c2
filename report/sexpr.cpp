#include "report/sexpr.h"

#include <charconv>
#include <cstdlib>
#include <utility>

namespace report {

SexprWriter &SexprWriter::open(const char *token, bool newLine)
{
    if (newLine && !m_hasBlocks.empty()) {
        m_out += '\n';
        m_out.append(2 * static_cast<qsizetype>(m_hasBlocks.size()), ' ');
        m_hasBlocks.back() = true;
    } else if (!m_out.isEmpty()) {
        m_out += ' ';
    }
    m_out += '(';
    m_out += token;
    m_hasBlocks.push_back(false);
    return *this;
}

SexprWriter &SexprWriter::close()
{
    // A list spread over lines ends on a line of its own, under its opening.
    if (m_hasBlocks.back()) {
        m_out += '\n';
        m_out.append(2 * static_cast<qsizetype>(m_hasBlocks.size() - 1), ' ');
    }
    m_out += ')';
    m_hasBlocks.pop_back();
    return *this;
}

SexprWriter &SexprWriter::keyword(const char *token)
{
    m_out += ' ';
    m_out += token;
    return *this;
}

SexprWriter &SexprWriter::string(std::string_view utf8)
{
    m_out += " \"";
    // Runs that need no escape are copied whole: most strings are one such run.
    std::size_t run = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto u = static_cast<unsigned char>(utf8[i]);
        if (u >= 0x20 && u != 0x7f && u != '"' && u != '\\')
            continue;
        m_out.append(utf8.data() + run, static_cast<qsizetype>(i - run));
        run = i + 1;
        switch (u) {
        case '"': m_out += "\\\""; break;
        case '\\': m_out += "\\\\"; break;
        // KiCad reads a file line by line: a raw line break would cut the string.
        case '\n': m_out += "\\n"; break;
        case '\r': m_out += "\\r"; break;
        case '\t': m_out += "\\t"; break;
        default: {
            // Three octal digits always, so a digit that follows is not read into it.
            const char escaped[] = {'\\', char('0' + (u >> 6)), char('0' + ((u >> 3) & 7)), char('0' + (u & 7))};
            m_out.append(escaped, 4);
        }
        }
    }
    m_out.append(utf8.data() + run, static_cast<qsizetype>(utf8.size() - run));
    m_out += '"';
    return *this;
}

SexprWriter &SexprWriter::integer(long long value)
{
    char digits[24] = {' '};
    m_out.append(digits, std::to_chars(digits + 1, digits + sizeof digits, value).ptr - digits);
    return *this;
}

SexprWriter &SexprWriter::mm(int mils)
{
    // 1 mil = 0.0254 mm: in units of 0.0001 mm every length is a whole number.
    const long long tenThousandths = std::llabs(static_cast<long long>(mils) * 254);
    char text[32] = {' ', '-'};
    char *end = std::to_chars(text + (mils < 0 ? 2 : 1), text + sizeof text, tenThousandths / 10000).ptr;
    if (long long fraction = tenThousandths % 10000) {
        *end++ = '.';
        for (long long unit = 1000; fraction != 0; unit /= 10) {
            *end++ = static_cast<char>('0' + fraction / unit);
            fraction %= unit;
        }
    }
    m_out.append(text, end - text);
    return *this;
}

QByteArray SexprWriter::take()
{
    while (!m_hasBlocks.empty())
        close();
    m_out += '\n';
    return std::exchange(m_out, {});
}

} // namespace report
