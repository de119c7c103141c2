// The help file loader on any bytes: every line once, each followed by LF CR, nothing lost,
// and a caption the help label shows line for line.

#include "ui/aide.h"
#include "ui/captionlabel.h"
#include "check.h"
#include "settings/textdecoding.h"

#include <cstdint>
#include <string>

namespace {

std::string shown(const QString &text) { return fuzz::visible(text.toStdString()); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString decoded = Commun::decodeText(bytes);
    const QString texte = texteAide(bytes);
    const std::string detail = "file " + fuzz::visible(bytes.left(400).toStdString()) + " text " + shown(texte.left(400));
    const QString finDeLigne = QStringLiteral("\n\r");

    // Line ends of the file: CR LF, CR and a lone LF each end one line; a last line without one
    // is a line too.
    qsizetype ends = 0;
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        if (decoded[i] == QLatin1Char('\r') && i + 1 < decoded.size() && decoded[i + 1] == QLatin1Char('\n'))
            ++i;
        if (decoded[i] == QLatin1Char('\r') || decoded[i] == QLatin1Char('\n'))
            ++ends;
    }
    const bool lastOpen = !decoded.isEmpty() && decoded.back() != QLatin1Char('\r') && decoded.back() != QLatin1Char('\n');
    const qsizetype lineCount = ends + (lastOpen ? 1 : 0);

    FUZZ_CHECK(texte.isEmpty() == decoded.isEmpty(), detail);
    FUZZ_CHECK(texte.isEmpty() || texte.endsWith(finDeLigne), detail);
    FUZZ_CHECK(texte.count(finDeLigne) == lineCount, detail);
    // Nothing but the line ends changes.
    QString withoutEnds = decoded;
    withoutEnds.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    QString withoutFinDeLigne = texte;
    withoutFinDeLigne.remove(finDeLigne);
    FUZZ_CHECK(withoutFinDeLigne == withoutEnds, detail);

    // The label shows one line per line of the file and no control character but tabs.
    const QString display = CaptionLabel::displayText(texte);
    FUZZ_CHECK(display.count(QLatin1Char('\n')) == lineCount, detail + " display " + shown(display.left(400)));
    for (const QChar c : display)
        FUZZ_CHECK(c == QLatin1Char('\n') || c == QLatin1Char('\t') || c.category() != QChar::Other_Control,
                   detail + " display " + shown(display.left(400)));
    // The help label draws a screenful: the first characters of the same text.
    const qsizetype limit = qsizetype(size % 97);
    FUZZ_CHECK(CaptionLabel::displayText(texte, limit) == display.left(limit), detail);
    return 0;
}
