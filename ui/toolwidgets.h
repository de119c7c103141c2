#pragma once

#include <QString>

#include <array>

class QColor;
class QGroupBox;
class QLabel;
class QVBoxLayout;
class QWidget;

// Small pieces the tools windows are built of.

// "Regle(2)": the objectName of element `index` of a control array.
QString indexed(const char *name, int index);

// A label of plain text named `name`.
QLabel *makeLabel(const QString &name);

// A group box at the foot of a column of `twoColumns`.
QGroupBox *makeGroup(QWidget *column);

// The label's text colour, repainted only when it changes.
void setColour(QLabel *label, const QColor &colour);

// Two columns side by side in `whole`, their content at the top.
std::array<QWidget *, 2> twoColumns(QWidget *window, QVBoxLayout *whole);
