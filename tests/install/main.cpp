#include <gtest/gtest.h>

#include <QApplication>

// One QApplication, offscreen unless told otherwise, named as the installed program so that
// its user folder is the one the program would use.
int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Chronalys_CD4060"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
