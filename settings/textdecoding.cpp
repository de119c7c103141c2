#include "settings/textdecoding.h"

#include <array>

namespace Commun {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. The five bytes it leaves undefined
// (81, 8D, 8F, 90, 9D) map to the C1 controls of the same value, as Windows does, so every
// byte survives a read and a rewrite.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t fromWindows1252(uchar byte)
{
    return byte >= 0x80 && byte <= 0x9F ? Windows1252High[byte - 0x80] : char16_t(byte);
}

char toWindows1252(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return char(unit);
    for (std::size_t i = 0; i < Windows1252High.size(); ++i)
        if (Windows1252High[i] == unit)
            return char(0x80 + i);
    return '?';
}

} // namespace

qsizetype byteOrderMarkLength(QByteArrayView bytes)
{
    return bytes.startsWith(QByteArrayView("\xEF\xBB\xBF")) ? 3 : 0;
}

TextEncoding detectEncoding(QByteArrayView bytes)
{
    return bytes.sliced(byteOrderMarkLength(bytes)).isValidUtf8() ? TextEncoding::Utf8
                                                                   : TextEncoding::Windows1252;
}

QString decodeText(const QByteArray &bytes)
{
    const QByteArrayView body = QByteArrayView(bytes).sliced(byteOrderMarkLength(bytes));
    return decode(body, detectEncoding(body));
}

QString decode(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return QString::fromUtf8(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(fromWindows1252(uchar(byte)));
    return text;
}

QByteArray encode(QStringView text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return text.toUtf8();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        // A character outside the 16-bit plane is one "?", not two.
        if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes.append(toWindows1252(unit.unicode()));
    }
    return bytes;
}

} // namespace Commun
