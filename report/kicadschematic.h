#pragma once

#include "calc/realdesign.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace report {

// What the title block says besides the design: the name and note of the design file (either
// may be empty) and the date to print (none when invalid).
struct KicadTitle {
    QString name;
    QString note;
    QDate date;
};

// The whole .kicad_sch file (KiCad 6 format, which every later KiCad upgrades) of the design's
// circuit, with its own symbols embedded; the same design and title give the same bytes.
QByteArray kicadSchematic(const calc::RealDesign &design, const KicadTitle &title);

// Written whole or not at all (QSaveFile); an empty text, or the message naming the file.
QString writeKicadSchematic(const calc::RealDesign &design, const KicadTitle &title, const QString &path);

} // namespace report
