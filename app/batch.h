#pragma once

#include "app/calculation.h"

#include "report/json.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The batch calculation: one design per line of a file, one JSON object or one table row per
// design, the same keys and texts as one "--calcul ... --json" per line.
struct BatchSettings {
    QString input;            // file path, "-" for standard input
    bool csv = false;         // a ";" table instead of JSON Lines
    ParsedCalculation parsed; // options applied to every line; its T and T1 are unused
    // For a line that names a design file: the options as given, and the settings' defaults.
    QStringList options;
    CalculationOptions defaults;
};

struct ParsedBatch {
    bool ok = false;
    QString error; // in the interface's language, when !ok
    BatchSettings settings;
};

// Parses "--lot FICHIER|- [--csv] [the options of --calcul]" (program name excluded).
ParsedBatch parseBatch(const QStringList &arguments, const CalculationOptions &defaults);

// The whole usage of chronalys-calcul, batch included, for its --help.
QString calculProgramUsage();

// Reads the input piece by piece, whatever the cuts, and appends the output of every finished
// line to `out`. Memory stays bounded: a line longer than MaxLine is not kept, it gives an error.
class BatchRun {
public:
    static constexpr std::size_t MaxLine = std::size_t{1} << 20;

    explicit BatchRun(const BatchSettings &settings);
    void feed(std::string_view bytes, std::string &out);
    void finish(std::string &out); // the last line, when it has no newline
    bool failed() const { return m_failed; } // some line could not be read or was refused

private:
    void keep(std::string_view piece);
    void line(std::string_view text, bool tooLong, std::string &out);
    void design(std::string_view period, std::string_view pulse, std::string &out);
    void conception(std::string_view path, std::string &out);
    void write(const calc::Road &road, const CalculationOptions &options, std::string &out);
    void writeLong(const calc::LongRoad &road, const calc::RealDesign &real, const CalculationOptions &options,
                   std::string_view period, std::string_view pulse, std::string &out);
    void error(const std::string &message, std::string &out);

    BatchSettings m_settings;
    calc::Words m_words; // the interface's, for the errors of lines that cannot be read
    long long m_number = 0; // lines read so far, skipped ones included
    std::string m_pending;  // the start of a line cut by the end of a piece
    bool m_pendingTooLong = false;
    bool m_afterCr = false; // the last piece ended with CR: an LF next belongs to it
    bool m_failed = false;
    report::JsonResults m_json;
    calc::LongEntry m_longEntry; // the batch's options for every long line; T and T1 its own
};

// The whole batch command line: reads the defaults from the settings file like --calcul,
// streams the input to standard output, returns the exit status (0 when every line reached the
// real timing, 1 when a line was refused or unreadable or the input failed, 2 for a usage error).
// A closed output ends it quietly.
int runBatch(const QStringList &arguments);
