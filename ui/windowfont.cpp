#include "windowfont.h"

#include <QStringList>

// The layout was drawn for MS Sans Serif; where it is missing, a sans-serif of similar width.
QFont windowFont(int pointSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    font.setWeight(weight);
    return font;
}
