#pragma once

#include "settings/textdecoding.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace Commun {

// A settings file in the private-profile layout, read once and written back in one piece.
// Lines that are not changed are kept byte for byte (encoding, line break, comments, lines it
// does not understand), so rewriting a file never damages what the program does not know.
// Section and key names match without regard to letter case and to the blanks around them.
class IniDocument
{
public:
    // Settings files are a few hundred bytes: anything beyond this is not one, reads as empty and
    // is never rewritten. Keeps the memory and the time of a read bounded whatever lies at the
    // path: the start reads the file twice, and a 50 MB file of short lines took seconds.
    static constexpr qint64 MaximumSize = 8 * 1024 * 1024;

    IniDocument() = default;
    explicit IniDocument(QByteArray bytes);

    // An absent file gives an empty document. `readable` is false when something is at the path
    // but cannot be read in full (no rights, not a regular file, too large): rewriting it would
    // lose its contents.
    static IniDocument load(const QString &path, bool *readable = nullptr);

    // The value, blanks around it removed, of the first matching key of the first matching
    // section; nothing when either is absent. A NUL byte ends the line, as for a C reader, and
    // so does a CR that is not part of a line break.
    std::optional<QString> value(QStringView section, QStringView key) const;

    // Replaces the value in place, or appends the key after the last non-blank line of its
    // section, or appends the section at the end of the file. Line breaks in the texts would
    // open new lines in the file and are written as spaces.
    void setValue(QStringView section, QStringView key, QStringView value);

    bool isModified() const { return m_modified; }
    QByteArray toBytes() const;

private:
    enum class Kind : quint8 { Other, Section, Key };
    struct Line {
        qsizetype start;    // offset in m_raw, or index in m_added when `added`
        qsizetype length;   // without the line break
        quint8 breakLength; // 0 (the file's last line only), 1 (LF) or 2 (CR LF)
        bool added;
        Kind kind;
    };
    struct Parsed {
        Kind kind = Kind::Other;
        QByteArrayView name;
        QByteArrayView value;
    };

    QByteArrayView content(qsizetype index) const;
    Parsed parse(qsizetype index) const;
    bool nameMatches(QByteArrayView name, QStringView wanted) const;
    qsizetype findSection(QStringView section) const;
    qsizetype findKey(qsizetype sectionLine, QStringView key) const;
    qsizetype sectionEnd(qsizetype sectionLine) const;
    Line addLine(QByteArray text, Kind kind, quint8 breakLength);
    quint8 breakAfter(qsizetype index);
    void detectEncodingAgain();

    QByteArray m_raw;
    std::vector<QByteArray> m_added;
    std::vector<Line> m_lines;
    TextEncoding m_encoding = TextEncoding::Utf8;
    qsizetype m_byteOrderMark = 0;
    bool m_modified = false;
};

} // namespace Commun
