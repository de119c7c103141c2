#include "report/savefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace report {

namespace {

struct Saving {
    Q_DECLARE_TR_FUNCTIONS(Enregistrer)
};

} // namespace

QString saveWhole(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        return Saving::tr("c'est un dossier");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Saving::tr("le dossier n'existe pas ou n'accepte pas d'écriture");
    if (file.write(bytes) != bytes.size() || !file.commit())
        return Saving::tr("l'écriture a échoué (disque plein ?)");
    return {};
}

} // namespace report
