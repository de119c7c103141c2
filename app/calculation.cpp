#include "app/calculation.h"

#include "settings/commun.h"
#include "settings/parametres.h"
#include "settings/systemlocale.h"

#include "calc/design.h"
#include "calc/entry.h"
#include "calc/nomenclature.h"
#include "calc/numbertext.h"
#include "calc/realtiming.h"
#include "calc/tables.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>
#include <QRegularExpression>

namespace {

std::string text(const QString &value) { return value.toStdString(); }
QString qtext(const std::string &value) { return QString::fromStdString(value); }

QJsonArray outputCaptions(const std::array<bool, 14> &on)
{
    QJsonArray captions;
    for (int n = 1; n <= calc::OutputCount; ++n)
        captions.append(on[static_cast<std::size_t>(n)] ? QStringLiteral("On") : QString());
    return captions;
}

// True for a text the key filter would let into a field: digits and at most one separator.
bool isTypedNumber(const QString &value)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]*[.,]?[0-9]*$"));
    return value.contains(QRegularExpression(QStringLiteral("[0-9]"))) && pattern.match(value).hasMatch();
}

// The formats the sheet writer knows, by extension in any case.
bool isSheetPath(const QString &path)
{
    static const QRegularExpression formats(QStringLiteral("\\.(svg|pdf|png)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return formats.match(path).hasMatch();
}

} // namespace

DesignChain designChain(std::string_view periodText, std::string_view pulseText,
                        const CalculationOptions &options)
{
    DesignChain chain;
    calc::RealDesign &real = chain.real;
    real.K = options.Constante_K4060;
    real.Pas_Serie = options.Pas_Serie;
    real.Mode_Affichage = options.Mode_Affichage;
    real.separator = options.separator;
    // Negative numbers mean "nothing to show" and are left out.
    auto raise = [&chain](int alarm) {
        if (alarm >= 0)
            chain.alarms.push_back(alarm);
    };

    const std::string period = calc::Zero_non_Significatif(periodText);
    const std::string pulse = calc::Zero_non_Significatif(pulseText);
    const calc::EntryCheck entry =
        calc::checkPeriodAndPulse(period, pulse, 0.0, options.Mode_Affichage, options.separator);
    for (int alarm : entry.alarms)
        raise(alarm);
    chain.labelText = entry.labelText;
    if (entry.label != calc::EntryCheck::Label::Set) {
        chain.arret = entry.label == calc::EntryCheck::Label::Emptied ? "la période T est inférieure à 25 ms"
                                                                      : "la durée du pulse T1 est nulle";
        return chain;
    }

    chain.design = calc::designTimer(entry.Periode_T, entry.Pulse_T1, entry.Periode_Oscillateur,
                                     options.Constante_K4060, options.separator);
    for (int alarm : chain.design.alarms)
        raise(alarm);
    if (!chain.design.completed) {
        chain.arret = chain.design.alarms.front() == 6 ? "la durée du pulse T1 est nulle"
                                                       : "le rapport T / T1 est inférieur à 2,001";
        return chain;
    }

    // The conversion without its lists: the batch writes most designs without them.
    chain.series = calc::nearestInSeries(chain.design.R2_Theorique, options.Pas_Serie);
    const calc::RealisablePattern outputs = calc::realisablePattern(chain.design.Motif_Q);
    real.capacitorText = calc::capacitorOfCaption(chain.design.C2Caption);
    raise(calc::capacitorWarning(real.capacitorText));
    raise(outputs.alarm);
    real.T = entry.Periode_T;
    real.T1 = entry.Pulse_T1;
    real.talonText = calc::seriesItem(chain.series, chain.series.selected, false, options.separator);
    // Not `= "0"`: GCC 12 warns wrongly (-Wrestrict) on that assignment once inlined.
    real.potentiometerText = std::string("0");
    real.pattern = outputs.pattern;
    real.shown = calc::realTiming(real.talonText, real.potentiometerText, real.capacitorText,
                                  real.pattern, real.K, real.Mode_Affichage, real.separator);
    return chain;
}

Calculation calculateDesign(const QString &periodText, const QString &pulseText,
                            const CalculationOptions &options)
{
    DesignChain chain = designChain(text(periodText), text(pulseText), options);
    Calculation calculation;
    QJsonObject &result = calculation.result;
    QJsonArray alarms;
    for (int n : chain.alarms)
        alarms.append(n);
    result.insert(QStringLiteral("alarmes"), alarms);
    result.insert(QStringLiteral("FrequenceOscillateur(1)"), qtext(chain.labelText));
    if (options.nomenclature)
        result.insert(QStringLiteral("nomenclature"), nomenclatureJson(chain.real));
    if (!chain.converted()) {
        result.insert(QStringLiteral("arret"), QString::fromUtf8(chain.arret));
        calculation.design = std::move(chain.real);
        return calculation;
    }

    const calc::Design &design = chain.design;
    result.insert(QStringLiteral("Motif_Q"), design.Motif_Q);
    result.insert(QStringLiteral("QcOnOff"), outputCaptions(design.on));
    result.insert(QStringLiteral("CondensateurCalcul(1)"), qtext(design.C2Caption));
    result.insert(QStringLiteral("ResistanceCalcul(1)"), qtext(design.R2Caption));

    const calc::RealDesign &real = chain.real;
    QJsonArray fixedItems;
    QJsonArray potItems{QStringLiteral("0")};
    for (int position = 0; position < chain.series.count; ++position) {
        fixedItems.append(qtext(calc::seriesItem(chain.series, position, false, options.separator)));
        potItems.append(qtext(calc::seriesItem(chain.series, position, true, options.separator)));
    }
    result.insert(QStringLiteral("CondensateurReel"), qtext(real.capacitorText));
    result.insert(QStringLiteral("ResistanceCombo(0)"),
                  QJsonObject{{QStringLiteral("items"), fixedItems},
                              {QStringLiteral("selected"), chain.series.selected}});
    result.insert(QStringLiteral("ResistanceCombo(1)"),
                  QJsonObject{{QStringLiteral("items"), potItems}, {QStringLiteral("selected"), 0}});
    std::array<bool, 14> realOn{};
    for (int n = 1; n <= calc::OutputCount; ++n)
        realOn[static_cast<std::size_t>(n)] = (real.pattern & (1 << (n - 1))) != 0;
    result.insert(QStringLiteral("QrOnOff"), outputCaptions(realOn));
    result.insert(QStringLiteral("FrequenceOscillateur(3)"), qtext(real.shown.FrequenceOscillateur));
    result.insert(QStringLiteral("T_reel"), qtext(real.shown.T_reel));
    result.insert(QStringLiteral("T1_reel"), qtext(real.shown.T1_reel));
    result.insert(QStringLiteral("ValeurRs"), qtext(real.shown.ValeurRs));
    if (options.precision)
        result.insert(QStringLiteral("precision"), precisionJson(real, options));
    calculation.design = std::move(chain.real);
    calculation.converted = true;
    return calculation;
}

namespace {

QString outputList(const QJsonArray &captions, bool markPinless)
{
    QStringList names;
    for (int n = 1; n <= captions.size(); ++n) {
        if (captions[n - 1].toString() != QStringLiteral("On"))
            continue;
        QString name = QStringLiteral("Q%1").arg(n);
        if (markPinless && calc::isPinless(n))
            name += QStringLiteral(" (impossible)");
        names.append(name);
    }
    return names.isEmpty() ? QStringLiteral("aucune") : names.join(QStringLiteral(", "));
}

QString selectedItem(const QJsonObject &combo)
{
    return combo[QStringLiteral("items")].toArray()[combo[QStringLiteral("selected")].toInt()].toString();
}

} // namespace

QString calculationReport(const QJsonObject &result, const CalculationOptions &options)
{
    auto value = [&result](const char *key) { return result[QLatin1String(key)].toString(); };
    QStringList lines;
    lines << QStringLiteral("A - Temporisation demandée")
          << QStringLiteral("    Période oscillateur = %1").arg(value("FrequenceOscillateur(1)"));
    if (result.contains(QStringLiteral("Motif_Q"))) {
        lines << QStringLiteral("B - Valeur des composants calculés")
              << QStringLiteral("    Sorties \"On\" : %1")
                     .arg(outputList(result[QStringLiteral("QcOnOff")].toArray(), true))
              << QStringLiteral("    Condensateur \"C2\" = %1").arg(value("CondensateurCalcul(1)"))
              << QStringLiteral("    Résistance \"R2\" = %1").arg(value("ResistanceCalcul(1)"));
    }
    if (result.contains(QStringLiteral("QrOnOff"))) {
        lines << QStringLiteral("C - Valeur réelle des composants (série %1)")
                     .arg(options.Pas_Serie == 2 ? QStringLiteral("E12") : QStringLiteral("E24"))
              << QStringLiteral("    Condensateur \"C2\" = %1 nF").arg(value("CondensateurReel").trimmed())
              << QStringLiteral("    Résistance \"R2\" = %1 Kohm + potentiomètre %2 Kohm")
                     .arg(selectedItem(result[QStringLiteral("ResistanceCombo(0)")].toObject()),
                          selectedItem(result[QStringLiteral("ResistanceCombo(1)")].toObject()))
              << QStringLiteral("    Sorties \"On\" : %1")
                     .arg(outputList(result[QStringLiteral("QrOnOff")].toArray(), false))
              << QStringLiteral("D - Temporisation réelle")
              << QStringLiteral("    Période oscillateur = %1").arg(value("FrequenceOscillateur(3)"))
              << QStringLiteral("    Période \"T\" = %1 s").arg(value("T_reel"))
              << QStringLiteral("    Durée du pulse \"T1\" = %1 s").arg(value("T1_reel"))
              << QStringLiteral("    Résistance \"Rs\" = %1").arg(value("ValeurRs"));
    }
    if (result.contains(QStringLiteral("precision")))
        lines << precisionReport(result[QStringLiteral("precision")].toObject(), options);
    if (result.contains(QStringLiteral("arret")))
        lines << QStringLiteral("Calcul arrêté : %1.").arg(value("arret"));
    // The window keeps no list of the alarms it showed: its report has none.
    QStringList alarms;
    for (const auto &n : result[QStringLiteral("alarmes")].toArray())
        alarms << QString::number(n.toInt());
    if (result.contains(QStringLiteral("alarmes")))
        lines << QStringLiteral("Alarmes : %1")
                     .arg(alarms.isEmpty() ? QStringLiteral("aucune") : alarms.join(QStringLiteral(", ")));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString calculationReport(const Calculation &calculation, const CalculationOptions &options)
{
    const QString report = calculationReport(calculation.result, options);
    // The key holds the lines only; the notes under them come from the design.
    return calculation.result.contains(QStringLiteral("nomenclature"))
        ? report + nomenclatureReport(calculation.design)
        : report;
}

// The precision of the converted design: "--precision" and its options, key "precision",
// section "E - Précision".
namespace {

QJsonValue number(const std::optional<double> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

// Empty when the option is not one of these; an empty text when taken; else the French error.
std::optional<QString> parsePrecisionOption(const QString &option, const QString &value,
                                            CalculationOptions &options)
{
    const std::array<std::pair<QString, double calc::Tolerances::*>, 4> tolerances = {
        std::pair{QStringLiteral("--tolerance-r"), &calc::Tolerances::r},
        std::pair{QStringLiteral("--tolerance-c"), &calc::Tolerances::c},
        std::pair{QStringLiteral("--dispersion-k"), &calc::Tolerances::k},
        std::pair{QStringLiteral("--tolerance-ajustable"), &calc::Tolerances::p}};
    const double read = calc::readNumber(text(value));
    for (const auto &[name, member] : tolerances) {
        if (option != name)
            continue;
        if (!isTypedNumber(value) || !calc::isTolerance(read))
            return QStringLiteral("%1 attend un pourcentage de 0 à 50, pas « %2 »").arg(option, value);
        options.tolerances.*member = read;
        options.precision = true;
        return QString();
    }
    if (option != QStringLiteral("--mesure"))
        return std::nullopt;
    if (!isTypedNumber(value) || !(read > 0))
        return QStringLiteral("--mesure attend une période positive en secondes, pas « %1 »").arg(value);
    options.measuredT = read;
    options.precision = true;
    return QString();
}

} // namespace

QJsonObject precisionJson(const calc::RealDesign &design, const CalculationOptions &options)
{
    const calc::Precision p = calc::assessPrecision(design, options.tolerances);
    if (!p.assessable)
        return {};
    const bool found = p.trimmer.verdict == calc::TrimmerAdvice::Verdict::Found;
    auto trimmer = [found](double value) { return found ? QJsonValue(value) : QJsonValue(QJsonValue::Null); };
    QJsonObject json{{QStringLiteral("ecart_T"), number(p.errorT)},
                     {QStringLiteral("ecart_T1"), number(p.errorT1)},
                     {QStringLiteral("T_min"), p.worstT.low},
                     {QStringLiteral("T_max"), p.worstT.high},
                     {QStringLiteral("T1_min"), p.worstT1.low},
                     {QStringLiteral("T1_max"), p.worstT1.high},
                     {QStringLiteral("T_stat_min"), p.statisticalT.low},
                     {QStringLiteral("T_stat_max"), p.statisticalT.high},
                     {QStringLiteral("talon"), trimmer(p.trimmer.talon)},
                     {QStringLiteral("ajustable"), trimmer(p.trimmer.trimmer)},
                     {QStringLiteral("reglage"), trimmer(p.trimmer.setting)},
                     {QStringLiteral("course"), trimmer(p.trimmer.travel)},
                     {QStringLiteral("T_reglable_min"), trimmer(p.trimmer.sweep.low)},
                     {QStringLiteral("T_reglable_max"), trimmer(p.trimmer.sweep.high)}};
    QJsonArray pulses;
    for (const calc::PulseChoice &pulse : p.pulses) {
        QJsonArray outputs;
        for (int output : calc::outputsOf(pulse.n))
            outputs.append(output);
        const bool exists = pulse.n > 0;
        pulses.append(QJsonObject{{QStringLiteral("n"), exists ? QJsonValue(pulse.n) : QJsonValue()},
                                  {QStringLiteral("sorties"), outputs},
                                  {QStringLiteral("T1"), exists ? QJsonValue(pulse.T1) : QJsonValue()},
                                  {QStringLiteral("ecart"), number(pulse.error)}});
    }
    json.insert(QStringLiteral("T1_proches"), pulses);
    QJsonArray solutions;
    for (const calc::Solution &s : p.solutions)
        solutions.append(QJsonObject{{QStringLiteral("C2"), s.C2}, {QStringLiteral("talon"), s.talon},
                                     {QStringLiteral("T"), s.T}, {QStringLiteral("ecart"), s.error}});
    json.insert(QStringLiteral("solutions"), solutions);
    QJsonArray rules;
    for (const calc::Rule &rule : p.rules)
        rules.append(QJsonObject{{QStringLiteral("regle"), qtext(calc::ruleCaption(rule.id, options.separator))},
                                 {QStringLiteral("respectee"), rule.met}});
    json.insert(QStringLiteral("regles"), rules);
    if (options.measuredT)
        json.insert(QStringLiteral("K4060_calibre"), number(calc::calibratedK4060(design, *options.measuredT)));
    return json;
}

QStringList precisionReport(const QJsonObject &precision, const CalculationOptions &options)
{
    const char sep = options.separator;
    auto seconds = [&](const QJsonValue &v) {
        return qtext(calc::formatSeconds(v.toDouble(), options.Mode_Affichage, sep));
    };
    auto percent = [&](const QJsonValue &v) {
        return v.isDouble() ? qtext(calc::formatPercent(v.toDouble(), sep)) : QStringLiteral("—");
    };
    auto general = [&](const QJsonValue &v) { return qtext(calc::formatGeneral(v.toDouble(), sep)); };
    auto at = [&precision](const char *key) { return precision[QLatin1String(key)]; };
    QStringList lines{QStringLiteral("E - Précision")};
    if (precision.isEmpty())
        return lines << QStringLiteral("    Rien à évaluer : pas de condensateur ou de résistance.");
    lines << QStringLiteral("    Écart de T = %1 ; écart de T1 = %2").arg(percent(at("ecart_T")), percent(at("ecart_T1")))
          << QStringLiteral("    Pire cas : T de %1 à %2 s ; T1 de %3 à %4 s")
                 .arg(seconds(at("T_min")), seconds(at("T_max")), seconds(at("T1_min")), seconds(at("T1_max")))
          << QStringLiteral("    Statistique : T de %1 à %2 s").arg(seconds(at("T_stat_min")), seconds(at("T_stat_max")));
    if (at("talon").isNull())
        lines << QStringLiteral("    Ajustable conseillé : aucun ne convient");
    else
        lines << QStringLiteral("    Ajustable conseillé : talon %1 kΩ + ajustable %2 kΩ réglé à %3 kΩ (%4 % de la course), "
                                "T de %5 à %6 s")
                     .arg(general(at("talon")), general(at("ajustable")),
                          qtext(calc::formatKilohms(at("reglage").toDouble(), sep)),
                          qtext(calc::formatPattern(at("course").toDouble(), "0.0", sep)),
                          seconds(at("T_reglable_min")), seconds(at("T_reglable_max")));
    for (const auto &value : at("T1_proches").toArray()) {
        const QJsonObject pulse = value.toObject();
        if (pulse[QStringLiteral("n")].isNull())
            continue;
        QStringList outputs;
        for (const auto &output : pulse[QStringLiteral("sorties")].toArray())
            outputs << QStringLiteral("Q%1").arg(output.toInt());
        lines << QStringLiteral("    Pulse réalisable : n = %1 (%2), T1 = %3 s, %4")
                     .arg(QString::number(pulse[QStringLiteral("n")].toInt()), outputs.join(QStringLiteral(", ")),
                          seconds(pulse[QStringLiteral("T1")]), percent(pulse[QStringLiteral("ecart")]));
    }
    for (const auto &value : at("solutions").toArray()) {
        const QJsonObject s = value.toObject();
        lines << QStringLiteral("    Autre solution : C2 = %1 nF, talon %2 kΩ, T = %3 s, %4")
                     .arg(general(s[QStringLiteral("C2")]), general(s[QStringLiteral("talon")]),
                          seconds(s[QStringLiteral("T")]), percent(s[QStringLiteral("ecart")]));
    }
    for (const auto &value : at("regles").toArray()) {
        const QJsonObject rule = value.toObject();
        lines << QStringLiteral("    %1 : %2").arg(rule[QStringLiteral("regle")].toString(),
                                                   rule[QStringLiteral("respectee")].toBool()
                                                       ? QStringLiteral("respectée")
                                                       : QStringLiteral("non respectée"));
    }
    if (precision.contains(QStringLiteral("K4060_calibre")))
        lines << QStringLiteral("    K4060 calibré = %1")
                     .arg(at("K4060_calibre").isNull() ? QStringLiteral("—") : general(at("K4060_calibre")));
    return lines;
}

ParsedCalculation parseCalculation(const QStringList &arguments, const CalculationOptions &defaults)
{
    ParsedCalculation parsed;
    parsed.options = defaults;
    auto fail = [&parsed](const QString &message) {
        parsed.error = message;
        return parsed;
    };
    if (arguments.size() < 3 || arguments[0] != QStringLiteral("--calcul"))
        return fail(QStringLiteral("il faut --calcul suivi de T et de T1"));
    parsed.periodText = arguments[1];
    parsed.pulseText = arguments[2];
    for (const QString &number : {parsed.periodText, parsed.pulseText})
        if (!isTypedNumber(number))
            return fail(QStringLiteral("« %1 » n'est pas un nombre (chiffres et un seul séparateur « , » ou « . »)")
                            .arg(number));

    for (qsizetype i = 3; i < arguments.size(); ++i) {
        const QString &option = arguments[i];
        if (option == QStringLiteral("--json")) {
            parsed.options.json = true;
            continue;
        }
        if (option == QStringLiteral("--precision")) {
            parsed.options.precision = true;
            continue;
        }
        if (option == QStringLiteral("--nomenclature")) {
            parsed.options.nomenclature = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            return fail(QStringLiteral("option « %1 » inconnue ou sans valeur").arg(option));
        const QString value = arguments[++i];
        if (option == QStringLiteral("--serie")) {
            if (value.compare(QStringLiteral("E24"), Qt::CaseInsensitive) == 0)
                parsed.options.Pas_Serie = 1;
            else if (value.compare(QStringLiteral("E12"), Qt::CaseInsensitive) == 0)
                parsed.options.Pas_Serie = 2;
            else
                return fail(QStringLiteral("--serie attend E12 ou E24, pas « %1 »").arg(value));
        } else if (option == QStringLiteral("--significatif")) {
            static const QStringList modes = {QStringLiteral("0"), QStringLiteral("3"),
                                              QStringLiteral("4"), QStringLiteral("5")};
            if (!modes.contains(value))
                return fail(QStringLiteral("--significatif attend 0, 3, 4 ou 5, pas « %1 »").arg(value));
            parsed.options.Mode_Affichage = value.toInt();
        } else if (option == QStringLiteral("--k4060")) {
            const double k = calc::readNumber(text(value));
            if (!isTypedNumber(value) || !(k > 0))
                return fail(QStringLiteral("--k4060 attend un nombre positif, pas « %1 »").arg(value));
            parsed.options.Constante_K4060 = k / 1e8;
        } else if (const std::optional<QString> error = parsePrecisionOption(option, value, parsed.options)) {
            if (!error->isEmpty())
                return fail(*error);
        } else if (option == QStringLiteral("--feuille")) {
            if (!isSheetPath(value))
                return fail(QStringLiteral("--feuille attend un fichier .svg, .pdf ou .png, pas « %1 »").arg(value));
            parsed.sheetPath = value;
        } else {
            return fail(QStringLiteral("option « %1 » inconnue").arg(option));
        }
    }
    parsed.ok = true;
    return parsed;
}

QString calculationUsage()
{
    return QStringLiteral(
        "Usage : Chronalys_CD4060 --calcul T T1 [--serie E12|E24] [--significatif 0|3|4|5] "
        "[--k4060 N] [--json]\n"
        "        [--precision] [--tolerance-r P] [--tolerance-c P] [--dispersion-k P] "
        "[--tolerance-ajustable P] [--mesure T]\n"
        "        [--feuille FICHIER] [--nomenclature]\n"
        "  T, T1           période et durée du pulse en secondes (« , » ou « . »)\n"
        "  --serie         série des résistances réelles (E24 par défaut)\n"
        "  --significatif  chiffres significatifs affichés, 0 = valeur brute (4 par défaut)\n"
        "  --k4060         constante de l'oscillateur x 10^8 (280 par défaut)\n"
        "  --json          un objet JSON au lieu du compte rendu\n"
        "  --precision     ajoute la précision du montage (écarts, tolérances, ajustable, solutions)\n"
        "  --tolerance-r, --tolerance-c, --dispersion-k, --tolerance-ajustable P\n"
        "                  tolérances en % de 0 à 50 (5, 10, 10 et 20 par défaut)\n"
        "  --mesure T      période mesurée en secondes : donne le K4060 calibré\n"
        "  --feuille       écrit la feuille de montage (schéma, nomenclature, cartouche)\n"
        "                  dans FICHIER : .svg, .pdf (A4 paysage) ou .png (300 dpi)\n"
        "  --nomenclature  ajoute la liste des composants au compte rendu\n"
        "Les valeurs par défaut sont celles du fichier de réglages (sections « parametres » et\n"
        "« precision »), quand il existe ; le calcul ne l'écrit jamais.\n"
        "Sans --calcul, le programme ouvre sa fenêtre.\n");
}

QJsonArray nomenclatureJson(const calc::RealDesign &design)
{
    QJsonArray list;
    for (const calc::NomenclatureLine &line : calc::nomenclature(design).lines)
        list.append(QJsonObject{{QStringLiteral("reference"), qtext(line.reference)},
                                {QStringLiteral("quantite"), line.quantity},
                                {QStringLiteral("valeur"), qtext(line.value)},
                                {QStringLiteral("role"), qtext(line.role)}});
    return list;
}

QString nomenclatureReport(const calc::RealDesign &design)
{
    return QStringLiteral("Nomenclature\n") + qtext(calc::nomenclatureText(calc::nomenclature(design), "    "));
}

CalculationOptions storedCalculationOptions()
{
    CalculationOptions defaults;
    defaults.separator = Commun::systemDecimalSeparator();
    // A constant calibrated in the settings file applies here as in the window; options given
    // on the command line still win. Only read: the file is the window's to write.
    Commun::Chemin_Fichier_INI();
    if (QFileInfo::exists(Commun::Chemin_INI())) {
        const Commun::Parametres stored = Commun::Lire_Parametres();
        defaults.Pas_Serie = stored.Pas_Serie;
        defaults.Mode_Affichage = stored.Mode_Affichage;
        defaults.Constante_K4060 = stored.Constante_K4060;
        defaults.tolerances = Commun::Lire_Precision();
    }
    return defaults;
}

int runCalculation(const QStringList &arguments, const SheetWriter &writeSheet)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.contains(QStringLiteral("--feuille")) && !writeSheet) {
        err << QStringLiteral("Chronalys_CD4060 : --feuille demande le programme Chronalys_CD4060, "
                              "qui seul sait dessiner la feuille de montage.\n");
        return 2;
    }
    const ParsedCalculation parsed = parseCalculation(arguments, storedCalculationOptions());
    if (!parsed.ok) {
        err << QStringLiteral("Chronalys_CD4060 : ") << parsed.error << '\n' << calculationUsage();
        return 2;
    }
    const Calculation calculation = calculateDesign(parsed.periodText, parsed.pulseText, parsed.options);
    if (parsed.options.json)
        out << QString::fromUtf8(QJsonDocument(calculation.result).toJson(QJsonDocument::Indented));
    else
        out << calculationReport(calculation, parsed.options);
    out.flush();
    if (!parsed.sheetPath.isEmpty()) {
        const QString failure = writeSheet(calculation.design, parsed.sheetPath);
        if (!failure.isEmpty()) {
            err << QStringLiteral("Chronalys_CD4060 : ") << failure << '\n';
            return 1;
        }
    }
    return 0;
}
