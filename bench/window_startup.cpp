#include "ui/chronalys_cd4060.h"
#include "settings/commun.h"
#include "settings/language.h"

#include <QApplication>
#include <QTimer>

// Start-up of a window, from the process's start to its first shown frame, then quit. With
// "--nu", the yardstick: a bare Qt Widgets window; otherwise the program's main window, built as
// main() builds it, in the language "--langue fr|en" asks for.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const bool bare = application.arguments().contains(QStringLiteral("--nu"));
    QWidget plain;
    LaunchOptions options;
    options.executablePath = QCoreApplication::applicationFilePath();
    std::unique_ptr<QWidget> window;
    if (bare) {
        plain.show();
    } else {
        Commun::traduireDialoguesQt();
        Commun::Chemin_Fichier_INI();
        Commun::installerLangueAuDemarrage(application.arguments());
        (window = std::make_unique<Chronalys_CD4060>(options))->show();
    }
    QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return application.exec();
}
