#pragma once

#include <QList>
#include <QString>

// The module Commun: the side files beside the executable and the settings file.
namespace Commun {

// Sets the module state from the running program and returns the base path (folder, separator,
// Nom_Base). The command line is the arguments after the program name joined by single spaces,
// as the platform hands it to a program. Needs the QCoreApplication; call it first of all.
//
// Where the files are, decided once here:
// - alarm and help files: beside the executable when there; otherwise in the installed data
//   folder (share/chronalys-cd4060 next to bin/) when there; otherwise beside the executable,
//   so that a missing-file message names the first place looked;
// - settings file: beside the executable when it exists there; otherwise, for an installed
//   program (its data folder exists), in the user's configuration folder
//   (QStandardPaths::AppConfigLocation); otherwise beside the executable when the permission
//   bits let this user write its folder, else in the user's configuration folder.
QString Chemin_Fichier_INI();
// Same from any executable path and command line.
QString Chemin_Fichier_INI(const QString &executablePath, const QString &commandLine);

// A helper program installed beside the main one (the command-line calculation) reads the main
// program's files: after this call, Chemin_Fichier_INI() answers as for an executable named
// `executableName` in the helper's folder.
void useFilesOf(const QString &executableName);

// Module state, set by Chemin_Fichier_INI. Paths use the platform's own separator.
QString Saut_Ligne();   // CR LF
int Mode_Diagnostic();  // 1-based position of "BUG" in the upper-cased command line, 0 = off,
                        // at most 32767 (16-bit, clamped so a far position still counts)
QString Nom_Base();     // executable name without extension and without its "_(...)" tag
QString Chemin_INI();
// In English (settings/language.h), "…_Aide_en.TXT" and "…_Alarme_en.TXT" when they exist.
QString Chemin_Aide();
QString Chemin_Alarme();
int Compte_Sauve();     // Sauve_Position calls so far in this run
int Compte_Restaure();  // Restaure_Position calls so far in this run

// For tests only: puts the module state back as it is at program start.
void reinitialiser();

// Private-profile reading: the value of `key` in `section`, blanks around it and one pair of
// enclosing quotes removed; `defaultValue` (trailing blanks removed) when the file, the section
// or the key is absent. A present empty value reads as empty. Both are cut to 254 characters.
// An empty file means Chemin_INI().
QString Lire_INI(const QString &section, const QString &key, const QString &defaultValue,
                 const QString &file = {});

// Stores `value` under `key` in `section`, replacing it in place or appending the key at the
// end of its section, or the section at the end of the file; other lines are kept as they are.
// The file is replaced atomically; a failed write changes nothing, tells the user nothing and
// prints one line on stderr.
void Ecrire_INI(const QString &section, const QString &key, const QString &value,
                const QString &file = {});

struct EntreeINI {
    QString section;
    QString key;
    QString value;
};

// Several keys in one atomic replacement of the file, so a kill never leaves some written and
// others not. The file ends as after one Ecrire_INI per entry, in order.
void Ecrire_INI(const QList<EntreeINI> &entries, const QString &file = {});

} // namespace Commun
