#include "ui/savedialog.h"

#include "ui/messagebox.h"
#include "ui/sheetfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

QString askDrawingPath(QWidget *parent, const QString &title, const QString &fileName, const QString &lastPath)
{
    const QString pdf = QCoreApplication::translate("Enregistrer", "PDF, A4 paysage (*.pdf)");
    const QString svg = QCoreApplication::translate("Enregistrer", "SVG (*.svg)");
    const QString png = QCoreApplication::translate("Enregistrer", "PNG, 300 dpi (*.png)");
    QString filter = pdf;
    const QString start = lastPath.isEmpty()
        ? QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(fileName)
        : lastPath;
    QString path = QFileDialog::getSaveFileName(parent, title, start,
                                                QStringList{pdf, svg, png}.join(QStringLiteral(";;")), &filter);
    if (!path.isEmpty() && sheetFormat(path) == SheetFormat::Unknown)
        path += filter == svg ? QStringLiteral(".svg") : filter == png ? QStringLiteral(".png") : QStringLiteral(".pdf");
    return path;
}

bool drawingSaved(QWidget *parent, const QString &title, const QString &failure)
{
    if (!failure.isEmpty())
        showMessageBox(parent, QMessageBox::Warning, title, failure);
    return failure.isEmpty();
}
