#include "settings/atomicsave.h"

#include <QFileInfo>
#include <QSaveFile>

namespace Commun {

namespace {

qint64 g_fullDiskAfter = -1;

QString oneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool saveAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    const QFileInfo target(path);
    if (target.exists() && (!target.isFile() || !target.isWritable()
                            || !target.permission(QFileDevice::WriteOwner)))
        return fail(error, QStringLiteral("fichier protégé en écriture"));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    const qint64 toWrite = g_fullDiskAfter >= 0 ? qMin<qint64>(g_fullDiskAfter, bytes.size()) : bytes.size();
    if (file.write(bytes.constData(), toWrite) != toWrite || toWrite != bytes.size()) {
        const QString reason = toWrite != bytes.size() ? QStringLiteral("disque plein") : file.errorString();
        file.cancelWriting();
        return fail(error, reason);
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

void warnWriteFailure(const QString &path, const QString &reason)
{
    qWarning("Réglages non enregistrés dans %s : %s", qUtf8Printable(oneLine(path)),
             qUtf8Printable(oneLine(reason)));
}

namespace test {
void simulateFullDisk(qint64 bytes) { g_fullDiskAfter = bytes; }
} // namespace test

} // namespace Commun
