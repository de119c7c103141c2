// The alarm file loader on any bytes: the same messages from the file as from its bytes, the
// rules of the file kept, and text a label can show.

#include "ui/alarmes.h"
#include "check.h"
#include "settings/textdecoding.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <string>

namespace {

using fuzz::visible;

std::string shown(const QString &text) { return visible(text.toStdString()); }

const QString &alarmFile()
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Chronalys_CD4060_Alarme.TXT"));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::string detail = "file " + visible(bytes.left(400).toStdString());
    const QString sautLigne = QStringLiteral("\r\n");
    const LignesAlarme lignes = lignesAlarme(bytes, sautLigne);

    {
        QFile file(alarmFile());
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
                   "cannot write the alarm file");
    }
    FUZZ_CHECK(chargerAlarmes(alarmFile(), sautLigne) == lignes, detail);

    // Line k of the file is message k, up to the first empty line.
    QList<QByteArray> lines = bytes.split('\n');
    if (bytes.endsWith('\n'))
        lines.removeLast();
    bool ended = false;
    for (std::size_t k = 0; k < lignes.size(); ++k) {
        const QString &ligne = lignes[k];
        const std::string slot = detail + " slot " + std::to_string(k) + " " + shown(ligne);
        QByteArray line = qsizetype(k) < lines.size() ? lines[qsizetype(k)] : QByteArray();
        if (line.endsWith('\r'))
            line.chop(1);
        const QString decoded = Commun::decodeText(line);
        ended = ended || decoded.isEmpty();
        if (ended) {
            FUZZ_CHECK(ligne.isEmpty(), slot);
            continue;
        }
        // The label of the line is never shown; the first "&&" after it is a line break.
        QString expected = decoded;
        const QList<uint> characters = decoded.toUcs4();
        qsizetype label = 0;
        for (std::size_t i = 0; i < 3 && qsizetype(i) < characters.size(); ++i)
            label += QChar::requiresSurrogates(characters[qsizetype(i)]) ? 2 : 1;
        expected.replace(0, label, QString(std::min<qsizetype>(3, characters.size()), QLatin1Char(' ')));
        if (const qsizetype at = expected.indexOf(QStringLiteral("&&")); at >= 0)
            expected.replace(at, 2, sautLigne);
        FUZZ_CHECK(ligne == expected, slot + " expected " + shown(expected));
        // Whole characters: the blanking never leaves half of a surrogate pair behind.
        FUZZ_CHECK(QStringView(ligne).isValidUtf16() || !QStringView(decoded).isValidUtf16(), slot);
    }
    return 0;
}
