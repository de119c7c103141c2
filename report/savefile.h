#pragma once

#include <QByteArray>
#include <QString>

namespace report {

// Writes `bytes` to `path` whole or not at all: the file that was there stays as it was on any
// failure. Empty on success, else why not, in the interface's language.
QString saveWhole(const QString &path, const QByteArray &bytes);

} // namespace report
