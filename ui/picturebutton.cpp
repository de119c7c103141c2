#include "ui/picturebutton.h"

#include "ui/focusframe.h"
#include "settings/language.h"

#include <QFile>
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

// The words drawn in a picture follow the language.
void followLanguage(QEvent *event, QSvgRenderer &renderer, const QString &resource, QWidget *widget)
{
    if (event->type() != QEvent::LanguageChange)
        return;
    renderer.load(pictureInLanguage(resource));
    widget->update();
}

} // namespace

QString pictureInLanguage(const QString &svgResource)
{
    if (Commun::langue() != Commun::Langue::Anglais || !svgResource.endsWith(QLatin1String(".svg")))
        return svgResource;
    const QString english = svgResource.chopped(4) + QStringLiteral("_en.svg");
    return QFile::exists(english) ? english : svgResource;
}

PictureButton::PictureButton(const QString &svgResource, QWidget *parent)
    : QWidget(parent), m_resource(svgResource), m_renderer(pictureInLanguage(svgResource))
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

void PictureButton::changeEvent(QEvent *event)
{
    followLanguage(event, m_renderer, m_resource, this);
    QWidget::changeEvent(event);
}

Picture::Picture(const QString &svgResource, QWidget *parent)
    : QWidget(parent), m_resource(svgResource), m_renderer(pictureInLanguage(svgResource))
{
}

void Picture::changeEvent(QEvent *event)
{
    followLanguage(event, m_renderer, m_resource, this);
    QWidget::changeEvent(event);
}

void Picture::paintEvent(QPaintEvent *) { paintPicture(this, m_renderer); }
