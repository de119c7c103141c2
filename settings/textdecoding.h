#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Side files come from either platform: UTF-8 from Linux and recent editors, Windows-1252 (the
// French 8-bit code page) from older Windows tools. Both must keep their accents.
namespace Commun {

enum class TextEncoding { Utf8, Windows1252 };

// 3 when the bytes open with a UTF-8 byte-order mark, else 0.
qsizetype byteOrderMarkLength(QByteArrayView bytes);

// UTF-8 when the bytes after any byte-order mark are valid UTF-8 (no overlong forms, no
// surrogates), Windows-1252 otherwise. Plain ASCII counts as UTF-8.
TextEncoding detectEncoding(QByteArrayView bytes);

// The one way a side file's bytes become text (settings, alarm and help files): the encoding is
// detected on the whole file and the byte-order mark dropped. Line breaks are kept as they are.
QString decodeText(const QByteArray &bytes);

QString decode(QByteArrayView bytes, TextEncoding encoding);

// A character Windows-1252 cannot hold becomes "?", as Windows itself writes it.
QByteArray encode(QStringView text, TextEncoding encoding);

} // namespace Commun
