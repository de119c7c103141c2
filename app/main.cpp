#include "calculation.h"
#include "systemlocale.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QTextStream>

#include <cstdio>

namespace {

int runCalculation(const QStringList &arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    CalculationOptions defaults;
    defaults.separator = Commun::systemDecimalSeparator();
    const ParsedCalculation parsed = parseCalculation(arguments, defaults);
    if (!parsed.ok) {
        err << QStringLiteral("Chronalys_CD4060 : ") << parsed.error << '\n' << calculationUsage();
        return 2;
    }
    const QJsonObject result = calculate(parsed.periodText, parsed.pulseText, parsed.options);
    if (parsed.options.json)
        out << QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Indented));
    else
        out << calculationReport(result, parsed.options);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    if (arguments.contains(QStringLiteral("--calcul")))
        return runCalculation(arguments);
    QTextStream(stderr) << calculationUsage();
    return 2;
}
