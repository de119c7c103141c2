#pragma once

#include <QString>

class QWidget;

// Asks where to save a drawing as PDF (A4 landscape), SVG or PNG (300 dpi), or its circuit as a
// KiCad schematic when `withCircuit`, starting from `lastPath` or else `fileName` in the user's
// documents. A name typed without a known extension takes the chosen format's. Empty when the
// user cancels.
QString askDrawingPath(QWidget *parent, const QString &title, const QString &fileName, const QString &lastPath,
                       bool withCircuit = false);

// True when `failure` is empty; else shows it, a message naming the file, in a warning.
bool drawingSaved(QWidget *parent, const QString &title, const QString &failure);
