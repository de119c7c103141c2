#pragma once

#include "settings/commun.h"
#include "calc/precision.h"

#include <QList>
#include <QStringList>
#include <QString>

namespace Commun {

// The five keys of section "parametres", shared by the window and the command-line calculation
// so both read them alike. Values outside the working range fall back to the defaults.
struct Parametres {
    int Pas_Serie = 1;                // "E12E24": 1 = E24, 2 = E12
    int Mode_Affichage = 4;           // "Significatif": 0 raw, 1 to 5 significant digits
    double Constante_K4060 = 2.8e-6;  // "K4060" / 1e8: seconds per (kilohm x nanofarad), > 0
    QString Valeur_T = QStringLiteral("18000"); // period field text, seconds
    QString Valeur_T1 = QStringLiteral("25");   // pulse field text, seconds
    // "K4060" as stored when it gave Constante_K4060, written back as it was ("2.8e2" stays).
    QString texteK4060 = QStringLiteral("280");
};

// Reads the five keys (leading-number rule; "E12E24" and "Significatif" rounded half to even;
// "," replaced by "." in Valeur_T and Valeur_T1). An empty file means Chemin_INI().
Parametres Lire_Parametres(const QString &file = {});

// "E12E24", "Valeur_T", "Valeur_T1", "K4060", "Significatif" in that order, ready for
// Ecrire_INI; to be joined with Entrees_Sauve_Position for a single save on "Quitter".
QList<EntreeINI> Entrees_Parametres(const Parametres &parametres);

// Section "precision": "Tolerance_R", "Tolerance_C", "Dispersion_K", "Tolerance_Ajustable", in
// percent. Leading-number rule; a value outside 0 to 50 reads as the default.
calc::Tolerances Lire_Precision(const QString &file = {});
// The four keys in that order, written in general number form, for the same single save;
// nothing when all four are the defaults and the file has none of them, so a first "Quitter"
// writes the nine keys alone.
QList<EntreeINI> Entrees_Precision(const calc::Tolerances &tolerances, const QString &file = {});

// Section "recents": the design files opened or saved last, newest first, at most MaxRecents.
inline constexpr int MaxRecents = 8;
QStringList Lire_Recents(const QString &file = {});
// "Fichier1" to "Fichier8" (empty past the list) for the same single save; nothing when the list
// is empty and the file has no such key, so a first "Quitter" adds no section.
QList<EntreeINI> Entrees_Recents(const QStringList &recents, const QString &file = {});

void Ecrire_Parametres(const Parametres &parametres, const QString &file = {});

} // namespace Commun
