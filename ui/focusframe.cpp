#include "ui/focusframe.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QWidget>

void drawFocusFrame(QWidget *widget, QRect rect, QPalette::ColorRole background)
{
    if (!widget->hasFocus())
        return;
    QStylePainter painter(widget);
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    option.state |= QStyle::State_KeyboardFocusChange; // only the keyboard gives it the focus
    option.rect = rect.adjusted(1, 1, -1, -1);
    option.backgroundColor = widget->palette().color(background);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}
