#include "settings/language.h"

#include "settings/commun_p.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Commun {

namespace {

const QString Section = QStringLiteral("parametres");
const QString Key = QStringLiteral("Langue");
const QString Option = QStringLiteral("--langue");

struct Translators {
    Langue langue = Langue::Francais;
    bool dialoguesQt = false;
    QTranslator program; // chronalys_en.qm
    QTranslator qt;      // qtbase_fr.qm of the system's Qt
};

Translators &translators()
{
    static Translators t;
    return t;
}

// "fr_CA.UTF-8@euro" gives "fr_ca": the language and territory, without codeset or modifier.
QString languagePart(const QString &value)
{
    QString name = value.trimmed().toLower();
    for (const QChar end : {QLatin1Char('.'), QLatin1Char('@')})
        if (const qsizetype at = name.indexOf(end); at >= 0)
            name.truncate(at);
    return name;
}

bool isFrench(const QString &language)
{
    return language == QLatin1String("fr") || language.startsWith(QLatin1String("fr_"))
        || language.startsWith(QLatin1String("fr-"));
}

} // namespace

EnvironnementLangue environnementLangue()
{
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
            qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG")};
}

Langue langueDuSysteme(const EnvironnementLangue &environnement)
{
    // The C library's order: LC_ALL, then LC_MESSAGES, then LANG give the locale; LANGUAGE is
    // heard only for a locale other than C.
    QString locale;
    for (const QString *value : {&environnement.lcAll, &environnement.lcMessages, &environnement.lang})
        if (locale.isEmpty())
            locale = languagePart(*value);
    if (locale.isEmpty() || locale == QLatin1String("c") || locale == QLatin1String("posix"))
        return Langue::Francais;
    for (const QString &entry : environnement.language.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (const QString first = languagePart(entry); !first.isEmpty())
            return isFrench(first) ? Langue::Francais : Langue::Anglais;
    return isFrench(locale) ? Langue::Francais : Langue::Anglais;
}

std::optional<Langue> langueDuCode(const QString &code)
{
    const QString text = code.trimmed().toLower();
    if (text == QLatin1String("fr"))
        return Langue::Francais;
    if (text == QLatin1String("en"))
        return Langue::Anglais;
    return std::nullopt;
}

QString codeDeLangue(Langue langue)
{
    return langue == Langue::Anglais ? QStringLiteral("en") : QStringLiteral("fr");
}

OptionLangue optionLangue(const QStringList &arguments)
{
    OptionLangue option;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != Option)
            continue;
        option.langue = i + 1 < arguments.size() ? langueDuCode(arguments[i + 1]) : std::nullopt;
        option.erreur = !option.langue.has_value();
    }
    return option;
}

QString erreurOptionLangue()
{
    return QCoreApplication::translate("Langue", "--langue attend fr ou en");
}

std::optional<Langue> Lire_Langue(const QString &file)
{
    return langueDuCode(Lire_INI(Section, Key, QString(), file));
}

QList<EntreeINI> Entrees_Langue(std::optional<Langue> choisie)
{
    if (!choisie.has_value())
        return {};
    return {{Section, Key, codeDeLangue(*choisie)}};
}

Langue langueAuDemarrage(const OptionLangue &option, std::optional<Langue> reglage,
                         const EnvironnementLangue &environnement)
{
    if (option.langue.has_value())
        return *option.langue;
    return reglage.value_or(langueDuSysteme(environnement));
}

bool installerLangueAuDemarrage(const QStringList &arguments)
{
    const OptionLangue option = optionLangue(arguments);
    installerLangue(langueAuDemarrage(option, Lire_Langue(), environnementLangue()));
    return !option.erreur;
}

void installerLangue(Langue langue)
{
    Translators &t = translators();
    t.langue = langue;
    QCoreApplication::removeTranslator(&t.program);
    QCoreApplication::removeTranslator(&t.qt);
    if (langue == Langue::Anglais) {
        if (t.program.isEmpty())
            (void)t.program.load(QStringLiteral(":/i18n/chronalys_en.qm"));
        QCoreApplication::installTranslator(&t.program);
    } else if (t.dialoguesQt) {
        // qtbase_fr.qm and its siblings: the Debian package qt6-translations-l10n puts them there.
        if (t.qt.isEmpty())
            (void)t.qt.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        QCoreApplication::installTranslator(&t.qt);
    }
}

Langue langue()
{
    return translators().langue;
}

calc::Notation notation()
{
    return langue() == Langue::Anglais ? calc::Notation::English : calc::Notation::French;
}

void traduireDialoguesQt(bool oui)
{
    translators().dialoguesQt = oui;
}

} // namespace Commun
