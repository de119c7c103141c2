// The settings file writer on any file: the keys written read back exactly, every other key
// reads as before, and every line the writer did not touch stays byte for byte.

#include "check.h"
#include "settings/commun.h"
#include "settings/inidocument.h"
#include "inireference.h"
#include "settings/textdecoding.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <string>

namespace {

using fuzz::settingsFile;
using fuzz::shown;
using fuzz::visible;

const char *const Sections[] = {"parametres", "Position_0", "PARAMETRES", " parametres ", "Position_1"};
const char *const Keys[] = {"E12E24", "Valeur_T", "Valeur_T1", "K4060", "Significatif",
                            "Haut",   "Droite",   "Hauteur",   "Largeur", "k4060"};

// A section or key name the layout can hold: printable ASCII, no "]" in a section, no "=" in a
// key, and no line that would read as a comment or a section.
QString nameFrom(FuzzedDataProvider &input, const char *const *names, std::size_t count, bool section)
{
    const std::size_t pick = input.ConsumeIntegralInRange<std::size_t>(0, count);
    if (pick < count)
        return QString::fromLatin1(names[pick]);
    QString name;
    for (const char c : input.ConsumeRandomLengthString(12))
        if (c > ' ' && c < 0x7F && c != (section ? ']' : '=') && !(name.isEmpty() && !section && (c == '[' || c == ';')))
            name += QLatin1Char(c);
    return name.isEmpty() ? QStringLiteral("x") : name;
}

// The text a written value reads back as: one line, in the file's encoding, blanks around cut.
// The encoding is found from the content, so a file whose one non-UTF-8 line is replaced by
// Windows-1252 bytes that happen to form UTF-8 (mojibake such as "Ã©") is read as UTF-8 from
// then on: the bytes are the ones written, their reading follows the whole file.
QString expectedValue(const QString &value, Commun::TextEncoding written, Commun::TextEncoding read)
{
    QString line = value;
    for (QChar &c : line)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.isNull())
            c = QLatin1Char(' ');
    return Commun::decode(fuzz::iniTrimmed(Commun::encode(line, written)), read);
}

// `after` must be `before` with one line replaced (same line break), or one or two lines added.
void checkUntouchedLines(const QByteArray &before, const QByteArray &after, const std::string &detail)
{
    if (before == after)
        return;
    const QList<QByteArray> old = fuzz::linesOf(before);
    const QList<QByteArray> now = fuzz::linesOf(after);
    // The same line; the file's last line, when it had no line break, may have gained one.
    const auto same = [&](qsizetype o, qsizetype n) {
        const QByteArray &was = old[o];
        const QByteArray &is = now[n];
        return was == is
               || (o == old.size() - 1 && !was.endsWith('\n') && (is == was + "\n" || is == was + "\r\n"));
    };
    qsizetype prefix = 0;
    while (prefix < old.size() && prefix < now.size() && same(prefix, prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix
           && same(old.size() - 1 - suffix, now.size() - 1 - suffix))
        ++suffix;
    const qsizetype removed = old.size() - prefix - suffix;
    const qsizetype added = now.size() - prefix - suffix;
    const bool replaced = removed == 1 && added == 1;
    const bool inserted = removed == 0 && (added == 1 || (added == 2 && suffix == 0));
    FUZZ_CHECK(replaced || inserted, detail + " removed " + std::to_string(removed) + " added " + std::to_string(added)
                                         + " after " + shown(after.left(600)));
    if (replaced) {
        const QByteArray &was = old[prefix];
        const QByteArray &is = now[prefix];
        const auto breakOf = [](const QByteArray &line) { return line.endsWith("\r\n") ? 2 : line.endsWith('\n') ? 1 : 0; };
        FUZZ_CHECK(breakOf(was) == breakOf(is), detail);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    QList<Commun::EntreeINI> entries;
    const int count = input.ConsumeIntegralInRange(1, 3);
    for (int i = 0; i < count; ++i) {
        Commun::EntreeINI entry;
        entry.section = nameFrom(input, Sections, std::size(Sections), true);
        entry.key = nameFrom(input, Keys, std::size(Keys), false);
        const std::string value = input.ConsumeRandomLengthString(300);
        entry.value = input.ConsumeBool() ? QString::fromUtf8(value.data(), qsizetype(value.size()))
                                          : QString::fromLatin1(value.data(), qsizetype(value.size()));
        entries.append(entry);
    }
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray original(rest.data(), qsizetype(rest.size()));
    const std::string detail = "file " + shown(original.left(400));

    // One key at a time, each write checked on its own.
    QByteArray bytes = original;
    for (const Commun::EntreeINI &entry : entries) {
        const std::string write = detail + " writes [" + shown(entry.section) + "] " + shown(entry.key) + "="
                                  + shown(entry.value) + " on " + shown(bytes.left(400));
        Commun::IniDocument document(bytes);
        document.setValue(entry.section, entry.key, entry.value);
        const QByteArray next = document.toBytes();
        checkUntouchedLines(bytes, next, write);

        const Commun::IniDocument reread(next);
        const Commun::TextEncoding before = Commun::detectEncoding(bytes);
        const Commun::TextEncoding after = Commun::detectEncoding(next);
        const QString expected = expectedValue(entry.value, before, after);
        const std::optional<QString> value = reread.value(entry.section, entry.key);
        FUZZ_CHECK(value == expected, write + " reads " + (value ? shown(*value) : "nothing") + " expected " + shown(expected));

        // Other keys read as before, unless the rewritten line was the one that made the file
        // Windows-1252: then every line is read as the UTF-8 it is.
        const Commun::IniDocument previous(bytes);
        const fuzz::IniFile keys = fuzz::entriesOf(bytes);
        for (qsizetype i = 0; before == after && i < std::min<qsizetype>(keys.entries.size(), 16); ++i) {
            const QString &section = keys.sections[keys.entries[i].sectionIndex];
            const QString &key = keys.entries[i].key;
            if (fuzz::sameName(section, entry.section) && fuzz::sameName(key, entry.key))
                continue;
            // A name with a Unicode space at an end (a no-break space) cannot be asked for: the
            // name asked for loses it, the one in the file keeps it.
            if (section != section.trimmed() || key != key.trimmed())
                continue;
            FUZZ_CHECK(previous.value(section, key) == reread.value(section, key),
                       write + " changes [" + shown(section) + "] " + shown(key));
        }
        bytes = next;
    }

    // All of them in one save, as "Quitter" does: the same file as one write per key.
    const QString &path = settingsFile();
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(original) == original.size(),
                   "cannot write the settings file");
    }
    Commun::Ecrire_INI(entries, path);
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly), detail);
    const QByteArray saved = file.readAll();
    FUZZ_CHECK(saved == bytes, detail + " grouped save " + shown(saved.left(600)) + " one by one " + shown(bytes.left(600)));
    return 0;
}
