#pragma once

#include "calc/chronogram.h"

#include <QRectF>

class QPainter;

// Draws the chronogramme into `area` (any units: texts are sized to its width, the lanes share
// its height): the first two periods after power-on, then a zoom on the second pulse, with the
// time axes, T/2, T and T1, and in red what keeps the circuit from doing what zone D says. The one
// drawing of the window, the design sheet, every file format and the printer.
void draw(QPainter &painter, const calc::Chronogram &chronogram, QRectF area);
