#pragma once

#include "settings/commun.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include <optional>

class QWidget;

// Window places kept from one run to the next, for any top-level window. The n-th call of each
// procedure in a run uses section "Position_n"; keys "Haut", "Droite" (the left edge), "Hauteur",
// "Largeur" hold the outer (frame) geometry in twips, 1440 per inch at the screen's logical
// resolution, so files written on Windows stay valid.
namespace Commun {

void Sauve_Position(QWidget *window, const QString &file = {});

// The four entries Sauve_Position would write, counted as one Sauve_Position call; to be joined
// with other entries for a single save. None for a window that is not on screen.
QList<EntreeINI> Entrees_Sauve_Position(QWidget *window);

// "P" in the options (either case) restores the place, "D" the size. Values are read by the
// leading-number rule, without "," replacement. One beyond single precision is ignored, and so
// is a size below the window's own minimum. A place whose title bar no screen shows goes to the
// primary screen's top-left corner. A window not shown yet gets its frame, not its client area,
// at the place once the window manager frames it.
void Restaure_Position(QWidget *window, const QString &file, const QString &options);

// The place of a window that is made anew each time it opens (the tools windows delete
// themselves when closed). Made at start-up, after the main window's Restaure_Position, in the
// order the places are saved: each reads the next Position_n section.
class PlaceFenetre : public QObject {
public:
    explicit PlaceFenetre(const QString &file = {}, QObject *parent = nullptr);

    // Before `window` is first shown: puts it where the last one stood in this run, else where the
    // section says (place and size), else where the window manager likes; then follows it.
    void suivre(QWidget *window);

    // One Sauve_Position's entries: the last place a followed window had on screen; none when no
    // window was shown in this run, so the section stays as it was.
    QList<EntreeINI> entrees();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void remember(const QWidget *window);

    QString m_haut, m_droite, m_hauteur, m_largeur; // as stored; a null text: no such key
    std::optional<QRect> m_last;                    // frame, pixels
    double m_dpiX = 96, m_dpiY = 96;                // of the screen m_last was on
    QPointer<QWidget> m_window;
};

} // namespace Commun
