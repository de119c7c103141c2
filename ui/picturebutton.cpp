#include "ui/picturebutton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

void paintPicture(QWidget *widget, QSvgRenderer &renderer)
{
    QPainter painter(widget);
    painter.fillRect(widget->rect(), widget->palette().color(QPalette::Base));
    if (!widget->isEnabled())
        painter.setOpacity(0.35);
    renderer.render(&painter, widget->rect());
}

} // namespace

PictureButton::PictureButton(const QString &svgResource, QWidget *parent)
    : QWidget(parent), m_renderer(svgResource)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    paintPicture(this, m_renderer);
    if (!hasFocus())
        return;
    // A dotted frame inside the border, as the platform marks a focused button.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.state |= QStyle::State_KeyboardFocusChange; // only the keyboard gives it the focus
    option.rect = rect().adjusted(1, 1, -1, -1);
    option.backgroundColor = palette().color(QPalette::Base);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        Q_EMIT clicked();
    else
        QWidget::keyPressEvent(event);
}

Picture::Picture(const QString &svgResource, QWidget *parent)
    : QWidget(parent), m_renderer(svgResource)
{
}

void Picture::paintEvent(QPaintEvent *) { paintPicture(this, m_renderer); }
