#include "report/text.h"

#include "report/chronogram.h"
#include "report/precisiontext.h"
#include "report/words.h"

#include "calc/circuit.h"
#include "calc/nomenclature.h"
#include "calc/numbertext.h"
#include "calc/tables.h"

#include <QCoreApplication>
#include <QStringList>

namespace report {

namespace {

struct Rapport {
    Q_DECLARE_TR_FUNCTIONS(Rapport)
};

const QString Indent = QStringLiteral("    ");

QString qtext(std::string_view value) { return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())); }

QString outputNames(const std::array<bool, 14> &on, bool markPinless)
{
    QStringList names;
    for (int n = 1; n <= calc::OutputCount; ++n) {
        if (!on[static_cast<std::size_t>(n)])
            continue;
        const QString name = QStringLiteral("Q%1").arg(n);
        names.append(markPinless && calc::isPinless(n) ? Rapport::tr("%1 (impossible)").arg(name) : name);
    }
    return names.isEmpty() ? Rapport::tr("aucune") : names.join(QStringLiteral(", "));
}

} // namespace

// One line a net: "    RAZ : U1-12, C3-2, R6-1, U2-6", so the wiring can be checked by eye.
QString circuitSection(const calc::RealDesign &design)
{
    QString section = Rapport::tr("Circuit") + QLatin1Char('\n');
    for (const calc::Net &net : calc::circuitOf(design).nets) {
        QStringList members;
        for (const calc::NetMember &member : net.members)
            members << qtext(member.reference) + QLatin1Char('-') + qtext(member.pin);
        section += Indent + Rapport::tr("%1 : %2").arg(qtext(net.name), members.join(QStringLiteral(", "))) + QLatin1Char('\n');
    }
    return section;
}

QString nomenclatureSection(const calc::RealDesign &design)
{
    const calc::Words words = report::words();
    return Rapport::tr("Nomenclature") + QLatin1Char('\n')
         + qtext(calc::nomenclatureText(calc::nomenclature(design, words), Indent.toStdString(), words));
}

QString textReport(const calc::Road &road, const Sections &sections)
{
    const calc::Design &design = road.design;
    const calc::RealDesign &real = road.real;
    const auto typed = [&real](const std::string &text) { return qtext(calc::typedNumber(text, real.notation)); };
    QStringList lines;
    lines << Rapport::tr("A - Temporisation demandée")
          << Indent + Rapport::tr("Période oscillateur = %1").arg(qtext(road.labelText));
    if (road.designed)
        lines << Rapport::tr("B - Valeur des composants calculés")
              << Indent + Rapport::tr("Sorties \"On\" : %1").arg(outputNames(design.on, true))
              << Indent + Rapport::tr("Condensateur \"C2\" = %1").arg(qtext(design.C2Caption))
              << Indent + Rapport::tr("Résistance \"R2\" = %1").arg(qtext(design.R2Caption));
    if (road.converted)
        lines << Rapport::tr("C - Valeur réelle des composants (série %1)")
                     .arg(real.Pas_Serie == calc::PasE12 ? QStringLiteral("E12") : QStringLiteral("E24"))
              << Indent + Rapport::tr("Condensateur \"C2\" = %1 nF").arg(typed(real.capacitorText).trimmed())
              << Indent + Rapport::tr("Résistance \"R2\" = %1 Kohm + potentiomètre %2 Kohm")
                              .arg(typed(real.talonText), typed(real.potentiometerText))
              << Indent + Rapport::tr("Sorties \"On\" : %1").arg(outputNames(calc::outputsOfPattern(real.pattern), false))
              << Rapport::tr("D - Temporisation réelle")
              << Indent + Rapport::tr("Période oscillateur = %1").arg(qtext(real.shown.FrequenceOscillateur))
              << Indent + Rapport::tr("Période \"T\" = %1 s").arg(qtext(real.shown.T_reel))
              << Indent + Rapport::tr("Durée du pulse \"T1\" = %1 s").arg(qtext(real.shown.T1_reel))
              << Indent + Rapport::tr("Résistance \"Rs\" = %1").arg(qtext(real.shown.ValeurRs));
    if (const std::optional<calc::Precision> precision = precisionOf(road, sections))
        lines << precisionSection(*precision, road, sections);
    if (sections.chronogramme && road.converted)
        lines << chronogramSection(real);
    if (road.stop != calc::Stop::None)
        lines << Rapport::tr("Calcul arrêté : %1.").arg(Rapport::tr(stopSentence(road.stop)));
    if (road.alarmsKnown) {
        QStringList alarms;
        for (int n : road.alarms)
            alarms << QString::number(n);
        lines << Rapport::tr("Alarmes : %1").arg(alarms.isEmpty() ? Rapport::tr("aucune") : alarms.join(QStringLiteral(", ")));
    }
    QString report = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    if (sections.nomenclature)
        report += nomenclatureSection(real);
    if (sections.circuit)
        report += circuitSection(real);
    return report;
}

} // namespace report
