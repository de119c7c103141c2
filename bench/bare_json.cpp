#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

// The yardstick of the benchmark: the least a Qt Core program does to print one JSON object.
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QJsonObject object{{QStringLiteral("T"), application.arguments().value(1)},
                             {QStringLiteral("T1"), application.arguments().value(2)},
                             {QStringLiteral("alarmes"), QJsonArray{2, 8}}};
    QTextStream(stdout) << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
    return 0;
}
