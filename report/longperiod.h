#pragma once

#include "report/result.h"

#include "calc/longperiod.h"
#include "calc/words.h"

#include <QByteArray>
#include <QString>

#include <string>

namespace report {

// Lower case, no full stop: why the road refused the design; empty when it did not. JSON writes
// it in French with a point, the same in every language.
std::string longRefusalSentence(const calc::LongRoad &road, const calc::Words &words = {}, char separator = '.');

// The report of a long design in the interface's language, numbers with `separator`, then the
// sections asked for, read from `real`, the design the tools work from (report/json.h has its JSON).
QString longReport(const calc::LongRoad &road, const calc::RealDesign &real, const Sections &sections, char separator);

} // namespace report
