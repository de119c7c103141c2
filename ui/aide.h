#pragma once

#include <QByteArray>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class FeuilleAide;
class QWidget;

// "Aide": reads the help file anew and shows it in `fenetre`, created when null and reused
// otherwise; `nouvelle` sees a window it creates before it is shown. A file that cannot be opened
// gives an error box naming it, and nothing else.
void Aide_Afficher(QPointer<FeuilleAide> &fenetre, const QString &cheminAide,
                   const std::function<void(QWidget *)> &nouvelle = {});

// The help text of the file's bytes: every line followed by LF then CR. A line ends at CR, at
// CR LF, and at a lone LF too, so that a file written on Unix shows its lines.
QString texteAide(const QByteArray &contenu);

// The help text of the file at `cheminAide`; nothing when it cannot be opened.
std::optional<QString> lireAide(const QString &cheminAide);

// "A propos": the revision and the credit line, in an information box.
void APropos_Afficher(QWidget *parent);
