#pragma once

#include "calc/conversion.h"
#include "calc/design.h"
#include "calc/precision.h"
#include "calc/realdesign.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The whole road of one design (entry, design, conversion, real timing) without a window.
struct CalculationOptions {
    int Pas_Serie = 1;              // 1 = E24, 2 = E12
    int Mode_Affichage = 4;         // 0 raw, 3 to 5 significant digits
    double Constante_K4060 = 2.8e-6; // seconds per (kilohm x nanofarad), finite and positive
    char separator = '.';           // decimal separator of the running system
    bool json = false;
    // "--precision" and its options: what the precision window shows, for the converted design.
    bool precision = false;
    calc::Tolerances tolerances;       // percent
    std::optional<double> measuredT;   // seconds, "--mesure": calibrates K4060
    bool nomenclature = false;         // "--nomenclature": the parts list joins the result
};

// One design through the window's chain on plain texts: calculateDesign() turns it into its
// object, the batch writes it directly, so both give the same texts, alarms and stops.
struct DesignChain {
    std::string labelText;       // FrequenceOscillateur(1)
    const char *arret = nullptr; // why the chain stopped (UTF-8); null once converted
    std::vector<int> alarms;     // the ones shown, in the order raised
    calc::Design design;         // zone B; complete only once converted
    calc::SeriesPosition series; // the talon list and its selection; the potentiometer's is "0"
    // The conversion's parts and zone D; before it, only the options (what a sheet then shows).
    calc::RealDesign real;

    bool converted() const { return arret == nullptr; }
};

DesignChain designChain(std::string_view periodText, std::string_view pulseText,
                        const CalculationOptions &options);

struct Calculation {
    // What each control would show, keyed by control name. A chain that stops early has the
    // key "arret" and no later keys.
    QJsonObject result;
    // The real design of the conversion (selected talon, potentiometer 0, converted C2 and
    // outputs); when not `converted`, only the options, as the design sheet then shows it.
    calc::RealDesign design;
    bool converted = false;
};

// Runs the chain on the field texts, as the window would.
Calculation calculateDesign(const QString &periodText, const QString &pulseText,
                            const CalculationOptions &options);
inline QJsonObject calculate(const QString &periodText, const QString &pulseText,
                             const CalculationOptions &options)
{
    return calculateDesign(periodText, pulseText, options).result;
}

// French report of the same result, one zone after the other. The window's result has no
// parts list; a calculation's is printed last, from its design, when the result has the key.
QString calculationReport(const QJsonObject &result, const CalculationOptions &options);
QString calculationReport(const Calculation &calculation, const CalculationOptions &options);

struct ParsedCalculation {
    bool ok = false;
    QString error; // French, when !ok
    QString periodText;
    QString pulseText;
    CalculationOptions options;
    QString sheetPath; // --feuille: .svg, .pdf or .png; empty: no sheet
};

// Key "precision" of the result, JSON numbers (null where there is none), for a converted design.
QJsonObject precisionJson(const calc::RealDesign &design, const CalculationOptions &options);
// Section "E - Précision" of the report, from that key.
QStringList precisionReport(const QJsonObject &precision, const CalculationOptions &options);

// Parses "--calcul T T1 [--serie E12|E24] [--significatif 0|3|4|5] [--k4060 N] [--json]
// [--precision] [--tolerance-r|-c|--dispersion-k|--tolerance-ajustable P] [--mesure T_MESURE]
// [--feuille FICHIER] [--nomenclature]" (program name excluded); `defaults` holds the values
// options do not give.
ParsedCalculation parseCalculation(const QStringList &arguments, const CalculationOptions &defaults);

QString calculationUsage();

// Writes the design sheet of a real design to `path`; returns an empty text on success, else a
// French message that names the file. Only the windowed program can draw one.
using SheetWriter = std::function<QString(const calc::RealDesign &design, const QString &path)>;

// The defaults of the command line: the running system's separator and, when the settings
// file exists, its series, display mode, constant and tolerances.
CalculationOptions storedCalculationOptions();

// The whole command line after the program name ("--calcul T T1 ..."): reads the defaults from
// the settings file, prints the report or the JSON, returns the exit status. `writeSheet` may be
// empty where no drawing is linked.
int runCalculation(const QStringList &arguments, const SheetWriter &writeSheet);

// The parts list of a design: its JSON under the key "nomenclature" and its French report.
QJsonArray nomenclatureJson(const calc::RealDesign &design);
QString nomenclatureReport(const calc::RealDesign &design);
