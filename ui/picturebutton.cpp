#include "ui/picturebutton.h"

#include "ui/focusframe.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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
    drawFocusFrame(this, rect(), QPalette::Base);
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
