#include "ui/pagetext.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

QFont pageFont(double pageUnits, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(std::max(1, static_cast<int>(pageUnits + 0.5)));
    font.setBold(bold);
    return font;
}

void pageText(QPainter &painter, QPointF at, QString text, const QFont &font, const QColor &color, int align,
              double maxWidth)
{
    const QFontMetricsF metrics(font);
    if (maxWidth > 0)
        text = metrics.elidedText(text, Qt::ElideRight, maxWidth);
    const double width = metrics.horizontalAdvance(text);
    at.rx() -= align < 0 ? 0 : align == 0 ? width / 2 : width;
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(at, text);
    painter.restore();
}
