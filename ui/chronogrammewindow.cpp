#include "ui/chronogrammewindow.h"

#include "ui/closeonescape.h"
#include "ui/chronogramdrawing.h"
#include "ui/savedialog.h"
#include "ui/sheetfile.h"
#include "ui/tooltitle.h"
#include "ui/windowfont.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// The drawing at the widget's size; vector, so sharp at any scale.
class ChronogramView : public QWidget {
public:
    ChronogramView(const calc::Chronogram &chronogram, QWidget *parent) : QWidget(parent), m_chronogram(chronogram)
    {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        draw(painter, m_chronogram, QRectF(rect()));
    }

private:
    const calc::Chronogram &m_chronogram;
};

} // namespace

ChronogrammeWindow::ChronogrammeWindow(const calc::RealDesign &design, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Chronogramme"));
    setAttribute(Qt::WA_DeleteOnClose);
    closeOnEscape(this);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icone.svg")));
    setFont(windowFont(9));

    m_defilement = new QScrollArea(this);
    m_defilement->setObjectName(QStringLiteral("Defilement"));
    m_defilement->setWidgetResizable(true);
    m_dessin = new ChronogramView(m_chronogram, m_defilement);
    m_dessin->setObjectName(QStringLiteral("Dessin"));
    m_defilement->setWidget(m_dessin);
    m_enregistrer = new QPushButton(this);
    m_enregistrer->setObjectName(QStringLiteral("Enregistrer"));
    connect(m_enregistrer, &QPushButton::clicked, this, &ChronogrammeWindow::Enregistrer_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_enregistrer);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_defilement, 1);
    layout->addLayout(buttons);
    resize(1180, 860);

    retranslate();
    setDesign(design);
}

void ChronogrammeWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        m_dessin->update(); // its texts are translated as it paints
    }
    QWidget::changeEvent(event);
}

void ChronogrammeWindow::retranslate()
{
    setToolTitle(this, tr("Chronogramme"));
    m_defilement->setAccessibleName(tr("Chronogramme"));
    m_defilement->setAccessibleDescription(tr("Le dessin des signaux du montage au fil du temps"));
    m_enregistrer->setText(tr("&Enregistrer…"));
    m_enregistrer->setToolTip(tr("Enregistre le chronogramme en SVG, PDF ou PNG"));
}

void ChronogrammeWindow::setDesign(const calc::RealDesign &design)
{
    m_design = design;
    m_chronogram = calc::chronogram(design);
    // Lanes of 20 pixels at the least: thirteen marked outputs scroll rather than shrink.
    m_dessin->setMinimumSize(900, 240 + 40 * static_cast<int>(calc::lanes(m_chronogram).size()));
    m_dessin->update();
}

void ChronogrammeWindow::Enregistrer_Click()
{
    const QString path = askDrawingPath(this, tr("Enregistrer le chronogramme"), tr("chronogramme.pdf"),
                                        m_lastPath);
    if (!path.isEmpty())
        saveTo(path);
}

bool ChronogrammeWindow::saveTo(const QString &path)
{
    if (!drawingSaved(this, tr("Chronogramme"), writeChronogramFile(m_design, path)))
        return false;
    m_lastPath = path;
    return true;
}
