#include "ui/schemawindow.h"

#include "ui/closeonescape.h"
#include "ui/picturebutton.h"
#include "ui/twips.h"

#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>

Chronalys_CD4060_Schema::Chronalys_CD4060_Schema(QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_schema(new QSvgRenderer(this))
{
    setObjectName(QStringLiteral("Chronalys_CD4060_Schema"));
    setAttribute(Qt::WA_DeleteOnClose);
    closeOnEscape(this);
    // Every pixel is painted, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icone.svg")));
    resize(twipsToPixels(13965), twipsToPixels(3720));
    retranslate();
}

void Chronalys_CD4060_Schema::retranslate()
{
    setWindowTitle(tr("Visualisation du schéma"));
    update();
}

void Chronalys_CD4060_Schema::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

// Drawn from the vector picture at every paint, so it stays sharp at any size or scale. The
// window is made at start-up and often never shown: the picture is read when first drawn.
void Chronalys_CD4060_Schema::paintEvent(QPaintEvent *)
{
    if (const QString picture = pictureInLanguage(QStringLiteral(":/pictures/schema.svg")); picture != m_picture) {
        m_schema->load(picture);
        // Resized by the user the picture stays whole and undistorted: labels remain readable.
        m_schema->setAspectRatioMode(Qt::KeepAspectRatio);
        m_picture = picture;
    }
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    m_schema->render(&painter, QRectF(rect()));
}
