#include "app/calculation.h"

#include "ui/chronalys_cd4060.h"
#include "ui/sheetfile.h"

#include "settings/commun.h"
#include "settings/language.h"
#include "settings/systemlocale.h"

#include <QApplication>
#include <QDate>
#include <QTextStream>

#include <cstdio>

namespace {

bool hasArgument(int argc, char *argv[], const char *wanted)
{
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], wanted) == 0)
            return true;
    return false;
}

// The settings file named is the one this copy uses: beside it, or in the user's folder.
QString helpText()
{
    Commun::Chemin_Fichier_INI();
    return QCoreApplication::translate("LigneDeCommande",
                                       "Chronalys CD4060 %1 : calcul d'une temporisation longue période "
                                       "autour d'un CD4060.\n"
                                       "\n"
                                       "Chronalys_CD4060 [FICHIER.cd4060]  ouvre la fenêtre du calcul, avec la "
                                       "conception donnée\n"
                                       "Chronalys_CD4060 --calcul …        calcule sans fenêtre (voir ci-dessous)\n"
                                       "Chronalys_CD4060 --langue en       en anglais, fenêtre et calcul ; fr : en "
                                       "français\n"
                                       "Chronalys_CD4060 --help            affiche cette aide\n"
                                       "Chronalys_CD4060 --version         affiche le nom et la version\n"
                                       "\n")
               .arg(QStringLiteral(CHRONALYS_VERSION))
        + calculationUsage()
        + QCoreApplication::translate("LigneDeCommande",
                                      "\nFichier de réglages : %1\n"
                                      "  écrit par « Fichier » > « Quitter » ; supprimé, les valeurs d'origine "
                                      "reviennent.\n"
                                      "Page de manuel : man Chronalys_CD4060\n")
              .arg(Commun::Chemin_INI());
}

// The window needs a display; without one Qt would abort, so say so and point to the
// calculation that needs none.
bool displayAvailable(int argc, char *argv[])
{
    QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0)
            platform = argv[i + 1];
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The language comes before any text is written. False for a wrong --langue, which the
// calculation's parser reports with its usage; the window reports it with wrongLanguage().
bool startInLanguage(const QCoreApplication &application)
{
    Commun::Chemin_Fichier_INI();
    return Commun::installerLangueAuDemarrage(application.arguments());
}

int wrongLanguage()
{
    QTextStream(stderr) << QCoreApplication::translate("Calculation", "%1 : ", "program name before a message; keep the space after")
                               .arg(QCoreApplication::applicationName())
                        << Commun::erreurOptionLangue() << QLatin1Char('\n');
    return 2;
}

QString writeSheet(const calc::RealDesign &design, const QString &name, const QString &note, const QString &path)
{
    return writeSheetFile({design, QDate::currentDate(), name, note}, path);
}

// The chronogramme has no title block.
QString writeChronogram(const calc::RealDesign &design, const QString &, const QString &, const QString &path)
{
    return writeChronogramFile(design, path);
}

} // namespace

int main(int argc, char *argv[])
{
    // Both answer without a display, before anything else reads the command line.
    if (hasArgument(argc, argv, "--help")) {
        QCoreApplication application(argc, argv);
        startInLanguage(application);
        QTextStream(stdout) << helpText();
        return 0;
    }
    if (hasArgument(argc, argv, "--version")) {
        std::fputs("Chronalys CD4060 " CHRONALYS_VERSION "\n", stdout);
        return 0;
    }
    if (hasArgument(argc, argv, "--calcul")) {
        silenceQtMessages();
        const QString program = QStringLiteral("Chronalys_CD4060");
        if (!hasArgument(argc, argv, "--feuille") && !hasArgument(argc, argv, "--image-chronogramme")) {
            QCoreApplication application(argc, argv);
            startInLanguage(application);
            return runCalculation(application.arguments().mid(1), writeSheet, program, writeChronogram);
        }
        // Drawing needs fonts, not a screen: without one, the offscreen platform serves.
        if (!displayAvailable(argc, argv))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication application(argc, argv);
        startInLanguage(application);
        return runCalculation(application.arguments().mid(1), writeSheet, program, writeChronogram);
    }
    if (!displayAvailable(argc, argv)) {
        // Only an application object hears the translation.
        QCoreApplication application(argc, argv);
        if (!startInLanguage(application))
            return wrongLanguage();
        QTextStream(stderr) << QCoreApplication::translate(
            "LigneDeCommande", "Chronalys_CD4060 : aucun écran disponible pour ouvrir la fenêtre ; "
                               "pour calculer sans fenêtre : Chronalys_CD4060 --calcul T T1\n");
        return 1;
    }
    QApplication application(argc, argv);
    // Ties the windows to the installed launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(CHRONALYS_APP_ID));
    // In French, so are the file, print and message-box dialogs Qt draws.
    Commun::traduireDialoguesQt();
    if (!startInLanguage(application))
        return wrongLanguage();
    LaunchOptions options;
    options.executablePath = QCoreApplication::applicationFilePath();
    // A design file named on the command line is opened; its path is no switch: a folder
    // named "debug" must not show the diagnostic controls.
    QStringList arguments = application.arguments().mid(1);
    QString conception;
    for (const QString &argument : std::as_const(arguments))
        if (argument.endsWith(QLatin1String(".cd4060"), Qt::CaseInsensitive) && !argument.startsWith(QLatin1Char('-')))
            conception = argument;
    arguments.removeAll(conception);
    options.commandLine = arguments.join(QLatin1Char(' '));
    options.decimalSeparator = Commun::systemDecimalSeparator();
    Chronalys_CD4060 window(options);
    window.show();
    if (!conception.isEmpty())
        window.Ouvrir_Conception(conception);
    return application.exec();
}
