#pragma once

#include "report/jsonwriter.h"

#include "calc/realdesign.h"

#include <QStringList>

namespace report {

// The object under "chronogramme": the oscillator period, each marked output and Q14 (first
// rising edge and period) and the LED's pulses within the first two periods, in seconds. Empty
// when the design has nothing to draw.
void writeChronogram(JsonWriter &json, const calc::RealDesign &design);

// Section F of the report, each line indented, no newline.
QStringList chronogramSection(const calc::RealDesign &design);

} // namespace report
