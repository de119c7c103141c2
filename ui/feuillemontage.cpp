#include "ui/feuillemontage.h"

#include "ui/closeonescape.h"
#include "ui/messagebox.h"
#include "ui/montagenotes.h"
#include "ui/savedialog.h"
#include "ui/sheetfile.h"
#include "ui/tooltitle.h"
#include "ui/windowfont.h"

#include "report/words.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString qtext(const std::string &text) { return QString::fromStdString(text); }

// The page at the largest size the widget allows; vector, so sharp at any scale.
class SheetView : public QWidget {
public:
    SheetView(const Sheet &sheet, QWidget *parent) : QWidget(parent), m_sheet(sheet)
    {
        setMinimumSize(420, 300);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
        draw(painter, m_sheet, QRectF(rect()).adjusted(8, 8, -8, -8));
    }

private:
    const Sheet &m_sheet;
};

} // namespace

FeuilleMontage::FeuilleMontage(const calc::RealDesign &design, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FeuilleMontage"));
    setAttribute(Qt::WA_DeleteOnClose);
    closeOnEscape(this);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icone.svg")));
    setFont(windowFont(9));

    m_dessin = new SheetView(m_sheet, this);
    m_dessin->setObjectName(QStringLiteral("Dessin"));

    m_nomenclature = new QTableWidget(0, 4, this);
    m_nomenclature->setObjectName(QStringLiteral("Nomenclature"));
    m_nomenclature->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_nomenclature->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_nomenclature->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_nomenclature->verticalHeader()->hide();
    m_nomenclature->verticalHeader()->setDefaultSectionSize(m_nomenclature->fontMetrics().height() + 6);
    // A role longer than its column wraps onto more lines rather than end in an ellipsis.
    m_nomenclature->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_nomenclature->horizontalHeader()->setStretchLastSection(true);
    // A value typed with hundreds of digits stays in its column, cut; its cell keeps it whole.
    m_nomenclature->horizontalHeader()->setMaximumSectionSize(220);
    auto *copy = new QAction(m_nomenclature);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    copy->setObjectName(QStringLiteral("CopierSelection"));
    m_nomenclature->addAction(copy);
    connect(copy, &QAction::triggered, this, &FeuilleMontage::copySelection);

    m_notes = new QLabel(this);
    m_notes->setObjectName(QStringLiteral("Notes"));
    m_notes->setWordWrap(true);
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notes->setStyleSheet(QStringLiteral("color: #b3261e;"));

    m_enregistrer = new QPushButton(this);
    m_enregistrer->setObjectName(QStringLiteral("Enregistrer"));
    m_imprimer = new QPushButton(this);
    m_imprimer->setObjectName(QStringLiteral("Imprimer"));
    m_copier = new QPushButton(this);
    m_copier->setObjectName(QStringLiteral("Copier"));
    connect(m_enregistrer, &QPushButton::clicked, this, &FeuilleMontage::Enregistrer_Click);
    connect(m_imprimer, &QPushButton::clicked, this, &FeuilleMontage::Imprimer_Click);
    connect(m_copier, &QPushButton::clicked, this, &FeuilleMontage::Copier_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_enregistrer);
    buttons->addWidget(m_imprimer);
    buttons->addWidget(m_copier);
    auto *side = new QVBoxLayout;
    side->addWidget(m_nomenclature, 1);
    side->addWidget(m_notes);
    side->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_dessin, 2);
    layout->addLayout(side, 1);
    resize(1280, 600);

    retranslate();
    setDesign(design);
}

void FeuilleMontage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        showParts();
    }
    QWidget::changeEvent(event);
}

void FeuilleMontage::retranslate()
{
    setToolTitle(this, tr("Feuille de montage"));
    m_nomenclature->setAccessibleName(tr("Nomenclature"));
    m_nomenclature->setAccessibleDescription(tr("Les pièces du montage ; Ctrl+C copie les lignes choisies"));
    m_nomenclature->setHorizontalHeaderLabels({tr("Référence"), tr("Quantité"), tr("Valeur"), tr("Rôle")});
    m_enregistrer->setText(tr("&Enregistrer…"));
    m_imprimer->setText(tr("&Imprimer…"));
    m_copier->setText(tr("&Copier"));
    m_copier->setToolTip(tr("Copie la nomenclature et les résultats en texte"));
}

void FeuilleMontage::setConception(const QString &name, const QString &note)
{
    m_sheet.name = name;
    m_sheet.note = note;
    m_dessin->update();
}

void FeuilleMontage::setDesign(const calc::RealDesign &design)
{
    m_sheet = {design, QDate::currentDate(), m_sheet.name, m_sheet.note};
    showParts();
}

void FeuilleMontage::showParts()
{
    const calc::Nomenclature parts = calc::nomenclature(m_sheet.design, report::words());
    m_nomenclature->setRowCount(static_cast<int>(parts.lines.size()));
    for (int row = 0; row < m_nomenclature->rowCount(); ++row) {
        const calc::NomenclatureLine &line = parts.lines[static_cast<std::size_t>(row)];
        const QStringList cells{qtext(line.reference), QString::number(line.quantity),
                                qtext(line.value), qtext(line.role)};
        for (int column = 0; column < cells.size(); ++column)
            m_nomenclature->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_nomenclature->resizeColumnsToContents();
    QStringList notes;
    for (const std::string &note : calc::nomenclatureNotes(parts, report::words()))
        notes << qtext(note);
    m_notes->setText(notes.join(QLatin1Char('\n')));
    m_notes->setVisible(!notes.isEmpty());
    m_dessin->update();
}

void FeuilleMontage::copySelection() const
{
    QStringList lines;
    for (int row = 0; row < m_nomenclature->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < m_nomenclature->columnCount(); ++column)
            if (m_nomenclature->item(row, column)->isSelected())
                cells << m_nomenclature->item(row, column)->text();
        if (!cells.isEmpty())
            lines << cells.join(QLatin1Char('\t'));
    }
    if (!lines.isEmpty())
        QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void FeuilleMontage::Copier_Click() { QGuiApplication::clipboard()->setText(sheetText(m_sheet)); }

void FeuilleMontage::Enregistrer_Click()
{
    const QString path = askDrawingPath(this, tr("Enregistrer la feuille de montage"),
                                        tr("feuille_de_montage.pdf"), m_lastPath, true);
    if (!path.isEmpty())
        saveTo(path);
}

bool FeuilleMontage::saveTo(const QString &path)
{
    if (!drawingSaved(this, tr("Feuille de montage"), writeSheetFile(m_sheet, path)))
        return false;
    m_lastPath = path;
    return true;
}

void FeuilleMontage::Imprimer_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10)));
    printer.setDocName(tr("Feuille de montage"));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Imprimer la feuille de montage"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        showMessageBox(this, QMessageBox::Warning, tr("Feuille de montage"),
                       tr("L'impression de la feuille de montage n'a pas pu commencer."));
        return;
    }
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    draw(painter, m_sheet, page);
    if (printer.newPage())
        drawNotesPage(painter, m_sheet, page);
    painter.end();
}
