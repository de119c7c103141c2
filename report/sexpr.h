#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>
#include <vector>

namespace report {

// KiCad's S-expressions, the way its own formatter writes them: every string quoted and escaped
// here, so no text of a design can end a string or a list early. Lengths come in mils, KiCad's
// grid, and leave in millimetres, exactly.
class SexprWriter {
public:
    // A list that starts on a line of its own, indented by its depth.
    SexprWriter &block(const char *token) { return open(token, true); }
    // A list that goes on with the current line.
    SexprWriter &list(const char *token) { return open(token, false); }
    SexprWriter &close();
    SexprWriter &keyword(const char *token); // bare: yes, hide, passive
    SexprWriter &string(std::string_view utf8);
    SexprWriter &string(const char *utf8) { return string(std::string_view(utf8)); }
    SexprWriter &string(const QByteArray &utf8)
    {
        return string(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    }
    SexprWriter &string(const QString &text) { return string(text.toUtf8()); }
    SexprWriter &integer(long long value);
    SexprWriter &mm(int mils);

    // The text written, every list closed.
    QByteArray take();

private:
    SexprWriter &open(const char *token, bool newLine);

    QByteArray m_out;
    std::vector<bool> m_hasBlocks; // per open list: a block was opened in it
};

} // namespace report
