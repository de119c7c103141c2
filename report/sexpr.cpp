#include "report/sexpr.h"

#include <cstdlib>
#include <utility>

namespace report {

SexprWriter &SexprWriter::open(const char *token, bool newLine)
{
    if (newLine && !m_hasBlocks.empty()) {
        m_out += '\n';
        m_out += QByteArray(2 * static_cast<qsizetype>(m_hasBlocks.size()), ' ');
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
        m_out += QByteArray(2 * static_cast<qsizetype>(m_hasBlocks.size() - 1), ' ');
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
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"': m_out += "\\\""; break;
        case '\\': m_out += "\\\\"; break;
        // KiCad reads a file line by line: a raw line break would cut the string.
        case '\n': m_out += "\\n"; break;
        case '\r': m_out += "\\r"; break;
        case '\t': m_out += "\\t"; break;
        default:
            if (u < 0x20 || u == 0x7f) {
                // Three octal digits always, so a digit that follows is not read into it.
                const char escaped[] = {'\\', char('0' + (u >> 6)), char('0' + ((u >> 3) & 7)), char('0' + (u & 7))};
                m_out.append(escaped, 4);
            } else {
                m_out += c;
            }
        }
    }
    m_out += '"';
    return *this;
}

SexprWriter &SexprWriter::integer(long long value)
{
    m_out += ' ';
    m_out += QByteArray::number(value);
    return *this;
}

SexprWriter &SexprWriter::mm(int mils)
{
    // 1 mil = 0.0254 mm: in units of 0.0001 mm every length is a whole number.
    const long long tenThousandths = std::llabs(static_cast<long long>(mils) * 254);
    m_out += mils < 0 ? " -" : " ";
    m_out += QByteArray::number(tenThousandths / 10000);
    if (long long fraction = tenThousandths % 10000) {
        QByteArray digits = QByteArray::number(fraction + 10000).mid(1);
        while (digits.endsWith('0'))
            digits.chop(1);
        m_out += '.' + digits;
    }
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
