#include "report/longperiod.h"

#include "report/chronogram.h"
#include "report/precisiontext.h"
#include "report/text.h"
#include "report/words.h"

#include "calc/numbertext.h"
#include "calc/sentence.h"

#include <QCoreApplication>
#include <QStringList>

#include <optional>

namespace report {

namespace {

struct LongueDuree {
    Q_DECLARE_TR_FUNCTIONS(LongueDuree)
};

const QString Indent = QStringLiteral("    ");

QString qtext(const std::string &text) { return QString::fromStdString(text); }

// "CD4060 Q5" for stages 1 to 14, then the second counter's own output.
QString stageName(calc::SecondCounter counter, int stage)
{
    return stage <= 14 ? QStringLiteral("CD4060 Q%1").arg(stage)
                       : QStringLiteral("%1 Q%2").arg(QLatin1String(calc::counterName(counter))).arg(stage - 14);
}

} // namespace

std::string longRefusalSentence(const calc::LongRoad &road, const calc::Words &words, char separator)
{
    using enum calc::LongRefusal;
    switch (road.design.refusal) {
    case None:
        return {};
    case PeriodOutOfRange:
        return words.translate("LongueDuree", "la période T doit aller de 60 à 10000000 s");
    case PulseOutOfRange:
        return calc::sentence(words.translate("LongueDuree", "le pulse T1 doit être positif et plus court que T / %1"),
                              {calc::formatGeneral(2.001, separator)});
    case StageOutOfRange:
        return calc::sentence(words.translate("LongueDuree", "l'étage S doit aller de 15 à %1 avec ce compteur"),
                              {std::to_string(calc::lastTopStage(road.entry.counter))});
    case StageWithoutPin:
        return calc::sentence(words.translate("LongueDuree", "l'étage S = %1 n'a pas de broche sur le %2"),
                              {std::to_string(road.design.stage), calc::counterName(road.entry.counter)});
    case PulseTooShort:
        return calc::sentence(
            words.translate("LongueDuree", "le pulse T1 est plus court que le plus court possible, %1 s"),
                              {calc::formatGeneral(calc::fourSignificantDigits(road.design.finestPulse), separator)});
    }
    return {};
}

QString longReport(const calc::LongRoad &road, const calc::RealDesign &real, const Sections &sections, char separator)
{
    const calc::LongDesign &d = road.design;
    const calc::SecondCounter counter = road.entry.counter;
    QStringList lines{LongueDuree::tr("Longue durée : CD4060 puis %1, étage S = %2 (proposé : %3)")
                          .arg(QLatin1String(calc::counterName(counter)))
                          .arg(d.stage)
                          .arg(d.proposedStage)};
    if (!road.timing) {
        lines << LongueDuree::tr("Calcul arrêté : %1.").arg(qtext(longRefusalSentence(road, words(), separator)));
        return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    const calc::LongTiming &t = *road.timing;
    const auto seconds = [separator](double value) {
        return qtext(calc::formatGeneral(calc::fourSignificantDigits(value), separator));
    };
    const auto kilohms = [separator](double value) { return qtext(calc::formatKilohms(value, separator)); };
    const auto percent = [separator](const std::optional<double> &value) {
        return value ? qtext(calc::formatPercent(*value, separator)) : QStringLiteral("—");
    };
    QStringList stages;
    for (int stage : markedStages(road.parts.marks))
        stages << stageName(counter, stage);
    const calc::LongParts &parts = road.parts;
    lines << Indent + LongueDuree::tr("Période oscillateur = %1 s").arg(seconds(d.P))
          << Indent + LongueDuree::tr("Condensateur \"C2\" = %1 nF").arg(qtext(calc::formatGeneral(parts.C2, separator)))
          << Indent + LongueDuree::tr("Résistance \"R2\" = %1 kΩ").arg(kilohms(d.R2))
          << Indent + (road.trimmer > 0 ? LongueDuree::tr("Talon %1 kΩ + ajustable %2 kΩ réglé à %3 kΩ")
                                              .arg(kilohms(parts.talon), kilohms(road.trimmer), kilohms(parts.setting))
                                        : LongueDuree::tr("Talon %1 kΩ + %2 kΩ : aucun ajustable courant ne l'atteint")
                                              .arg(kilohms(parts.talon), kilohms(parts.setting)))
          << Indent + LongueDuree::tr("Sorties à diode : %1").arg(stages.join(QStringLiteral(", ")))
          << Indent + LongueDuree::tr("Période \"T\" réelle = %1 s (écart %2)").arg(seconds(t.T), percent(t.errorT))
          << Indent + LongueDuree::tr("Pulse \"T1\" réel = %1 s (écart %2)").arg(seconds(t.T1), percent(t.errorT1))
          << Indent + LongueDuree::tr("Résistance \"Rs\" = %1 kΩ").arg(kilohms(t.Rs));
    for (const calc::Rule &rule : t.rules)
        lines << Indent
                     + (rule.met ? LongueDuree::tr("Règle respectée : %1") : LongueDuree::tr("Règle NON respectée : %1"))
                              .arg(qtext(calc::ruleCaption(rule.id, separator, words())));
    const calc::Road tools = sectionsRoad(real);
    if (const std::optional<calc::Precision> precision = precisionOf(tools, sections))
        lines << precisionSection(*precision, tools, sections);
    if (sections.chronogramme)
        lines << chronogramSection(real);
    QString report = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    if (sections.nomenclature)
        report += nomenclatureSection(real);
    if (sections.circuit)
        report += circuitSection(real);
    return report;
}

} // namespace report
