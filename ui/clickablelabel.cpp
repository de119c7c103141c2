#include "ui/clickablelabel.h"

#include "ui/focusframe.h"

#include <QKeyEvent>
#include <QMouseEvent>

ClickableLabel::ClickableLabel(QWidget *parent) : QLabel(parent)
{
    // Tab only: a click must leave the focus in the field being typed.
    setFocusPolicy(Qt::TabFocus);
}

void ClickableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    drawFocusFrame(this, contentsRect(), QPalette::Window);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        Q_EMIT clicked();
    else
        QLabel::keyPressEvent(event);
}
