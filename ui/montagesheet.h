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
    QDate date; // printed in the title block
};

inline constexpr double SheetWidthMm = 297;
inline constexpr double SheetHeightMm = 210;

// Draws the whole sheet into `page` (any units; the sheet keeps its proportions and is centred).
void draw(QPainter &painter, const Sheet &sheet, QRectF page);

// Title block rows, caption and value: wanted and real timing, K4060, series, date.
QList<std::pair<QString, QString>> titleBlock(const Sheet &sheet);

// The parts list and the results as French plain text, for the clipboard.
QString sheetText(const Sheet &sheet);
