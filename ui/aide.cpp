#include "ui/aide.h"

#include "ui/captionlabel.h"
#include "ui/feuilleaide.h"
#include "ui/messagebox.h"
#include "settings/textdecoding.h"

#include <QApplication>
#include <QFile>

#include <algorithm>
#include <cstring>

QString texteAide(const QByteArray &contenu)
{
    // Line ends are single ASCII bytes in both encodings the files come in, so the lines are cut
    // on the bytes and decoded once: a help file of many megabytes stays quick to show.
    const QByteArrayView corps = QByteArrayView(contenu).sliced(Commun::byteOrderMarkLength(contenu));
    const Commun::TextEncoding encodage = Commun::detectEncoding(corps);
    // UTF-8 decoding drops a byte-order mark that opens the text, so a second one alone is no line.
    if (encodage == Commun::TextEncoding::Utf8 && corps.size() == Commun::byteOrderMarkLength(corps))
        return {};
    QByteArray texte;
    texte.reserve(corps.size() + corps.size() / 16 + 2);
    const char *debut = corps.data();
    const char *const fin = corps.data() + corps.size();
    // The next CR and the next LF, each searched for again only once passed.
    auto chercher = [fin](const char *depuis, char c) {
        const void *trouve = std::memchr(depuis, c, std::size_t(fin - depuis));
        return trouve ? static_cast<const char *>(trouve) : fin;
    };
    const char *cr = chercher(debut, '\r');
    const char *lf = chercher(debut, '\n');
    while (debut < fin) {
        const char *finDeLigne = std::min(cr, lf);
        if (finDeLigne == fin) {
            // A last line without its end of line is still a line.
            texte.append(debut, fin - debut);
            texte.append("\n\r", 2);
            break;
        }
        texte.append(debut, finDeLigne - debut);
        texte.append("\n\r", 2);
        debut = finDeLigne + (finDeLigne == cr && cr + 1 < fin && cr[1] == '\n' ? 2 : 1);
        if (cr < debut)
            cr = chercher(debut, '\r');
        if (lf < debut)
            lf = chercher(debut, '\n');
    }
    return Commun::decode(texte, encodage);
}

std::optional<QString> lireAide(const QString &cheminAide)
{
    QFile fichier(cheminAide);
    if (!fichier.open(QIODevice::ReadOnly))
        return std::nullopt;
    // A read error ends the reading like the end of the file: what was read is shown.
    return texteAide(fichier.readAll());
}

void Aide_Afficher(QPointer<FeuilleAide> &fenetre, const QString &cheminAide,
                   const std::function<void(QWidget *)> &nouvelle)
{
    const std::optional<QString> texte = lireAide(cheminAide);
    if (!texte) {
        showMessageBox(QApplication::activeWindow(), QMessageBox::Critical, QString(),
                       QCoreApplication::translate("Aide", "le fichier d'aide \"%1\" n'existe pas").arg(cheminAide));
        return;
    }

    if (fenetre.isNull()) {
        fenetre = new FeuilleAide;
        if (nouvelle)
            nouvelle(fenetre);
    }
    fenetre->setTexteAide(*texte);
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
                       + QCoreApplication::translate("Aide", "Chronalys CD4060 — calcul de temporisation longue période, 2026"));
}
