#pragma once

#include "settings/commun.h"

#include "calc/numbertext.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The interface's language: French, the language the program was written in, or English.
namespace Commun {

enum class Langue { Francais, Anglais };

// The environment a language is chosen from, as the C library reads it for messages.
struct EnvironnementLangue {
    QString language;   // LANGUAGE: a colon-separated list of languages
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG
};
EnvironnementLangue environnementLangue(); // the running process's

// French when the first interface language the environment names is French, when the locale
// is C or POSIX, or when nothing is set; English for any other language.
Langue langueDuSysteme(const EnvironnementLangue &environnement);

// "fr" or "en" (blanks and case aside); nothing for any other text.
std::optional<Langue> langueDuCode(const QString &code);
QString codeDeLangue(Langue langue);

// `--langue CODE` among the arguments: nothing when absent; `erreur` set when the option has no
// value or an unknown one (the last occurrence counts).
struct OptionLangue {
    std::optional<Langue> langue;
    bool erreur = false;
};
OptionLangue optionLangue(const QStringList &arguments);
QString erreurOptionLangue(); // the message for a wrong --langue, in the language in use

// Key "Langue" of section "parametres": present only once the user chose.
std::optional<Langue> Lire_Langue(const QString &file = {});
// The key for the single save: nothing when the user never chose (a key already in the file
// stays as it is).
QList<EntreeINI> Entrees_Langue(std::optional<Langue> choisie);

// The option, else the settings key, else the system's language.
Langue langueAuDemarrage(const OptionLangue &option, std::optional<Langue> reglage,
                         const EnvironnementLangue &environnement);
// Installs that language from the command line, Chemin_INI() and the process's environment
// (Chemin_Fichier_INI first). False for a wrong --langue: the settings' or the system's
// language is installed then, for the message.
bool installerLangueAuDemarrage(const QStringList &arguments);

// Installs the English translation of the program's texts, or removes it for French; Qt then
// sends every widget a LanguageChange. Chemin_Aide() and Chemin_Alarme() follow.
void installerLangue(Langue langue);
Langue langue(); // the one installed last; French before any
// How the interface installed last writes numbers.
calc::Notation notation();
// From now on installerLangue also gives Qt's own dialogs (files, printing, message-box buttons)
// the system's translation of Qt for French, or stops doing so; the window asks for it, the
// command line needs none.
void traduireDialoguesQt(bool oui = true);

} // namespace Commun
