#pragma once

// Inside the module Commun only.

#include "settings/inidocument.h"

#include <QString>

namespace Commun::detail {

// The settings file meant by a file argument: an empty one means Chemin_INI().
QString settingsPath(const QString &file);

// Lire_INI on a file read once, for callers that need several keys.
QString readValue(const IniDocument &document, const QString &section, const QString &key,
                  const QString &defaultValue);

// The counter's value for this call; the next call gets one more.
int takeSaveNumber();
int takeRestoreNumber();

} // namespace Commun::detail
