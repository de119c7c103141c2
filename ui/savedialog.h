#pragma once

#include <QFileDialog>
#include <QString>

class QWidget;

// QFileDialog::getSaveFileName or getOpenFileName, but Qt's own dialog (when the desktop offers
// none) is widened so that its places, column titles and dates show whole.
QString chooseFile(QWidget *parent, QFileDialog::AcceptMode mode, const QString &title, const QString &start,
                   const QStringList &filters, QString *selectedFilter = nullptr);

// Asks where to save a drawing as PDF (A4 landscape), SVG or PNG (300 dpi), or its circuit as a
// KiCad schematic when `withCircuit`, starting from `lastPath` or else `fileName` in the user's
// documents. A name typed without a known extension takes the chosen format's. Empty when the
// user cancels.
QString askDrawingPath(QWidget *parent, const QString &title, const QString &fileName, const QString &lastPath,
                       bool withCircuit = false);

// True when `failure` is empty; else shows it, a message naming the file, in a warning.
bool drawingSaved(QWidget *parent, const QString &title, const QString &failure);
