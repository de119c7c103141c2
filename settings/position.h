#pragma once

#include "settings/commun.h"

#include <QList>
#include <QString>

class QWidget;

// Window places kept from one run to the next, for any top-level window. The n-th call of each
// procedure in a run uses section "Position_n"; keys "Haut", "Droite" (the left edge), "Hauteur",
// "Largeur" hold the outer (frame) geometry in twips, 1440 per inch at the screen's logical
// resolution, so files written on Windows stay valid.
namespace Commun {

void Sauve_Position(QWidget *window, const QString &file = {});

// The four entries Sauve_Position would write, counted as one Sauve_Position call; to be joined
// with other entries for a single save.
QList<EntreeINI> Entrees_Sauve_Position(QWidget *window);

// "P" in the options (either case) restores the place, "D" the size. Values are read by the
// leading-number rule, without "," replacement. One beyond single precision is ignored; a window
// that would overlap no screen's available area goes to the primary screen's top-left corner.
void Restaure_Position(QWidget *window, const QString &file, const QString &options);

} // namespace Commun
