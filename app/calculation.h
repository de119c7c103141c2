#pragma once

#include "report/conception.h"
#include "report/result.h"

#include "calc/longperiod.h"
#include "calc/realdesign.h"
#include "calc/road.h"

#include <QString>
#include <QStringList>

#include <functional>

// What one command-line calculation is computed with and what its result holds.
struct CalculationOptions : calc::DesignOptions, report::Sections {
    bool json = false; // the JSON object instead of the report
};

struct ParsedCalculation {
    bool ok = false;
    QString error; // in the interface's language, when !ok
    QString periodText;
    QString pulseText;
    CalculationOptions options;
    QString sheetPath; // --feuille: .svg, .pdf or .png; empty: no sheet
    QString chronogramPath; // --image-chronogramme: the same formats
    // --conception: the design file, whose T, T1, series, constant and tolerances the options
    // above start from (options given on the command line win), and whose parts zone C takes.
    std::optional<report::Conception> conception;
    // --montage cascade: a second counter after the CD4060's Q14 (--compteur2, --etage).
    bool cascade = false;
    calc::SecondCounter counter = calc::SecondCounter::CD4040;
    std::optional<int> stage;
};

// Parses "--calcul T T1 [--serie E12|E24] [--significatif 0|3|4|5] [--k4060 N] [--json]
// [--precision] [--tolerance-r|-c|--dispersion-k|--tolerance-ajustable P] [--mesure T_MESURE]
// [--feuille FICHIER] [--nomenclature]", or "--calcul --conception FICHIER [options]" (program
// name excluded); `defaults` holds the values options do not give. "--langue fr|en" may stand
// anywhere: main() has applied it, it is only checked here.
ParsedCalculation parseCalculation(const QStringList &arguments, const CalculationOptions &defaults);

// The road of a parsed calculation: its design, with the design file's parts in zone C.
calc::Road calculatedRoad(const ParsedCalculation &parsed);

// The long road of a parsed "--montage cascade" calculation or design file of two counters, with
// the file's parts when it has them, and the design the tools work from (its numbers written as
// the options say); `real` holds nothing when the road refused the design.
struct LongCalculation {
    calc::LongRoad road;
    calc::RealDesign real;
};
LongCalculation calculatedLongRoad(const ParsedCalculation &parsed);

// The usage of "Chronalys_CD4060 --calcul", for its --help.
QString calculationUsage();
// The options a calculation takes, in the usage's layout, then where the defaults come from;
// `drawing` adds the files only Chronalys_CD4060 draws, `moreOptions` a program's own.
QString calculationOptions(bool drawing, const QString &moreOptions = {});
// The one line after a command-line error: where the usage is.
QString helpHint(const QString &program);

// Writes the design sheet of a real design to `path`, with the name and note of its design file
// (empty without one) in the title block; returns an empty text on success, else a message that
// names the file. Only the windowed program can draw one.
using SheetWriter = std::function<QString(const calc::RealDesign &design, const QString &name,
                                          const QString &note, const QString &path)>;

// The defaults of the command line: the running system's separator and, when the settings
// file exists, its series, display mode, constant and tolerances.
CalculationOptions storedCalculationOptions();

// The options a report or a drawing is written with: numbers as the interface's language writes
// them. JSON and CSV keep the French way, the same in every language.
CalculationOptions forReader(CalculationOptions options);

// The whole command line after the program name ("--calcul T T1 ..."): reads the defaults from
// the settings file, prints the report or the JSON, returns the exit status: 0 when the design
// reached the real timing, 1 when it was refused or the sheet could not be written, 2 for a
// command line that cannot be read. `writeSheet` and `writeChronogram` (the picture of
// --image-chronogramme) may be empty where no drawing is linked; `program` names the executable
// in messages.
int runCalculation(const QStringList &arguments, const SheetWriter &writeSheet, const QString &program,
                   const SheetWriter &writeChronogram = {});

// Standard error carries only the command line's own messages: Qt's warnings (a missing
// XDG_RUNTIME_DIR, a font) are dropped. Called before the application object is made.
void silenceQtMessages();
