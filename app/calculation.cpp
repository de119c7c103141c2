#include "app/calculation.h"

#include "report/json.h"
#include "report/kicadschematic.h"
#include "report/longperiod.h"
#include "report/precisiontext.h"
#include "report/text.h"

#include "settings/commun.h"
#include "settings/language.h"
#include "settings/parametres.h"
#include "settings/systemlocale.h"

#include "calc/numbertext.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

namespace {

struct Calculation {
    Q_DECLARE_TR_FUNCTIONS(Calculation)
};

std::string text(const QString &value) { return value.toStdString(); }

// True for a text the key filter would let into a field: digits and at most one separator.
bool isTypedNumber(const QString &value)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]*[.,]?[0-9]*$"));
    return value.contains(QRegularExpression(QStringLiteral("[0-9]"))) && pattern.match(value).hasMatch();
}

// The picture formats, by extension in any case.
bool isPicturePath(const QString &path)
{
    static const QRegularExpression formats(QStringLiteral("\\.(svg|pdf|png)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return formats.match(path).hasMatch();
}

// A KiCad schematic is text: both programs write it, without any drawing.
bool isKicadPath(const QString &path) { return path.endsWith(QStringLiteral(".kicad_sch"), Qt::CaseInsensitive); }

// Empty when the option is not one of these; an empty text when taken; else the error.
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
            return Calculation::tr("%1 attend un pourcentage de 0 à 50, pas « %2 »").arg(option, value);
        options.tolerances.*member = read;
        options.precision = true;
        return QString();
    }
    if (option != QStringLiteral("--mesure"))
        return std::nullopt;
    if (!isTypedNumber(value) || !(read > 0))
        return Calculation::tr("--mesure attend une période positive en secondes, pas « %1 »").arg(value);
    options.measuredT = read;
    options.precision = true;
    return QString();
}

// The message of a measure whose calibrated K4060 lies beyond the range the window accepts.
std::optional<QString> refusedMeasure(const calc::RealDesign &design, const CalculationOptions &options)
{
    const std::optional<double> k4060 =
        options.measuredT ? calc::calibratedK4060(design, *options.measuredT) : std::nullopt;
    if (k4060 && !calc::CalibrationRange.contains(*k4060))
        return report::calibrationRefusal(options.separator);
    return std::nullopt;
}

} // namespace

ParsedCalculation parseCalculation(const QStringList &given, const CalculationOptions &defaults)
{
    ParsedCalculation parsed;
    parsed.options = defaults;
    auto fail = [&parsed](const QString &message) {
        parsed.error = message;
        return parsed;
    };
    // main() installed the language before any text was written: here it is only checked and set
    // aside, wherever it stands.
    QStringList arguments;
    for (qsizetype i = 0; i < given.size(); ++i) {
        if (given[i] != QLatin1String("--langue"))
            arguments << given[i];
        else if (++i >= given.size() || !Commun::langueDuCode(given[i]))
            return fail(Commun::erreurOptionLangue());
    }
    // "chronalys-calcul 30" is "--calcul 30" to the parser: name what is missing, not an option.
    const bool twoNumbers = arguments.size() >= 3 && !arguments[1].startsWith(QLatin1String("--"))
                            && !arguments[2].startsWith(QLatin1String("--"));
    if (arguments.value(0) != QLatin1String("--calcul")
        || (arguments.value(1) != QLatin1String("--conception") && !twoNumbers) || arguments.size() < 3)
        return fail(Calculation::tr("il faut T et T1, ou --conception FICHIER"));
    if (arguments[1] == QLatin1String("--conception")) {
        report::ConceptionRead read = report::readConception(arguments[2]);
        if (!read.conception)
            return fail(read.error);
        const report::Conception &c = *read.conception;
        parsed.options.Pas_Serie = c.Pas_Serie;
        parsed.options.Constante_K4060 = c.constant();
        parsed.options.tolerances = c.tolerances;
        parsed.periodText = c.T;
        parsed.pulseText = c.T1;
        parsed.conception = std::move(read.conception);
    } else {
        parsed.periodText = arguments[1];
        parsed.pulseText = arguments[2];
    }
    for (const QString &number : {parsed.periodText, parsed.pulseText})
        if (!isTypedNumber(number))
            return fail(Calculation::tr("« %1 » n'est pas un nombre (chiffres et un seul séparateur « , » ou « . »)")
                            .arg(number));

    bool montageGiven = false; // --montage, --compteur2 or --etage
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
        if (option == QStringLiteral("--chronogramme")) {
            parsed.options.chronogramme = true;
            continue;
        }
        if (option == QStringLiteral("--circuit")) {
            parsed.options.circuit = true;
            continue;
        }
        if (option == QStringLiteral("--csv"))
            return fail(Calculation::tr("--csv demande --lot : le tableau est celui d'un calcul en lot"));
        if (i + 1 >= arguments.size())
            return fail(Calculation::tr("option « %1 » inconnue ou sans valeur").arg(option));
        const QString value = arguments[++i];
        if (option == QStringLiteral("--serie")) {
            if (value.compare(QStringLiteral("E24"), Qt::CaseInsensitive) == 0)
                parsed.options.Pas_Serie = 1;
            else if (value.compare(QStringLiteral("E12"), Qt::CaseInsensitive) == 0)
                parsed.options.Pas_Serie = 2;
            else
                return fail(Calculation::tr("--serie attend E12 ou E24, pas « %1 »").arg(value));
        } else if (option == QStringLiteral("--significatif")) {
            static const QStringList modes = {QStringLiteral("0"), QStringLiteral("3"),
                                              QStringLiteral("4"), QStringLiteral("5")};
            if (!modes.contains(value))
                return fail(Calculation::tr("--significatif attend 0, 3, 4 ou 5, pas « %1 »").arg(value));
            parsed.options.Mode_Affichage = value.toInt();
        } else if (option == QStringLiteral("--k4060")) {
            const double k = calc::readNumber(text(value));
            if (!isTypedNumber(value) || !(k > 0))
                return fail(Calculation::tr("--k4060 attend un nombre positif, pas « %1 »").arg(value));
            parsed.options.Constante_K4060 = k / 1e8;
        } else if (const std::optional<QString> error = parsePrecisionOption(option, value, parsed.options)) {
            if (!error->isEmpty())
                return fail(*error);
        } else if (option == QStringLiteral("--feuille")) {
            if (!isPicturePath(value) && !isKicadPath(value))
                return fail(Calculation::tr("--feuille attend un fichier .svg, .pdf, .png ou .kicad_sch, pas « %1 »")
                                .arg(value));
            parsed.sheetPath = value;
        } else if (option == QStringLiteral("--montage")) {
            if (value != QLatin1String("cascade"))
                return fail(Calculation::tr("--montage attend cascade, pas « %1 »").arg(value));
            parsed.cascade = true;
            montageGiven = true;
        } else if (option == QStringLiteral("--compteur2")) {
            const std::optional<calc::SecondCounter> counter = calc::counterNamed(text(value.toUpper()));
            if (!counter)
                return fail(Calculation::tr("--compteur2 attend CD4040, CD4020 ou CD4060, pas « %1 »").arg(value));
            parsed.counter = *counter;
            montageGiven = true;
        } else if (option == QStringLiteral("--etage")) {
            bool number = false;
            parsed.stage = value.toInt(&number);
            if (!number)
                return fail(Calculation::tr("--etage attend un numéro d'étage, pas « %1 »").arg(value));
            montageGiven = true;
        } else if (option == QStringLiteral("--image-chronogramme")) {
            if (!isPicturePath(value))
                return fail(Calculation::tr("--image-chronogramme attend un fichier .svg, .pdf ou .png, pas « %1 »")
                                .arg(value));
            parsed.chronogramPath = value;
        } else {
            return fail(Calculation::tr("option « %1 » inconnue").arg(option));
        }
    }
    if (parsed.conception && montageGiven)
        return fail(Calculation::tr("--montage, --compteur2 et --etage ne s'appliquent pas à --conception : "
                                    "le fichier porte son montage"));
    if (montageGiven && !parsed.cascade)
        return fail(Calculation::tr("--compteur2 et --etage demandent --montage cascade"));
    if (parsed.conception && parsed.conception->montage) {
        parsed.cascade = true;
        parsed.counter = parsed.conception->montage->counter;
        parsed.stage = parsed.conception->montage->stage;
    }
    const int last = calc::lastTopStage(parsed.counter);
    if (parsed.stage && (*parsed.stage < calc::FirstTopStage || *parsed.stage > last))
        return fail(Calculation::tr("--etage attend un étage de %1 à %2 avec le %3, pas « %4 »")
                        .arg(calc::FirstTopStage)
                        .arg(last)
                        .arg(QLatin1String(calc::counterName(parsed.counter)))
                        .arg(*parsed.stage));
    parsed.ok = true;
    return parsed;
}

QString calculationOptions(bool drawing, const QString &moreOptions)
{
    // One text per option, so an option comes or goes with its own lines.
    QStringList lines = {
        Calculation::tr("  T, T1           période et durée du pulse en secondes (« , » ou « . »)"),
        Calculation::tr("  --conception FICHIER.cd4060\n"
                        "                  la conception enregistrée, avec ses composants ; les options données\n"
                        "                  ici passent avant les siennes (série, K4060, tolérances)"),
        Calculation::tr("  --serie E12|E24 série des résistances réelles (E24 par défaut)"),
        Calculation::tr("  --significatif 0|3|4|5\n"
                        "                  chiffres significatifs affichés, 0 = valeur brute (4 par défaut)"),
        Calculation::tr("  --k4060 N       constante de l'oscillateur x 10^8 (280 par défaut)"),
        Calculation::tr("  --json          un objet JSON au lieu du compte rendu"),
        Calculation::tr("  --precision     ajoute la précision du montage (écarts, tolérances, ajustable, solutions)"),
        Calculation::tr("  --tolerance-r, --tolerance-c, --dispersion-k, --tolerance-ajustable P\n"
                        "                  tolérances en % de 0 à 50 (5, 10, 10 et 20 par défaut)"),
        Calculation::tr("  --mesure T      période mesurée en secondes : donne le K4060 calibré"),
        Calculation::tr("  --nomenclature  ajoute la liste des composants"),
        Calculation::tr("  --chronogramme  ajoute le chronogramme (F) : fronts des sorties, pulses de la LED"),
        Calculation::tr("  --circuit       ajoute le circuit : sa netlist au JSON, la section « Circuit » au compte rendu"),
        Calculation::tr("  --montage cascade [--compteur2 CD4040|CD4020|CD4060] [--etage S]\n"
                        "                  longue durée : un second compteur après la sortie Q14 (CD4040 par\n"
                        "                  défaut), S l'étage qui fait la période, de 15 à 26 avec un CD4040,\n"
                        "                  à 28 avec les autres (proposé sinon) ; toutes les sections et tous\n"
                        "                  les dessins le suivent, --lot aussi ; une conception à deux\n"
                        "                  compteurs le prend d'elle-même")};
    if (drawing)
        lines << Calculation::tr("  --feuille FICHIER\n"
                                 "                  écrit la feuille de montage (schéma, nomenclature, cartouche) :\n"
                                 "                  .svg, .pdf (A4 paysage), .png (300 dpi)\n"
                                 "                  ou .kicad_sch (schéma KiCad)")
              << Calculation::tr("  --image-chronogramme FICHIER\n"
                                 "                  écrit le chronogramme seul : .svg, .pdf ou .png")
              << Calculation::tr("                  un fichier qui ne s'écrit pas donne le statut 1");
    lines << Calculation::tr("  --langue fr|en  langue du compte rendu et des messages ; sans elle, celle du réglage\n"
                             "                  « Langue », sinon celle du système");
    if (!moreOptions.isEmpty())
        lines << moreOptions;
    lines << Calculation::tr("Les valeurs par défaut sont celles du fichier de réglages (sections « parametres » et\n"
                             "« precision »), quand il existe ; le calcul ne l'écrit jamais.");
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString calculationUsage()
{
    return Calculation::tr("Usage : Chronalys_CD4060 --calcul T T1 [options]\n"
                           "        Chronalys_CD4060 --calcul --conception FICHIER.cd4060 [options]\n")
        + calculationOptions(true)
        + Calculation::tr("Statut de sortie : 0 quand le calcul va jusqu'à la temporisation réelle, 1 quand le\n"
                          "programme le refuse (compte rendu et JSON avec « arret ») ou qu'un fichier ne s'écrit\n"
                          "pas, 2 quand la ligne de commande ne se lit pas.\n");
}

QString helpHint(const QString &program)
{
    return Calculation::tr("Voir « %1 --help ».").arg(program);
}

void silenceQtMessages()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}

calc::Road calculatedRoad(const ParsedCalculation &parsed)
{
    calc::Road road = calc::designRoad(text(parsed.periodText), text(parsed.pulseText), parsed.options);
    if (parsed.conception && parsed.conception->composants) {
        const report::Conception::Parts &parts = *parsed.conception->composants;
        calc::applyParts(road, {text(parts.talon), text(parts.potentiometre), text(parts.C2), calc::patternOf(parts.sorties)});
    }
    return road;
}

LongCalculation calculatedLongRoad(const ParsedCalculation &parsed)
{
    const CalculationOptions &options = parsed.options;
    calc::LongEntry entry;
    entry.T = calc::readNumber(text(parsed.periodText));
    entry.T1 = calc::readNumber(text(parsed.pulseText));
    entry.counter = parsed.counter;
    entry.stage = parsed.stage;
    entry.Pas_Serie = options.Pas_Serie;
    entry.K = options.Constante_K4060;
    entry.tolerances = options.tolerances;
    LongCalculation long_;
    if (parsed.conception && parsed.conception->composants) {
        const report::Conception::Parts &p = *parsed.conception->composants;
        calc::LongParts parts{calc::readNumber(text(p.talon)), calc::readNumber(text(p.potentiometre)),
                              calc::readNumber(text(p.C2)), 0};
        for (int stage : p.sorties)
            parts.marks |= std::uint64_t{1} << (stage - 1);
        long_.road = calc::longRoad(entry, parts);
    } else {
        long_.road = calc::longRoad(entry);
    }
    if (long_.road.timing)
        long_.real = calc::realDesignOf(entry, long_.road.design.stage, long_.road.parts, options.Mode_Affichage,
                                        options.separator, options.notation);
    return long_;
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

CalculationOptions forReader(CalculationOptions options)
{
    options.notation = Commun::notation();
    options.separator = calc::writtenSeparator(options.notation, options.separator);
    return options;
}

int runCalculation(const QStringList &arguments, const SheetWriter &writeSheet, const QString &program,
                   const SheetWriter &writeChronogram)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString prefix = Calculation::tr("%1 : ", "program name before a message; keep the space after").arg(program);
    const ParsedCalculation parsed = parseCalculation(arguments, storedCalculationOptions());
    if (!parsed.ok) {
        err << prefix << parsed.error << '\n' << helpHint(program) << '\n';
        return 2;
    }
    if (!parsed.sheetPath.isEmpty() && !isKicadPath(parsed.sheetPath) && !writeSheet) {
        err << prefix << Calculation::tr("--feuille demande le programme Chronalys_CD4060, "
                                         "qui seul sait dessiner la feuille de montage.\n")
            << helpHint(program) << '\n';
        return 2;
    }
    if (!parsed.chronogramPath.isEmpty() && !writeChronogram) {
        err << prefix << Calculation::tr("--image-chronogramme demande le programme Chronalys_CD4060, qui seul "
                                         "sait dessiner le chronogramme.\n")
            << helpHint(program) << '\n';
        return 2;
    }
    ParsedCalculation read = parsed;
    read.options = forReader(parsed.options);
    const CalculationOptions &options = read.options;
    // The long road and the main window's each print their result; the files follow the design drawn.
    calc::RealDesign drawn;
    bool reached = false;
    if (parsed.cascade) {
        const LongCalculation long_ = calculatedLongRoad(read);
        if (const std::optional<QString> refusal = refusedMeasure(long_.real, options)) {
            err << prefix << *refusal << '\n';
            return 2;
        }
        if (options.json && options.notation == parsed.options.notation)
            out << QString::fromUtf8(report::longJson(long_.road, long_.real, options));
        else if (options.json)
            out << QString::fromUtf8(report::longJson(long_.road, calculatedLongRoad(parsed).real, parsed.options));
        else
            out << report::longReport(long_.road, long_.real, options, options.separator);
        // A refused design has nothing to draw.
        if (!long_.road.timing)
            return 1;
        drawn = long_.real;
        reached = true;
    } else {
        const calc::Road road = calculatedRoad(read);
        // Refused as the window refuses it; only the design tells, so after the road, before any output.
        if (const std::optional<QString> refusal = refusedMeasure(road.real, options)) {
            err << prefix << *refusal << '\n';
            return 2;
        }
        if (options.json && options.notation == parsed.options.notation)
            out << QString::fromUtf8(report::jsonDocument(road, options));
        else if (options.json)
            out << QString::fromUtf8(report::jsonDocument(calculatedRoad(parsed), parsed.options));
        else
            out << report::textReport(road, options);
        drawn = road.real;
        reached = road.converted;
    }
    out.flush();
    const SheetWriter writeCircuit = [](const calc::RealDesign &design, const QString &name, const QString &note,
                                        const QString &path) {
        return report::writeKicadSchematic(design, {name, note, QDate::currentDate()}, path);
    };
    const SheetWriter &sheetWriter = isKicadPath(parsed.sheetPath) ? writeCircuit : writeSheet;
    for (const auto &[path, write] : {std::pair{&parsed.sheetPath, &sheetWriter},
                                      std::pair{&parsed.chronogramPath, &writeChronogram}}) {
        const QString failure = path->isEmpty() ? QString()
            : parsed.conception ? (*write)(drawn, parsed.conception->nom, parsed.conception->note, *path)
                                : (*write)(drawn, {}, {}, *path);
        if (!failure.isEmpty()) {
            err << prefix << failure << '\n';
            return 1;
        }
    }
    // A design the program refuses is no success, though its report is printed.
    return reached ? 0 : 1;
}
