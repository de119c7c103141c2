#pragma once

#include <QPointer>
#include <QString>

class FeuilleAide;
class QWidget;

// "Aide": reads the help file anew and shows it in `fenetre`, created when null and reused
// otherwise. A file that cannot be opened gives an error box naming it, and nothing else.
void Aide_Afficher(QPointer<FeuilleAide> &fenetre, const QString &cheminAide);

// "A propos": the revision and the credit line, in an information box.
void APropos_Afficher(QWidget *parent);
