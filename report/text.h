#pragma once

#include "report/result.h"

#include "calc/road.h"

#include <QString>

namespace report {

// The report of a result in the interface's language, zone after zone (A to F), why the road
// stopped, the alarms when they are known, then the parts list when asked for; every line ends
// with a newline.
QString textReport(const calc::Road &road, const Sections &sections);

// The report's closing sections, each a title and its lines, every line ending with a newline:
// the parts list, and the circuit one line a net.
QString nomenclatureSection(const calc::RealDesign &design);
QString circuitSection(const calc::RealDesign &design);

} // namespace report
