#include "settings/inidocument.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace Commun {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QString oneLine(QStringView text)
{
    QString line = text.toString();
    for (QChar &c : line)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.isNull())
            c = QLatin1Char(' ');
    return line;
}

} // namespace

IniDocument::IniDocument(QByteArray bytes)
    : m_raw(std::move(bytes)),
      m_encoding(detectEncoding(m_raw)),
      m_byteOrderMark(byteOrderMarkLength(m_raw))
{
    const char *data = m_raw.constData();
    const qsizetype size = m_raw.size();
    for (qsizetype start = 0; start < size;) {
        const void *found = std::memchr(data + start, '\n', std::size_t(size - start));
        const qsizetype newline = found ? static_cast<const char *>(found) - data : size;
        Line line{start, newline - start, 0, false, Kind::Other};
        if (found) {
            line.breakLength = newline > start && data[newline - 1] == '\r' ? 2 : 1;
            line.length -= line.breakLength - 1;
        }
        m_lines.push_back(line);
        m_lines.back().kind = parse(qsizetype(m_lines.size()) - 1).kind;
        start = newline + 1;
    }
}

IniDocument IniDocument::load(const QString &path, bool *readable)
{
    if (readable)
        *readable = true;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return {};
    QFile file(path);
    if (!info.isFile() || info.size() > MaximumSize || !file.open(QIODevice::ReadOnly)) {
        if (readable)
            *readable = false;
        return {};
    }
    QByteArray bytes = file.readAll();
    if (bytes.size() > MaximumSize || file.error() != QFileDevice::NoError) {
        if (readable)
            *readable = false;
        return {};
    }
    return IniDocument(std::move(bytes));
}

QByteArrayView IniDocument::content(qsizetype index) const
{
    const Line &line = m_lines[std::size_t(index)];
    if (line.added)
        return m_added[std::size_t(line.start)];
    QByteArrayView text(m_raw.constData() + line.start, line.length);
    return index == 0 ? text.sliced(m_byteOrderMark) : text;
}

IniDocument::Parsed IniDocument::parse(qsizetype index) const
{
    QByteArrayView text = content(index);
    if (const void *nul = std::memchr(text.data(), '\0', std::size_t(text.size())))
        text.truncate(static_cast<const char *>(nul) - text.data());
    // A lone CR ends the line too: the writer writes one as a space, so a value holding one
    // would change at the next save ("280\r200" read as 280, written back as 280200).
    if (const void *cr = std::memchr(text.data(), '\r', std::size_t(text.size())))
        text.truncate(static_cast<const char *>(cr) - text.data());
    text = trimmed(text);
    Parsed parsed;
    if (text.startsWith('[')) {
        // Without its "]" the line names no section and its keys stay in the one above.
        const qsizetype close = text.indexOf(']');
        if (close > 0) {
            parsed.kind = Kind::Section;
            parsed.name = trimmed(text.sliced(1, close - 1));
        }
        return parsed;
    }
    if (text.startsWith(';'))
        return parsed;
    const qsizetype equals = text.indexOf('=');
    if (equals <= 0)
        return parsed;
    parsed.name = trimmed(text.first(equals));
    if (!parsed.name.isEmpty()) {
        parsed.kind = Kind::Key;
        parsed.value = trimmed(text.sliced(equals + 1));
    }
    return parsed;
}

bool IniDocument::nameMatches(QByteArrayView name, QStringView wanted) const
{
    // A UTF-16 unit takes one to three bytes: longer or shorter names cannot match, and are not
    // decoded, so a line of several megabytes costs nothing here. A byte-order mark opening the
    // name (files joined one after the other) is dropped by the decoding and takes no unit.
    if (name.size() < wanted.size() || name.size() - byteOrderMarkLength(name) > 3 * wanted.size())
        return false;
    return decode(name, m_encoding).compare(wanted, Qt::CaseInsensitive) == 0;
}

qsizetype IniDocument::findSection(QStringView section) const
{
    for (qsizetype i = 0; i < qsizetype(m_lines.size()); ++i)
        if (m_lines[std::size_t(i)].kind == Kind::Section && nameMatches(parse(i).name, section))
            return i;
    return -1;
}

qsizetype IniDocument::findKey(qsizetype sectionLine, QStringView key) const
{
    const qsizetype end = sectionEnd(sectionLine);
    for (qsizetype i = sectionLine + 1; i < end; ++i)
        if (m_lines[std::size_t(i)].kind == Kind::Key && nameMatches(parse(i).name, key))
            return i;
    return -1;
}

qsizetype IniDocument::sectionEnd(qsizetype sectionLine) const
{
    qsizetype i = sectionLine + 1;
    while (i < qsizetype(m_lines.size()) && m_lines[std::size_t(i)].kind != Kind::Section)
        ++i;
    return i;
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    section = section.trimmed();
    key = key.trimmed();
    if (section.isEmpty() || key.isEmpty())
        return std::nullopt;
    const qsizetype sectionLine = findSection(section);
    if (sectionLine < 0)
        return std::nullopt;
    const qsizetype keyLine = findKey(sectionLine, key);
    if (keyLine < 0)
        return std::nullopt;
    return decode(parse(keyLine).value, m_encoding);
}

IniDocument::Line IniDocument::addLine(QByteArray text, Kind kind, quint8 breakLength)
{
    m_added.push_back(std::move(text));
    m_modified = true;
    return Line{qsizetype(m_added.size()) - 1, m_added.back().size(), breakLength, true, kind};
}

// The line break of a line written after line `index` (-1: none, a new file). One rule for a
// grouped save and for one save per key, so both give the same file: a new line takes the
// break of the line before it, CR LF in a new file. A last line without a break gains one the
// same way, and is kept as the next read will see it: "k=280\r" followed by LF reads as
// "k=280" ending in CR LF, which a later rewrite of that line must keep.
quint8 IniDocument::breakAfter(qsizetype index)
{
    if (index < 0)
        return 2;
    Line &line = m_lines[std::size_t(index)];
    if (line.breakLength == 0) {
        line.breakLength = index == 0 ? 2 : m_lines[std::size_t(index - 1)].breakLength;
        if (line.breakLength == 1 && !line.added && line.length > 0
            && m_raw[line.start + line.length - 1] == '\r') {
            line.breakLength = 2;
            --line.length;
        }
    }
    return line.breakLength;
}

// As a reader of the file written so far sees it: replacing the one line that was not UTF-8
// makes a UTF-8 file, and the next key must then be written as one, or a grouped save would
// differ from one save per key. A line break cannot be part of a UTF-8 sequence, so the file
// is valid UTF-8 exactly when every line is.
void IniDocument::detectEncodingAgain()
{
    for (qsizetype i = 0; i < qsizetype(m_lines.size()); ++i) {
        if (!content(i).isValidUtf8()) {
            m_encoding = TextEncoding::Windows1252;
            return;
        }
    }
    m_encoding = TextEncoding::Utf8;
}

void IniDocument::setValue(QStringView section, QStringView key, QStringView value)
{
    if (m_modified && m_encoding == TextEncoding::Windows1252) // UTF-8 written into UTF-8 stays so
        detectEncodingAgain();

    const QString sectionName = oneLine(section).trimmed();
    const QString keyName = oneLine(key).trimmed();
    if (sectionName.isEmpty() || keyName.isEmpty())
        return;
    const QByteArray encodedValue = encode(oneLine(value), m_encoding);

    const qsizetype sectionLine = findSection(sectionName);
    if (sectionLine < 0) {
        const quint8 breakLength = breakAfter(qsizetype(m_lines.size()) - 1);
        m_lines.push_back(addLine('[' + encode(sectionName, m_encoding) + ']', Kind::Section, breakLength));
        m_lines.push_back(addLine(encode(keyName, m_encoding) + '=' + encodedValue, Kind::Key, breakLength));
        return;
    }
    const qsizetype keyLine = findKey(sectionLine, keyName);
    if (keyLine >= 0) {
        // The key keeps the spelling it has in the file; only its value changes.
        QByteArray text = parse(keyLine).name.toByteArray() + '=' + encodedValue;
        if (text == content(keyLine))
            return;
        Line &line = m_lines[std::size_t(keyLine)];
        line = addLine(std::move(text), Kind::Key, line.breakLength); // keeps its own break
        return;
    }
    qsizetype insertAt = sectionEnd(sectionLine);
    while (insertAt - 1 > sectionLine && trimmed(content(insertAt - 1)).isEmpty())
        --insertAt;
    const Line line = addLine(encode(keyName, m_encoding) + '=' + encodedValue, Kind::Key, breakAfter(insertAt - 1));
    m_lines.insert(m_lines.begin() + insertAt, line);
}

QByteArray IniDocument::toBytes() const
{
    qsizetype size = m_raw.size() + 2;
    for (const QByteArray &text : m_added)
        size += text.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        if (line.added)
            bytes.append(m_added[std::size_t(line.start)]);
        else
            bytes.append(m_raw.constData() + line.start, line.length);
        if (line.breakLength == 2)
            bytes.append("\r\n", 2);
        else if (line.breakLength == 1)
            bytes.append('\n');
    }
    return bytes;
}

} // namespace Commun
