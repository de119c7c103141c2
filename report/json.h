#pragma once

#include "report/result.h"

#include "calc/longperiod.h"
#include "calc/road.h"

#include <QByteArray>

#include <string>
#include <string_view>
#include <vector>

namespace report {

// The JSON object of a result: what each control shows, keyed by its name ("arret" and no later
// keys when the road stopped), "valeurs" in numbers, and the sections asked for.
class JsonResults {
public:
    // Appends one object, compact, with "ligne" when `line` > 0; no newline.
    void append(std::string &out, const calc::Road &road, const Sections &sections, long long line = 0);

private:
    struct Lists {
        double decade = 0;
        int step = 0;
        char separator = '.';
        std::string fixed; // the two combo lists, as JSON arrays
        std::string potentiometer;
    };
    const Lists &lists(const calc::SeriesPosition &series, char separator);

    std::vector<Lists> m_lists; // the last decades seen: a batch builds their lists once
};

// The object of a long design: "montage", "regles", "valeurs", the sections asked for (read from
// `real`, the design the tools work from) and "arret" when refused; compact, "ligne" when
// `line` > 0, no newline.
void appendLongJson(std::string &out, const calc::LongRoad &road, const calc::RealDesign &real,
                    const Sections &sections, long long line = 0);
// The same, indented, as --json prints it.
QByteArray longJson(const calc::LongRoad &road, const calc::RealDesign &real, const Sections &sections);

// A batch line that could not be read: {"erreur": "...", "ligne": N}, no newline.
void appendJsonError(std::string &out, long long line, std::string_view message);

// The object of one result, indented, as --json prints it.
QByteArray jsonDocument(const calc::Road &road, const Sections &sections);

} // namespace report
