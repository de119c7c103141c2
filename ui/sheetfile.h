#pragma once

#include "ui/montagesheet.h"

#include <QString>

enum class SheetFormat { Unknown, Svg, Pdf, Png };

// Chosen by the file name's extension, in any case.
SheetFormat sheetFormat(const QString &path);

// A4 landscape at 300 dpi, the size of a PNG sheet in pixels.
inline constexpr int SheetPngWidth = 3508;
inline constexpr int SheetPngHeight = 2480;

// Writes the sheet as SVG, PDF (one A4 landscape page) or PNG (300 dpi), whole or not at all.
// Returns an empty text on success, else a French message naming the file. Needs a
// QGuiApplication (the offscreen platform will do).
QString writeSheetFile(const Sheet &sheet, const QString &path);
