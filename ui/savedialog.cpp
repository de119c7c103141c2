#include "ui/savedialog.h"

#include "ui/messagebox.h"
#include "ui/sheetfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

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
    QString path = QFileDialog::getSaveFileName(parent, title, start, filters.join(QStringLiteral(";;")), &filter);
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
