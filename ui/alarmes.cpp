#include "ui/alarmes.h"

#include "settings/textdecoding.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// One line of the file without its line end; true when the messages go on after it.
bool ajouterLigne(QByteArray bytes, QString &ligne, const QString &sautLigne)
{
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    ligne = Commun::decodeText(bytes);
    if (ligne.isEmpty())
        return false;
    // Three characters, not three UTF-16 units: a character beyond the 16-bit plane is blanked
    // whole, or half of it would be left to draw.
    qsizetype unites = 0;
    int caracteres = 0;
    for (; caracteres < 3 && unites < ligne.size(); ++caracteres) {
        const bool paire = ligne[unites].isHighSurrogate() && unites + 1 < ligne.size()
                           && ligne[unites + 1].isLowSurrogate();
        unites += paire ? 2 : 1;
    }
    ligne.replace(0, unites, QString(caracteres, QLatin1Char(' ')));
    const qsizetype at = ligne.indexOf(QStringLiteral("&&"));
    if (at >= 0)
        ligne.replace(at, 2, sautLigne);
    return true;
}

} // namespace

LignesAlarme lignesAlarme(const QByteArray &contenu, const QString &sautLigne)
{
    LignesAlarme lignes;
    qsizetype debut = 0;
    for (QString &ligne : lignes) {
        if (debut >= contenu.size())
            break;
        const qsizetype fin = contenu.indexOf('\n', debut);
        const qsizetype suivant = fin < 0 ? contenu.size() : fin + 1;
        if (!ajouterLigne(contenu.sliced(debut, suivant - debut), ligne, sautLigne))
            break;
        debut = suivant;
    }
    return lignes;
}

LignesAlarme chargerAlarmes(const QString &fichierAlarme, const QString &sautLigne)
{
    LignesAlarme lignes;
    QFile file(fichierAlarme);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString absent =
            QCoreApplication::translate("Alarmes", "le fichier \"%1\" n'est pas disponible").arg(fichierAlarme);
        std::fill(lignes.begin(), lignes.begin() + 10, absent);
        return lignes;
    }
    // Line by line, so a huge file costs no more than its first eleven lines. A read error ends
    // the loop like the end of the file: what was read is kept.
    for (QString &ligne : lignes) {
        if (file.atEnd() || !ajouterLigne(file.readLine(), ligne, sautLigne))
            break;
    }
    return lignes;
}
