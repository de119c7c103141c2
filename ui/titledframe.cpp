#include "ui/titledframe.h"

#include <QPainter>

#include <algorithm>

TitledFrame::TitledFrame(const QString &title, QWidget *parent) : QWidget(parent), m_title(title) {}

void TitledFrame::setTitle(const QString &title)
{
    m_title = title;
    update();
}

// Condensed, as little as needed, where the title would run past the border.
QFont TitledFrame::titleFont() const
{
    QFont font = this->font();
    for (int stretch = 95; stretch >= 50 && QFontMetrics(font).horizontalAdvance(m_title) + 4 > width() - 4;
         stretch -= 5)
        font.setStretch(stretch);
    return font;
}

QRect TitledFrame::titleRect() const
{
    const QFontMetrics metrics(titleFont());
    const int wide = metrics.horizontalAdvance(m_title) + 4;
    // Nearer the corner when a long title needs it, clear of the border.
    const int left = std::clamp(width() - 2 - wide, 2, std::max(2, metrics.averageCharWidth()));
    return {left, 0, wide, metrics.height()};
}

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

    const QRect textRect = titleRect();
    painter.fillRect(textRect, palette().color(backgroundRole()));
    painter.setFont(titleFont());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, m_title);
}
