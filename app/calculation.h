#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// The whole road of one design (entry, design, conversion, real timing) without a window.
struct CalculationOptions {
    int Pas_Serie = 1;              // 1 = E24, 2 = E12
    int Mode_Affichage = 4;         // 0 raw, 3 to 5 significant digits
    double Constante_K4060 = 2.8e-6; // seconds per (kilohm x nanofarad), finite and positive
    char separator = '.';           // decimal separator of the running system
    bool json = false;
};

// Runs the chain on the field texts and returns what each control would show, keyed by
// control name. A chain that stops early has the key "arret" and no later keys.
QJsonObject calculate(const QString &periodText, const QString &pulseText,
                      const CalculationOptions &options);

// French report of the same result, one zone after the other.
QString calculationReport(const QJsonObject &result, const CalculationOptions &options);

struct ParsedCalculation {
    bool ok = false;
    QString error; // French, when !ok
    QString periodText;
    QString pulseText;
    CalculationOptions options;
};

// Parses "--calcul T T1 [--serie E12|E24] [--significatif 0|3|4|5] [--k4060 N] [--json]"
// (program name excluded); `defaults` holds the values options do not give.
ParsedCalculation parseCalculation(const QStringList &arguments, const CalculationOptions &defaults);

QString calculationUsage();
