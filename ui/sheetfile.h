#pragma once

#include "ui/montagesheet.h"

#include <QString>

enum class SheetFormat { Unknown, Svg, Pdf, Png, KicadSchematic };

// Chosen by the file name's extension, in any case.
SheetFormat sheetFormat(const QString &path);

// A4 landscape at 300 dpi, the size of one page of a PNG in pixels.
inline constexpr int SheetPngWidth = 3508;
inline constexpr int SheetPngHeight = 2480;

// Writes the sheet as SVG, PDF (two A4 landscape pages: the circuit, then the chronogramme and
// the notes de montage) or PNG (300 dpi), SVG and PNG with the second page below the first, or its
// circuit as a KiCad schematic; whole or not at all. Returns an empty text on success, else a message naming the file. Needs a
// QGuiApplication (the offscreen platform will do).
QString writeSheetFile(const Sheet &sheet, const QString &path);

// The chronogramme alone, on one A4 landscape page; the same formats and answers.
QString writeChronogramFile(const calc::RealDesign &design, const QString &path);
