#pragma once

// The two settings a "Quitter" could leave, as one grouped save each: every key of the program,
// with values of different lengths so that a file mixing them cannot pass for either.

#include "settings/commun.h"
#include "settings/parametres.h"

#include <QList>
#include <QString>

inline QList<Commun::EntreeINI> positionEntries(const char *haut, const char *droite, const char *hauteur,
                                                const char *largeur)
{
    const QString section = QStringLiteral("Position_0");
    return {{section, QStringLiteral("Haut"), QLatin1String(haut)},
            {section, QStringLiteral("Droite"), QLatin1String(droite)},
            {section, QStringLiteral("Hauteur"), QLatin1String(hauteur)},
            {section, QStringLiteral("Largeur"), QLatin1String(largeur)}};
}

inline QList<Commun::EntreeINI> contenuA()
{
    return Commun::Entrees_Parametres(Commun::Parametres{}) + positionEntries("0", "0", "7200", "9600");
}

inline QList<Commun::EntreeINI> contenuB()
{
    Commun::Parametres p;
    p.Pas_Serie = 2;
    p.Mode_Affichage = 0;
    p.Valeur_T = QStringLiteral("3,5");
    p.Valeur_T1 = QString(200, QLatin1Char('1')) + QStringLiteral(",25");
    p.Constante_K4060 = 3.1e-6;
    p.texteK4060 = QStringLiteral("310");
    return Commun::Entrees_Parametres(p) + positionEntries("-1234.5", "987654", "15", "31000");
}
