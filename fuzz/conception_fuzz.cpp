// The design-file reader on any bytes: refused with one French message that names the file, or
// read into texts the key filter would let into their fields; what the writer then writes reads
// back as the same design.

#include "check.h"
#include "calc/keyfilter.h"
#include "report/conception.h"

#include <QByteArray>
#include <QString>

#include <string>

namespace {

bool typable(const QString &text)
{
    std::string typed;
    for (const QChar c : text) {
        const auto verdict = calc::numericKeyVerdict(typed, c.unicode());
        if (verdict != calc::KeyVerdict::Accept)
            return false;
        typed += static_cast<char>(c.unicode());
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString name = QStringLiteral("essai.cd4060");
    const report::ConceptionRead read = report::parseConception(bytes, name);
    const std::string shown = fuzz::visible(std::string_view(bytes.constData(), std::min<std::size_t>(size, 600)));
    if (!read.conception) {
        FUZZ_CHECK(read.error.contains(QStringLiteral("« essai.cd4060 »")), shown + " refused as " + read.error.toStdString());
        return 0;
    }
    FUZZ_CHECK(read.error.isEmpty(), shown);
    const report::Conception &c = *read.conception;
    QStringList fields{c.T, c.T1};
    if (c.composants)
        fields << c.composants->C2 << c.composants->talon << c.composants->potentiometre;
    for (const QString &field : fields)
        FUZZ_CHECK(typable(field), shown + " gives the field text " + field.toStdString());
    FUZZ_CHECK(c.constant() > 0, shown);
    const report::ConceptionRead again = report::parseConception(report::conceptionJson(c), name);
    FUZZ_CHECK(again.conception && *again.conception == c,
               shown + " written as " + report::conceptionJson(c).toStdString() + " reads back " + again.error.toStdString());
    return 0;
}
