#include "report/text.h"

#include "report/chronogram.h"
#include "report/precisiontext.h"

#include "calc/nomenclature.h"
#include "calc/tables.h"

#include <QStringList>

namespace report {

namespace {

QString qtext(std::string_view value) { return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())); }

QString outputNames(const std::array<bool, 14> &on, bool markPinless)
{
    QStringList names;
    for (int n = 1; n <= calc::OutputCount; ++n) {
        if (!on[static_cast<std::size_t>(n)])
            continue;
        QString name = QStringLiteral("Q%1").arg(n);
        if (markPinless && calc::isPinless(n))
            name += QStringLiteral(" (impossible)");
        names.append(name);
    }
    return names.isEmpty() ? QStringLiteral("aucune") : names.join(QStringLiteral(", "));
}

} // namespace

QString textReport(const calc::Road &road, const Sections &sections)
{
    const calc::Design &design = road.design;
    const calc::RealDesign &real = road.real;
    QStringList lines;
    lines << QStringLiteral("A - Temporisation demandée")
          << QStringLiteral("    Période oscillateur = %1").arg(qtext(road.labelText));
    if (road.designed)
        lines << QStringLiteral("B - Valeur des composants calculés")
              << QStringLiteral("    Sorties \"On\" : %1").arg(outputNames(design.on, true))
              << QStringLiteral("    Condensateur \"C2\" = %1").arg(qtext(design.C2Caption))
              << QStringLiteral("    Résistance \"R2\" = %1").arg(qtext(design.R2Caption));
    if (road.converted)
        lines << QStringLiteral("C - Valeur réelle des composants (série %1)")
                     .arg(real.Pas_Serie == calc::PasE12 ? QStringLiteral("E12") : QStringLiteral("E24"))
              << QStringLiteral("    Condensateur \"C2\" = %1 nF").arg(qtext(real.capacitorText).trimmed())
              << QStringLiteral("    Résistance \"R2\" = %1 Kohm + potentiomètre %2 Kohm")
                     .arg(qtext(real.talonText), qtext(real.potentiometerText))
              << QStringLiteral("    Sorties \"On\" : %1").arg(outputNames(calc::outputsOfPattern(real.pattern), false))
              << QStringLiteral("D - Temporisation réelle")
              << QStringLiteral("    Période oscillateur = %1").arg(qtext(real.shown.FrequenceOscillateur))
              << QStringLiteral("    Période \"T\" = %1 s").arg(qtext(real.shown.T_reel))
              << QStringLiteral("    Durée du pulse \"T1\" = %1 s").arg(qtext(real.shown.T1_reel))
              << QStringLiteral("    Résistance \"Rs\" = %1").arg(qtext(real.shown.ValeurRs));
    if (const std::optional<calc::Precision> precision = precisionOf(road, sections))
        lines << precisionSection(*precision, road, sections);
    if (sections.chronogramme && road.converted)
        lines << chronogramSection(real);
    if (road.stop != calc::Stop::None)
        lines << QStringLiteral("Calcul arrêté : %1.").arg(qtext(stopSentence(road.stop)));
    if (road.alarmsKnown) {
        QStringList alarms;
        for (int n : road.alarms)
            alarms << QString::number(n);
        lines << QStringLiteral("Alarmes : %1")
                     .arg(alarms.isEmpty() ? QStringLiteral("aucune") : alarms.join(QStringLiteral(", ")));
    }
    QString report = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    if (sections.nomenclature)
        report += QStringLiteral("Nomenclature\n") + qtext(calc::nomenclatureText(calc::nomenclature(real), "    "));
    return report;
}

} // namespace report
