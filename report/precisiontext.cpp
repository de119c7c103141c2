#include "report/precisiontext.h"

#include "report/words.h"

#include "calc/entry.h"
#include "calc/numbertext.h"

#include <QCoreApplication>

namespace report {

namespace {

struct Precision {
    Q_DECLARE_TR_FUNCTIONS(Precision)
};

const QString Dash = QStringLiteral("—");
const QString Indent = QStringLiteral("    ");

QString qtext(const std::string &value) { return QString::fromStdString(value); }

// The number texts of one design: its separator, display mode and notation.
struct Numbers {
    char separator;
    int mode;
    calc::Notation notation;
    QString seconds(double value) const { return qtext(calc::formatSeconds(value, mode, separator, notation)); }
    QString percent(const std::optional<double> &value) const
    {
        return value ? qtext(calc::formatPercent(*value, separator)) : Dash;
    }
    QString kilohms(double value) const { return qtext(calc::formatKilohms(value, separator)); }
    QString general(double value) const { return qtext(calc::formatGeneral(value, separator)); }
    QString travel(double value) const { return qtext(calc::formatPattern(value, "0.0", separator)); }
};

QString ruleVerdict(const calc::Rule &rule)
{
    return rule.met ? Precision::tr("respectée") : Precision::tr("non respectée");
}

// "caption : verdict", the caption in the interface's language.
QString ruleLine(calc::RuleId id, char separator, const QString &verdict)
{
    return Precision::tr("%1 : %2").arg(qtext(calc::ruleCaption(id, separator, report::words())), verdict);
}

} // namespace

namespace {

// Which counter a stage belongs to, as the drawing and the lists name it.
QString counterLabel(const std::optional<calc::Cascade> &cascade, int stage)
{
    if (stage <= 14 || !cascade)
        return QStringLiteral("CD4060");
    if (cascade->counter == calc::SecondCounter::CD4060)
        return Precision::tr("second CD4060");
    return QLatin1String(calc::counterName(cascade->counter));
}

// The stage's number on its own counter.
int ownNumber(const std::optional<calc::Cascade> &cascade, int stage) { return cascade && stage > 14 ? stage - 14 : stage; }

} // namespace

QString stageName(const std::optional<calc::Cascade> &cascade, int stage)
{
    if (!cascade)
        return QStringLiteral("Q%1").arg(stage);
    return Precision::tr("Q%1 (%2)").arg(ownNumber(cascade, stage)).arg(counterLabel(cascade, stage));
}

QString outputList(std::uint64_t n, const std::optional<calc::Cascade> &cascade)
{
    std::array<QStringList, 2> names; // the CD4060's, the second counter's
    for (int stage : calc::outputsOf(n))
        names[cascade && stage > 14 ? 1 : 0] << QStringLiteral("Q%1").arg(ownNumber(cascade, stage));
    if (!cascade)
        return names[0].join(QStringLiteral(", "));
    QStringList groups;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (!names[i].isEmpty())
            groups << Precision::tr("%1 : %2").arg(counterLabel(cascade, i == 0 ? 1 : 15),
                                                   names[i].join(QStringLiteral(", ")));
    return groups.size() == 2 ? Precision::tr("%1 ; %2").arg(groups[0], groups[1]) : groups.value(0);
}

QString calibrationRefusal(char separator)
{
    const Numbers number{separator, 0, calc::Notation::French};
    const calc::K4060Range range = calc::CalibrationRange;
    return Precision::tr("Période mesurée refusée : elle donnerait un K4060 hors de %1 à %2 (K de %3 à %4 × 10^-6).\n"
                     "Cause probable : la mesure a été prise sur une autre sortie, ou un composant n'a pas la "
                     "valeur indiquée en zone C.")
        .arg(number.general(range.low), number.general(range.high), number.general(range.low / 100),
             number.general(range.high / 100));
}

QString longPeriodHint()
{
    return Precision::tr("Au-delà de 20000 s, un second compteur après la sortie Q14 (CD4040, CD4020 ou CD4060) garde "
                         "le montage dans les règles de la fiche : « Outils » > « Longue durée… », ou --montage "
                         "cascade en ligne de commande.");
}

QString ruleSentence(const calc::Rule &rule, char separator)
{
    return ruleLine(rule.id, separator, ruleVerdict(rule));
}

QString trimmerVerdict(const calc::TrimmerAdvice &advice, char separator)
{
    using Verdict = calc::TrimmerAdvice::Verdict;
    const Numbers number{separator, 0, calc::Notation::French};
    switch (advice.verdict) {
    case Verdict::Found:
        return {};
    case Verdict::NoPeriod:
        return Precision::tr("Aucune période T n'est demandée : il n'y a rien à ajuster.");
    case Verdict::NoTalon:
        return Precision::tr("Aucune résistance talon ne convient : la résistance voulue (%1 kΩ) est trop faible.")
            .arg(number.kilohms(advice.wanted));
    case Verdict::NoTrimmer:
        break;
    }
    return Precision::tr("Aucun ajustable jusqu'à 1000 kΩ ne couvre les tolérances avec le talon de %1 kΩ.")
        .arg(number.general(advice.talon));
}

PrecisionTexts precisionTexts(const calc::Precision &p, const calc::RealDesign &design)
{
    const Numbers number{design.separator, design.Mode_Affichage, design.notation};
    const bool ok = p.assessable;
    PrecisionTexts texts;
    texts.errors = {Precision::tr("Période T : %1").arg(ok ? number.percent(p.errorT) : Dash),
                    Precision::tr("Pulse T1 : %1").arg(ok ? number.percent(p.errorT1) : Dash)};
    auto range = [&](const calc::Spread &spread) {
        return ok ? Precision::tr("de %1 à %2 s").arg(number.seconds(spread.low), number.seconds(spread.high)) : Dash;
    };
    texts.spreads = {Precision::tr("Pire cas, T : %1").arg(range(p.worstT)),
                     Precision::tr("Pire cas, T1 : %1").arg(range(p.worstT1)),
                     ok ? Precision::tr("Statistique, T : %1 ; T1 : %2").arg(range(p.statisticalT), range(p.statisticalT1))
                        : Precision::tr("Statistique, T : %1").arg(Dash)};

    const calc::TrimmerAdvice &advice = p.trimmer;
    if (!ok)
        texts.trimmer[0] = Dash;
    else if (advice.verdict != calc::TrimmerAdvice::Verdict::Found)
        texts.trimmer[0] = trimmerVerdict(advice, design.separator);
    else
        texts.trimmer = {Precision::tr("Talon : %1 kΩ (résistance voulue : %2 kΩ)")
                             .arg(number.general(advice.talon), number.kilohms(advice.wanted)),
                         Precision::tr("Ajustable : %1 kΩ").arg(number.general(advice.trimmer)),
                         Precision::tr("Réglage : %1 kΩ, soit %2 % de la course")
                             .arg(number.kilohms(advice.setting), number.travel(advice.travel)),
                         Precision::tr("T réglable de %1 à %2 s")
                             .arg(number.seconds(advice.sweep.low), number.seconds(advice.sweep.high))};

    for (std::size_t i = 0; i < 2; ++i) {
        const calc::PulseChoice &pulse = p.pulses[i];
        if (!ok || pulse.n == 0) {
            texts.pulses[i] = i == 0 ? Precision::tr("En dessous : aucun") : Precision::tr("Au-dessus : aucun");
            continue;
        }
        const QString found = i == 0 ? Precision::tr("En dessous : n = %1 (%2), T1 = %3 s, %4")
                                     : Precision::tr("Au-dessus : n = %1 (%2), T1 = %3 s, %4");
        texts.pulses[i] = found.arg(QString::number(pulse.n), outputList(pulse.n, design.cascade), number.seconds(pulse.T1),
                                    number.percent(pulse.error));
    }
    for (std::size_t i = 0; ok && i < p.solutions.size() && i < texts.solutions.size(); ++i) {
        const calc::Solution &s = p.solutions[i];
        texts.solutions[i] = {number.general(s.C2) + QStringLiteral(" nF"),
                              number.general(s.talon) + QStringLiteral(" kΩ"),
                              number.seconds(s.T) + QStringLiteral(" s"), number.percent(s.error)};
    }
    if (design.T > calc::LongPeriodAlarm && !design.cascade)
        texts.longPeriod = longPeriodHint();
    for (std::size_t i = 0; i < texts.rules.size(); ++i)
        texts.rules[i] = ruleLine(calc::AllRules[i], design.separator, ok ? ruleVerdict(p.rules[i]) : Dash);
    return texts;
}

QStringList precisionSection(const calc::Precision &p, const calc::Road &road, const Sections &sections)
{
    const calc::RealDesign &design = road.real;
    const Numbers number{design.separator, design.Mode_Affichage, design.notation};
    QStringList lines{Precision::tr("E - Précision")};
    if (!p.assessable)
        return lines << Indent + Precision::tr("Rien à évaluer : pas de condensateur ou de résistance.");
    lines << Indent + Precision::tr("Écart de T = %1 ; écart de T1 = %2").arg(number.percent(p.errorT), number.percent(p.errorT1))
          << Indent + Precision::tr("Pire cas : T de %1 à %2 s ; T1 de %3 à %4 s")
                          .arg(number.seconds(p.worstT.low), number.seconds(p.worstT.high),
                               number.seconds(p.worstT1.low), number.seconds(p.worstT1.high))
          << Indent + Precision::tr("Statistique : T de %1 à %2 s ; T1 de %3 à %4 s")
                          .arg(number.seconds(p.statisticalT.low), number.seconds(p.statisticalT.high),
                               number.seconds(p.statisticalT1.low), number.seconds(p.statisticalT1.high));
    const calc::TrimmerAdvice &advice = p.trimmer;
    if (advice.verdict != calc::TrimmerAdvice::Verdict::Found)
        lines << Indent + Precision::tr("Ajustable conseillé : %1").arg(trimmerVerdict(advice, design.separator));
    else
        lines << Indent + Precision::tr("Ajustable conseillé : talon %1 kΩ + ajustable %2 kΩ réglé à %3 kΩ (%4 % de la "
                                    "course), T de %5 à %6 s")
                              .arg(number.general(advice.talon), number.general(advice.trimmer),
                                   number.kilohms(advice.setting), number.travel(advice.travel),
                                   number.seconds(advice.sweep.low), number.seconds(advice.sweep.high));
    for (const calc::PulseChoice &pulse : p.pulses)
        if (pulse.n > 0)
            lines << Indent + Precision::tr("Pulse réalisable : n = %1 (%2), T1 = %3 s, %4")
                                  .arg(QString::number(pulse.n), outputList(pulse.n, design.cascade), number.seconds(pulse.T1),
                                       number.percent(pulse.error));
    for (const calc::Solution &s : p.solutions)
        lines << Indent + Precision::tr("Autre solution : C2 = %1 nF, talon %2 kΩ, T = %3 s, %4")
                              .arg(number.general(s.C2), number.general(s.talon), number.seconds(s.T),
                                   number.percent(s.error));
    for (const calc::Rule &rule : p.rules)
        lines << Indent + ruleSentence(rule, design.separator);
    if (sections.measuredT) {
        const std::optional<double> k4060 = acceptedCalibration(design, *sections.measuredT);
        lines << Indent + Precision::tr("K4060 calibré = %1").arg(k4060 ? number.general(*k4060) : Dash);
    }
    return lines;
}

} // namespace report
