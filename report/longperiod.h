#pragma once

#include "calc/longperiod.h"
#include "calc/words.h"

#include <QByteArray>
#include <QString>

#include <string>

namespace report {

// Lower case, no full stop: why the road refused the design; empty when it did not. JSON writes
// it in French with a point, the same in every language.
std::string longRefusalSentence(const calc::LongRoad &road, const calc::Words &words = {}, char separator = '.');

// The JSON object of a long design: "montage", "regles", "valeurs", and "arret" when refused.
QByteArray longJson(const calc::LongRoad &road);

// The report of a long design in the interface's language, numbers with `separator`.
QString longReport(const calc::LongRoad &road, char separator);

} // namespace report
