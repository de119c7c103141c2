#include "report/chronogram.h"

#include "report/precisiontext.h"

#include "calc/chronogram.h"
#include "calc/precision.h"
#include "calc/tables.h"

#include <QCoreApplication>

namespace report {

namespace {

struct Chronogramme {
    Q_DECLARE_TR_FUNCTIONS(Chronogramme)
};

} // namespace

QStringList chronogramSection(const calc::RealDesign &design)
{
    const calc::Chronogram c = calc::chronogram(design);
    auto seconds = [&c](double value) {
        return QString::fromStdString(calc::formatSeconds(value, c.Mode_Affichage, c.separator, c.notation));
    };
    QStringList lines{Chronogramme::tr("F - Chronogramme")};
    if (!(c.P > 0))
        return lines << Chronogramme::tr("    Rien à dessiner : la période est hors des limites d'un calcul.");
    for (const calc::Lane &lane : calc::lanes(c)) {
        if (lane.signal != calc::Signal::Output)
            continue;
        const double period = calc::outputPeriod(c, lane.output);
        QString line = c.cascade ? Chronogramme::tr("    %1 : premier front à %2 s, période %3 s")
                                       .arg(stageName(c.cascade, lane.output), seconds(period / 2), seconds(period))
                                 : Chronogramme::tr("    Q%1 : premier front à %2 s, période %3 s")
                                       .arg(QString::fromStdString(std::to_string(lane.output)), seconds(period / 2),
                                            seconds(period));
        if (lane.output < c.top && !c.hasPin(lane.output))
            line += Chronogramme::tr(" (sans broche : hors de la ligne des diodes)");
        lines << line;
    }
    QStringList pulses;
    const calc::Lane led{calc::Signal::Led, 0};
    for (const calc::Interval &pulse : calc::highIntervals(c, led, 0, 2 * c.period(), 0, 8))
        pulses << Chronogramme::tr("de %1 à %2 s").arg(seconds(pulse.begin), seconds(pulse.end));
    lines << (pulses.isEmpty() ? Chronogramme::tr("    LED allumée : jamais, aucune sortie à diode")
                               : Chronogramme::tr("    LED allumée (deux périodes) : %1").arg(pulses.join(QStringLiteral(", "))));
    return lines;
}

} // namespace report
