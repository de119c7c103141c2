#pragma once

#include "calc/nomenclature.h"
#include "calc/realdesign.h"

#include <QDate>
#include <QList>
#include <QRectF>
#include <QString>

#include <utility>

class QPainter;

// The assembly sheet of one real design: schematic with the parts' values, parts list and
// title block, on one A4 landscape page. Drawn by one function for the screen, every file
// format and the printer.
struct Sheet {
    calc::RealDesign design;
    QDate date;   // printed in the title block
    QString name; // of the design file open, if any, and its note
    QString note;
};

inline constexpr double SheetWidthMm = 297;
inline constexpr double SheetHeightMm = 210;

// Draws the whole sheet into `page` (any units; the sheet keeps its proportions and is centred).
void draw(QPainter &painter, const Sheet &sheet, QRectF page);

// Saves the painter and maps a white A4 landscape page, in tenths of a millimetre, centred into
// `page`; the caller restores it. False, and nothing saved, when `page` is empty.
bool beginSheetPage(QPainter &painter, QRectF page);

// Title block rows, caption and value: wanted and real timing, K4060, series, date.
QList<std::pair<QString, QString>> titleBlock(const Sheet &sheet);

// The parts list and the results as plain text in the interface's language, for the clipboard.
QString sheetText(const Sheet &sheet);
