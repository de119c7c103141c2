#pragma once

// A plain reading of the private-profile layout, line by line, to compare the settings module
// with. Slow and simple on purpose.

#include "check.h"
#include "settings/textdecoding.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QString>
#include <QTemporaryDir>

#include <optional>
#include <string>

namespace fuzz {

// Lines with their line break bytes, so that joining them gives the file back.
inline QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        const qsizetype end = newline < 0 ? bytes.size() : newline + 1;
        lines.append(bytes.mid(start, end - start));
        start = end;
    }
    return lines;
}

inline bool isIniBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

inline QByteArray iniTrimmed(QByteArray text)
{
    while (!text.isEmpty() && isIniBlank(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && isIniBlank(text.back()))
        text.chop(1);
    return text;
}

struct IniEntry {
    qsizetype sectionIndex; // in IniFile::sections
    QString key;
    QString value;
};

struct IniFile {
    QStringList sections; // every section line, in file order
    QList<IniEntry> entries;
};

// Every section line, and every key line under one, in file order, names and values decoded as
// the file is.
inline IniFile entriesOf(const QByteArray &bytes)
{
    const Commun::TextEncoding encoding = Commun::detectEncoding(bytes);
    IniFile file;
    const QList<QByteArray> lines = linesOf(bytes.mid(Commun::byteOrderMarkLength(bytes)));
    for (QByteArray line : lines) {
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        // NUL and a CR that is not part of the line break end the line.
        if (const qsizetype nul = line.indexOf('\0'); nul >= 0)
            line.truncate(nul);
        if (const qsizetype cr = line.indexOf('\r'); cr >= 0)
            line.truncate(cr);
        line = iniTrimmed(line);
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            if (close > 0)
                file.sections.append(Commun::decode(iniTrimmed(line.mid(1, close - 1)), encoding));
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (file.sections.isEmpty() || line.startsWith(';') || equals <= 0)
            continue;
        const QByteArray name = iniTrimmed(line.left(equals));
        if (!name.isEmpty())
            file.entries.append({file.sections.size() - 1, Commun::decode(name, encoding),
                                 Commun::decode(iniTrimmed(line.mid(equals + 1)), encoding)});
    }
    return file;
}

// A name in the file (its blanks already cut) against a name asked for.
inline bool sameName(const QString &inFile, const QString &wanted)
{
    return inFile.compare(wanted.trimmed(), Qt::CaseInsensitive) == 0;
}

// The value a reader finds: first matching section, first matching key in it.
inline std::optional<QString> referenceValue(const IniFile &file, const QString &section, const QString &key)
{
    if (section.trimmed().isEmpty() || key.trimmed().isEmpty())
        return std::nullopt;
    qsizetype first = -1;
    for (qsizetype i = 0; i < file.sections.size() && first < 0; ++i)
        if (sameName(file.sections[i], section))
            first = i;
    for (const IniEntry &entry : file.entries)
        if (entry.sectionIndex == first && sameName(entry.key, key))
            return entry.value;
    return std::nullopt;
}

inline std::string shown(const QString &text) { return visible(text.toStdString()); }
inline std::string shown(const QByteArray &bytes) { return visible(bytes.toStdString()); }

// One settings file per fuzzing process, rewritten for every input.
inline const QString &settingsFile()
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Chronalys_CD4060.INI"));
    return path;
}

} // namespace fuzz
