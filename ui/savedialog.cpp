#include "ui/savedialog.h"

#include "ui/messagebox.h"
#include "ui/sheetfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListView>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QTreeView>

namespace {

// Qt's own dialog sizes its places and columns for English and short dates: each is made as
// wide as what it shows, and the dialog with them, within its screen.
void showWhole(QFileDialog &dialog)
{
    auto *places = dialog.findChild<QListView *>(QStringLiteral("sidebar"));
    auto *files = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    auto *splitter = dialog.findChild<QSplitter *>(QStringLiteral("splitter"));
    auto *model = dialog.findChild<QFileSystemModel *>();
    if (!places || !files || !splitter || !model)
        return;
    const auto fit = [&dialog, places, files, splitter] {
        QHeaderView *header = files->header();
        header->setStretchLastSection(false);
        for (int column = 0; column < header->count(); ++column)
            header->resizeSection(column, std::max(header->sectionSizeHint(column), static_cast<QAbstractItemView *>(files)->sizeHintForColumn(column)));
        const int bar = files->verticalScrollBar()->sizeHint().width();
        const QList<int> wanted = {places->sizeHintForColumn(0) + 2 * places->frameWidth() + bar,
                                   header->length() + 2 * files->frameWidth() + bar};
        const QList<int> now = splitter->sizes();
        int width = dialog.width();
        for (int i = 0; i < 2 && i < now.size(); ++i)
            width += std::max(0, wanted[i] - now[i]);
        if (const QScreen *screen = dialog.screen())
            width = std::min(width, screen->availableGeometry().width());
        if (width > dialog.width())
            dialog.resize(width, dialog.height());
        splitter->setSizes({wanted[0], splitter->width() - wanted[0]});
        header->setStretchLastSection(true);
    };
    fit();
    QObject::connect(model, &QFileSystemModel::directoryLoaded, &dialog, fit);
}

} // namespace

QString chooseFile(QWidget *parent, QFileDialog::AcceptMode mode, const QString &title, const QString &start,
                   const QStringList &filters, QString *selectedFilter)
{
    QFileDialog dialog(parent, title, start, filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (selectedFilter && !selectedFilter->isEmpty())
        dialog.selectNameFilter(*selectedFilter);
    showWhole(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (selectedFilter)
        *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().value(0);
}

QString askDrawingPath(QWidget *parent, const QString &title, const QString &fileName, const QString &lastPath,
                       bool withCircuit)
{
    const QString pdf = QCoreApplication::translate("Enregistrer", "PDF, A4 paysage (*.pdf)");
    const QString svg = QCoreApplication::translate("Enregistrer", "SVG (*.svg)");
    const QString png = QCoreApplication::translate("Enregistrer", "PNG, 300 dpi (*.png)");
    const QString kicad = QCoreApplication::translate("Enregistrer", "Schéma KiCad (*.kicad_sch)");
    QStringList filters{pdf, svg, png};
    if (withCircuit)
        filters << kicad;
    QString filter = pdf;
    const QString start = lastPath.isEmpty()
        ? QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(fileName)
        : lastPath;
    QString path = chooseFile(parent, QFileDialog::AcceptSave, title, start, filters, &filter);
    // A name typed without a known extension takes the chosen format's.
    const SheetFormat format = path.isEmpty() ? SheetFormat::Unknown : sheetFormat(path);
    if (!path.isEmpty() && (format == SheetFormat::Unknown || (!withCircuit && format == SheetFormat::KicadSchematic)))
        path += filter == svg     ? QStringLiteral(".svg")
              : filter == png     ? QStringLiteral(".png")
              : filter == kicad   ? QStringLiteral(".kicad_sch")
                                  : QStringLiteral(".pdf");
    return path;
}

bool drawingSaved(QWidget *parent, const QString &title, const QString &failure)
{
    if (!failure.isEmpty())
        showMessageBox(parent, QMessageBox::Warning, title, failure);
    return failure.isEmpty();
}
