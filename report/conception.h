#pragma once

#include "calc/conversion.h"
#include "calc/precision.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>
#include <vector>

namespace report {

// A design file (".cd4060", UTF-8 JSON): what the user typed and chose, as the fields hold it.
struct Conception {
    QString nom;
    QString T, T1;                // the period and pulse fields, seconds, as typed
    int Pas_Serie = calc::PasE24;
    QString K4060 = QStringLiteral("280"); // constant x 10^8, as the settings file writes it
    calc::Tolerances tolerances;  // percent
    struct Parts {
        QString C2, talon, potentiometre; // zone C's fields: nanofarads, kilohms
        std::vector<int> sorties;         // stages marked "On", increasing: outputs Q1 to Q13 alone, or
                                          // with a montage the stages 1 to S - 1 of both counters
        bool operator==(const Parts &) const = default;
    };
    std::optional<Parts> composants; // none when saved before any conversion
    // "montage" of format version 2: the "Longue durée" window's design; none: the main window's.
    std::optional<calc::Cascade> montage;
    QString note;
    QJsonObject autres; // keys this version does not know: written back as they came

    double constant() const; // seconds per (kilohm x nanofarad)
    bool operator==(const Conception &) const = default;
};

// A design file read whole, or the message that names the file and says what is wrong.
struct ConceptionRead {
    std::optional<Conception> conception;
    QString error;
};
inline constexpr qint64 MaxConceptionBytes = 1 << 20;
ConceptionRead readConception(const QString &path);
// The same checks on bytes already read; `path` only names the file in the message.
ConceptionRead parseConception(const QByteArray &bytes, const QString &path);

QByteArray conceptionJson(const Conception &conception);
// Written whole or not at all (QSaveFile); an empty text, or the message naming the file.
QString writeConception(const Conception &conception, const QString &path);

} // namespace report
