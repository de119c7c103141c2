#pragma once

#include "ui/montagesheet.h"

#include <QStringList>

// Page 2 of the assembly sheet, the same size as page 1: the chronogramme of the design and the
// notes de montage.
void drawNotesPage(QPainter &painter, const Sheet &sheet, QRectF page);

// How to build the circuit well, in the interface's language, one paragraph each: the capacitor
// C2, the decoupling, the unused inputs, the first pulse, the shortest pulse and the longest period.
QStringList montageNotes(const calc::RealDesign &design);
