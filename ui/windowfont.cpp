#include "ui/windowfont.h"

#include <QStringList>

// The layout was drawn for MS Sans Serif. Liberation Sans, which the package depends on, has
// Arial's widths, the nearest to the layout's of the faces a Debian system offers; the
// others stand in where it is missing (the layout still holds with a wider face).
QFont windowFont(int pointSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    // Normal width, as the captions are fitted: a face condensed by the system is never taken,
    // and the fields share one font, not a twin differing by its width, with the labels.
    font.setStretch(QFont::Unstretched);
    font.setPointSize(pointSize);
    font.setWeight(weight);
    return font;
}
