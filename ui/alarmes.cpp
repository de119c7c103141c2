#include "alarmes.h"

#include "textdecoding.h"

#include <QFile>

LignesAlarme chargerAlarmes(const QString &fichierAlarme, const QString &sautLigne)
{
    LignesAlarme lignes;
    QFile file(fichierAlarme);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString absent = QStringLiteral("le fichier \"%1\" n'est pas disponible").arg(fichierAlarme);
        std::fill(lignes.begin(), lignes.begin() + 10, absent);
        return lignes;
    }
    // A read error ends the loop like the end of the file: what was read is kept.
    for (QString &ligne : lignes) {
        if (file.atEnd())
            break;
        QByteArray bytes = file.readLine();
        if (bytes.endsWith('\n'))
            bytes.chop(1);
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        ligne = Commun::decodeText(bytes);
        if (ligne.isEmpty())
            break;
        for (qsizetype i = 0; i < std::min<qsizetype>(3, ligne.size()); ++i)
            ligne[i] = QLatin1Char(' ');
        const qsizetype at = ligne.indexOf(QStringLiteral("&&"));
        if (at >= 0)
            ligne.replace(at, 2, sautLigne);
    }
    return lignes;
}
