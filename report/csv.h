#pragma once

#include "report/result.h"

#include "calc/road.h"

#include <string>
#include <string_view>

namespace report {

// The batch's table: ";" between fields, one row per line of the batch. First the line and its
// texts, then what the window shows (lists as their selected item, outputs as "Q4 Q12"), then
// "valeurs" with a "." decimal point, then the sections asked for.
std::string csvHeader(const Sections &sections); // newline included
void appendCsvRow(std::string &out, const calc::Road &road, const Sections &sections, long long line);
// A line that could not be read: its number and the message, the rest empty.
void appendCsvError(std::string &out, const Sections &sections, long long line, std::string_view message);

// The table of long designs: the line, its T and T1 as given, the montage, the marked stages,
// why the road refused, the error, then "valeurs", the four rules (1 met, 0 not) and the sections.
std::string longCsvHeader(const Sections &sections); // newline included
void appendLongCsvRow(std::string &out, const calc::LongRoad &road, const calc::RealDesign &real,
                      const Sections &sections, long long line, std::string_view period, std::string_view pulse);
void appendLongCsvError(std::string &out, const Sections &sections, long long line, std::string_view message);

} // namespace report
