// The settings file reader on any bytes: the private-profile lookups, the five parameters with
// their fallbacks, and the parameters written back reading as they were.

#include "check.h"
#include "settings/commun.h"
#include "settings/commun_p.h"
#include "settings/inidocument.h"
#include "inireference.h"
#include "calc/numbertext.h"
#include "settings/parametres.h"
#include "settings/textdecoding.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <string>

namespace {

using fuzz::settingsFile;
using fuzz::shown;
using fuzz::visible;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
               "cannot write " + path.toStdString());
}

struct Name {
    const char *section;
    const char *key;
};
constexpr Name ProgramKeys[] = {
    {"parametres", "E12E24"}, {"parametres", "Significatif"}, {"parametres", "Valeur_T"},
    {"parametres", "Valeur_T1"}, {"parametres", "K4060"},     {"Position_0", "Haut"},
    {"Position_0", "Droite"},   {"Position_0", "Hauteur"},     {"Position_0", "Largeur"}};

void checkLookup(const Commun::IniDocument &document, const fuzz::IniFile &reference, const QString &section,
                 const QString &key, const std::string &detail)
{
    const std::optional<QString> value = document.value(section, key);
    const std::optional<QString> expected = fuzz::referenceValue(reference, section, key);
    const std::string where = detail + " [" + shown(section) + "] " + shown(key);
    FUZZ_CHECK(value == expected, where + " reads " + (value ? shown(*value) : "nothing") + " expected "
                                      + (expected ? shown(*expected) : "nothing"));
    const QString read = Commun::detail::readValue(document, section, key, QStringLiteral("absent"));
    FUZZ_CHECK(read.size() <= 254, where);
    FUZZ_CHECK(value || read == QStringLiteral("absent"), where);
    FUZZ_CHECK(!read.contains(QLatin1Char('\n')) && !read.contains(QLatin1Char('\r')) && !read.contains(QChar()),
               where + " reads " + shown(read));
}

// What a value written with Ecrire_INI reads as: one line, blanks around it cut, then one pair
// of enclosing quotes removed, at most 254 characters.
QString readAsWritten(QString value)
{
    for (QChar &c : value)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.isNull())
            c = QLatin1Char(' ');
    QByteArray latin = value.toUtf8(); // blanks are ASCII, so cutting them bytewise is exact
    value = QString::fromUtf8(fuzz::iniTrimmed(latin));
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
        && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    if (value.size() > 254)
        value.truncate(value[253].isHighSurrogate() ? 253 : 254);
    return value;
}

void checkParametres(const QByteArray &bytes, const std::string &detail)
{
    const QString &path = settingsFile();
    writeFile(path, bytes);
    const Commun::Parametres p = Commun::Lire_Parametres(path);
    const std::string values = detail + " E12E24 " + std::to_string(p.Pas_Serie) + " Significatif "
                               + std::to_string(p.Mode_Affichage) + " K " + std::to_string(p.Constante_K4060)
                               + " T " + shown(p.Valeur_T) + " T1 " + shown(p.Valeur_T1);
    FUZZ_CHECK(p.Pas_Serie == 1 || p.Pas_Serie == 2, values);
    FUZZ_CHECK(p.Mode_Affichage >= 0 && p.Mode_Affichage <= 5, values);
    FUZZ_CHECK(std::isfinite(p.Constante_K4060) && p.Constante_K4060 > 0, values);
    FUZZ_CHECK(!p.Valeur_T.contains(QLatin1Char(',')) && !p.Valeur_T1.contains(QLatin1Char(',')), values);
    FUZZ_CHECK(p.Valeur_T.size() <= 254 && p.Valeur_T1.size() <= 254, values);

    // "Quitter" writes them back; the next start reads the same settings.
    const QList<Commun::EntreeINI> entries = Commun::Entrees_Parametres(p);
    FUZZ_CHECK(calc::leadingNumber(entries[3].value.toStdString()) / 1e8 == p.Constante_K4060,
               values + " K4060 written " + shown(entries[3].value));
    Commun::Ecrire_INI(entries, path);
    const Commun::Parametres again = Commun::Lire_Parametres(path);
    QFile file(path);
    const QByteArray after = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const std::string both = values + " file after " + shown(after) + " T " + shown(again.Valeur_T) + " T1 "
                             + shown(again.Valeur_T1);
    // The encoding is found from the content: when the save rewrote the one line that was not
    // UTF-8, the whole file reads as UTF-8 from then on, and a name that only matched as
    // Windows-1252 text (or only as UTF-8, such as one opening with a byte-order mark) may not.
    // Such a file mixes two encodings; the values then follow the new reading.
    if (Commun::detectEncoding(after) != Commun::detectEncoding(bytes))
        return;
    FUZZ_CHECK(again.Pas_Serie == p.Pas_Serie && again.Mode_Affichage == p.Mode_Affichage, both);
    FUZZ_CHECK(again.Constante_K4060 == p.Constante_K4060, both);
    FUZZ_CHECK(again.Valeur_T == readAsWritten(p.Valeur_T), both);
    FUZZ_CHECK(again.Valeur_T1 == readAsWritten(p.Valeur_T1), both);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::string detail = "file " + shown(bytes.left(400));

    const Commun::IniDocument document(bytes);
    // Read and written back untouched, a file stays byte for byte what it was.
    FUZZ_CHECK(!document.isModified() && document.toBytes() == bytes, detail);

    const fuzz::IniFile reference = fuzz::entriesOf(bytes);
    for (const Name &name : ProgramKeys)
        checkLookup(document, reference, QLatin1String(name.section), QLatin1String(name.key), detail);
    // And the names the file itself holds, a few of them.
    for (qsizetype i = 0; i < std::min<qsizetype>(reference.entries.size(), 12); ++i) {
        const fuzz::IniEntry &entry = reference.entries[i];
        checkLookup(document, reference, reference.sections[entry.sectionIndex], entry.key, detail);
    }
    checkParametres(bytes, detail);
    return 0;
}
