#pragma once

class QLabel;
class QLineEdit;
class QString;
class QWidget;

// The layout was drawn for a face narrower than many a system has. A label placed with
// fitCaption shows its caption whole: it grows from its designed place in the direction of its
// alignment (leftwards when right-aligned), never past the border of its frame nor over a field
// beside it, and where that room is too short its face is condensed. Its height grows so
// descenders stay visible.
void fitCaption(QLabel *label);

// Fits again every placed label of `container` when a caption changes or the container shows.
void keepCaptionsWhole(QWidget *container);

// Condenses a field's face, as little as needed, so that `widest` (the longest text the program
// itself writes there) shows whole.
void fitFieldText(QLineEdit *field, const QString &widest);

// A window manager writes a window's title in bold beside its icon and buttons, and cuts it when
// the window is narrower: a dialog is made at least that wide.
void keepTitleWhole(QWidget *window);
