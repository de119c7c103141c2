#include "app/batch.h"
#include "app/calculation.h"
#include "settings/commun.h"
#include "settings/language.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

// chronalys-calcul: the calculation of "Chronalys_CD4060 --calcul" without loading any
// graphical library, and the batch of designs.
int main(int argc, char *argv[])
{
    silenceQtMessages();
    QCoreApplication application(argc, argv);
    // The window's settings file: same folder in a portable copy, same user folder installed.
    QCoreApplication::setApplicationName(QStringLiteral("Chronalys_CD4060"));
    Commun::useFilesOf(QStringLiteral("Chronalys_CD4060"));

    // Before any text is written; a wrong --langue is the parser's to report, with the usage.
    Commun::Chemin_Fichier_INI();
    Commun::installerLangueAuDemarrage(application.arguments());
    QStringList arguments = application.arguments().mid(1);
    if (arguments.contains(QStringLiteral("--aide")) || arguments.contains(QStringLiteral("--help"))) {
        QTextStream(stdout) << calculProgramUsage();
        return 0;
    }
    if (arguments.contains(QStringLiteral("--version"))) {
        std::fputs("chronalys-calcul (Chronalys CD4060) " CHRONALYS_VERSION "\n", stdout);
        return 0;
    }
    if (arguments.contains(QStringLiteral("--lot")))
        return runBatch(arguments);
    if (arguments.value(0) != QLatin1String("--calcul"))
        arguments.prepend(QStringLiteral("--calcul"));
    // No drawing is linked here: the design sheet stays with Chronalys_CD4060.
    return runCalculation(arguments, {}, QStringLiteral("chronalys-calcul"));
}
