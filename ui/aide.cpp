#include "aide.h"

#include "captionlabel.h"
#include "feuilleaide.h"
#include "messagebox.h"
#include "textdecoding.h"

#include <QApplication>
#include <QFile>

namespace {

// Every line followed by LF then CR. A line ends at CR or CR LF, and also at a lone LF so that
// a file written on Unix shows its lines too.
QString texteAide(const QByteArray &contenu)
{
    const QString decode = Commun::decodeText(contenu);
    const QString finDeLigne = QStringLiteral("\n\r");
    QString texte;
    texte.reserve(decode.size() + decode.size() / 16);
    qsizetype debut = 0;
    for (qsizetype i = 0; i < decode.size(); ++i) {
        const QChar c = decode[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        texte += QStringView(decode).sliced(debut, i - debut);
        texte += finDeLigne;
        if (c == QLatin1Char('\r') && i + 1 < decode.size() && decode[i + 1] == QLatin1Char('\n'))
            ++i;
        debut = i + 1;
    }
    // A last line without its end of line is still a line.
    if (debut < decode.size()) {
        texte += QStringView(decode).sliced(debut);
        texte += finDeLigne;
    }
    return texte;
}

} // namespace

void Aide_Afficher(QPointer<FeuilleAide> &fenetre, const QString &cheminAide)
{
    QFile fichier(cheminAide);
    if (!fichier.open(QIODevice::ReadOnly)) {
        showMessageBox(QApplication::activeWindow(), QMessageBox::Critical, QString(),
                       QStringLiteral("le fichier d'aide \"") + cheminAide
                           + QStringLiteral("\" n'existe pas"));
        return;
    }
    // A read error ends the reading like the end of the file: what was read is shown.
    const QByteArray contenu = fichier.readAll();
    fichier.close();

    if (fenetre.isNull())
        fenetre = new FeuilleAide;
    fenetre->ZoneHelp()->setCaption(texteAide(contenu));
    // Already open but perhaps behind the main window: bring it forward where it stands.
    if (fenetre->isVisible()) {
        fenetre->raise();
        fenetre->activateWindow();
    }
    fenetre->show();
}

void APropos_Afficher(QWidget *parent)
{
    showMessageBox(parent, QMessageBox::Information, QCoreApplication::applicationName(),
                   QStringLiteral("Rev 1.04\n\r")
                       + QStringLiteral("Chronalys CD4060 — calcul de temporisation longue période, 2026"));
}
