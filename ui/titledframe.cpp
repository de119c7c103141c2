#include "titledframe.h"

#include <QPainter>

TitledFrame::TitledFrame(const QString &title, QWidget *parent) : QWidget(parent), m_title(title) {}

void TitledFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    const QRect border = rect().adjusted(0, lineY, -1, -1);
    // An etched line, as the platform draws frames.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, 0, 0));

    const int textLeft = metrics.averageCharWidth();
    const QRect textRect(textLeft, 0, metrics.horizontalAdvance(m_title) + 4, metrics.height());
    painter.fillRect(textRect, palette().color(backgroundRole()));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, m_title);
}
