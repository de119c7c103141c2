#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

class QPainter;

// Faces with the Ω, the accents and the ½ the drawings write, at a size in the drawing's own
// units. Metrics do not depend on hinting, so text measured in those units fits at any scale and
// on any device.
QFont pageFont(double pageUnits, bool bold = false);

// Text at a baseline point; `align`: -1 left, 0 centre, 1 right. Too long a text (a value typed
// with hundreds of digits) is cut with an ellipsis to `maxWidth` when it is positive.
void pageText(QPainter &painter, QPointF at, QString text, const QFont &font, const QColor &color,
              int align = -1, double maxWidth = 0);
