#include "report/longperiod.h"

#include "report/jsonwriter.h"
#include "report/keys.h"
#include "report/words.h"

#include "calc/numbertext.h"
#include "calc/sentence.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QStringList>

#include <optional>

namespace report {

namespace {

struct LongueDuree {
    Q_DECLARE_TR_FUNCTIONS(LongueDuree)
};

const QString Indent = QStringLiteral("    ");

QString qtext(const std::string &text) { return QString::fromStdString(text); }

std::vector<int> markedStages(std::uint64_t marks)
{
    std::vector<int> stages;
    for (int s = 1; s <= 64; ++s)
        if (marks & (std::uint64_t{1} << (s - 1)))
            stages.push_back(s);
    return stages;
}

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
    case PulseTooShort:
        return calc::sentence(
            words.translate("LongueDuree", "le pulse T1 est plus court que le plus court possible, %1 s"),
                              {calc::formatGeneral(calc::fourSignificantDigits(road.design.finestPulse), separator)});
    }
    return {};
}

QByteArray longJson(const calc::LongRoad &road)
{
    const calc::LongDesign &d = road.design;
    std::string out;
    JsonWriter json(out);
    json.beginObject();
    if (d.refusal != calc::LongRefusal::None)
        json.key(key::arret).string(longRefusalSentence(road));
    json.key(key::montage).beginObject()
        .key(key::compteur2).string(calc::counterName(road.entry.counter))
        .key(key::etage).integer(d.stage)
        .key(key::type).string(key::cascade)
        .endObject();
    if (road.timing) {
        json.key(key::regles).beginArray();
        for (const calc::Rule &rule : road.timing->rules)
            json.beginObject()
                .key(key::regle).string(calc::ruleCaption(rule.id, '.'))
                .key(key::respectee).boolean(rule.met)
                .endObject();
        json.endArray();
    }
    json.key(key::valeurs).beginObject();
    json.key(key::T).number(road.entry.T).key(key::T1).number(road.entry.T1);
    if (road.timing) {
        const calc::LongTiming &t = *road.timing;
        json.key(key::etage).integer(d.stage).key(key::periode_oscillateur).number(d.P);
        json.key(key::C2_theorique).number(d.C2).key(key::R2_theorique).number(d.R2);
        json.key(key::sorties).beginArray();
        for (int stage : markedStages(d.marks))
            json.integer(stage);
        json.endArray();
        json.key(key::talon).number(road.parts.talon).key(key::ajustable);
        if (d.trimmer > 0)
            json.number(d.trimmer);
        else
            json.null();
        json.key(key::potentiometre).number(road.parts.setting).key(key::C2).number(road.parts.C2);
        json.key(key::n).integer(static_cast<long long>(road.parts.marks));
        json.key(key::periode_oscillateur_reelle).number(t.P);
        json.key(key::T_reel).number(t.T).key(key::T1_reel).number(t.T1);
        json.key(key::Rs).number(t.Rs);
        for (const auto &[name, error] : {std::pair{key::ecart_T, t.errorT}, std::pair{key::ecart_T1, t.errorT1}})
            if (error)
                json.key(name).number(*error);
    }
    json.endObject().endObject();
    return QJsonDocument::fromJson(QByteArray::fromStdString(out)).toJson(QJsonDocument::Indented);
}

QString longReport(const calc::LongRoad &road, char separator)
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
    for (int stage : markedStages(d.marks))
        stages << stageName(counter, stage);
    lines << Indent + LongueDuree::tr("Période oscillateur = %1 s").arg(seconds(d.P))
          << Indent + LongueDuree::tr("Condensateur \"C2\" = %1 nF").arg(qtext(calc::formatGeneral(d.C2, separator)))
          << Indent + LongueDuree::tr("Résistance \"R2\" = %1 kΩ").arg(kilohms(d.R2))
          << Indent + (d.trimmer > 0 ? LongueDuree::tr("Talon %1 kΩ + ajustable %2 kΩ réglé à %3 kΩ")
                                           .arg(kilohms(d.talon), kilohms(d.trimmer), kilohms(d.setting))
                                     : LongueDuree::tr("Talon %1 kΩ + %2 kΩ : aucun ajustable courant ne l'atteint")
                                           .arg(kilohms(d.talon), kilohms(d.setting)))
          << Indent + LongueDuree::tr("Sorties à diode : %1").arg(stages.join(QStringLiteral(", ")))
          << Indent + LongueDuree::tr("Période \"T\" réelle = %1 s (écart %2)").arg(seconds(t.T), percent(t.errorT))
          << Indent + LongueDuree::tr("Pulse \"T1\" réel = %1 s (écart %2)").arg(seconds(t.T1), percent(t.errorT1))
          << Indent + LongueDuree::tr("Résistance \"Rs\" = %1 kΩ").arg(kilohms(t.Rs));
    for (const calc::Rule &rule : t.rules)
        lines << Indent
                     + (rule.met ? LongueDuree::tr("Règle respectée : %1") : LongueDuree::tr("Règle NON respectée : %1"))
                              .arg(qtext(calc::ruleCaption(rule.id, separator, words())));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace report
