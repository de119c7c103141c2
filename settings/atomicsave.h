#pragma once

#include <QByteArray>
#include <QString>

namespace Commun {

// Replaces the file at `path` by `bytes` in one step: a temporary file beside it is written,
// flushed and renamed over the old one, so a crash, a kill or a full disk leaves either the old
// file or the new one, never a mixture. A file without write permission counts as a failure even
// for a user allowed to rename over it, as on Windows. On failure `error` says why.
bool saveAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Prints one line on stderr saying that the settings could not be written, and why.
void warnWriteFailure(const QString &path, const QString &reason);

namespace test {
// For tests: every save from now on stops after `bytes` bytes as on a full disk; -1 ends this.
void simulateFullDisk(qint64 bytes);
} // namespace test

} // namespace Commun
