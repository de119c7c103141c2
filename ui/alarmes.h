#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// Messages 0 to 10, raised by number.
using LignesAlarme = std::array<QString, 11>;

// Reads the alarm file: one message per line, its first three characters blanked, its first
// "&&" turned into `sautLigne`; an empty line ends the messages and lines past the eleventh
// are ignored. A file that cannot be opened puts a message naming it in slots 0 to 9.
LignesAlarme chargerAlarmes(const QString &fichierAlarme, const QString &sautLigne);

// The same rules on the file's bytes, for callers that already hold them.
LignesAlarme lignesAlarme(const QByteArray &contenu, const QString &sautLigne);
