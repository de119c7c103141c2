#include "app/batch.h"
#include "app/calculation.h"
#include "shellcommand.h"

#include "report/json.h"
#include "report/precisiontext.h"
#include "report/text.h"
#include "report/words.h"

#include "settings/language.h"

#include "calc/batchline.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

QStringList texts(const QJsonArray &array)
{
    QStringList list;
    for (const auto &value : array)
        list << value.toString();
    return list;
}

QStringList onlyAt(std::initializer_list<int> outputs)
{
    QStringList captions(13);
    for (int n : outputs)
        captions[n - 1] = QStringLiteral("On");
    return captions;
}

void expectRoadOfOneDesign(const QJsonObject &r, const QString &fixedSelected)
{
    EXPECT_EQ(r[QStringLiteral("FrequenceOscillateur(1)")].toString(), QStringLiteral("0,6103 ms"));
    EXPECT_EQ(r[QStringLiteral("Motif_Q")].toInt(), 1639);
    EXPECT_EQ(texts(r[QStringLiteral("QcOnOff")].toArray()), onlyAt({1, 2, 3, 6, 7, 10, 11}));
    const QJsonObject fixed = r[QStringLiteral("ResistanceCombo(0)")].toObject();
    EXPECT_EQ(fixed[QStringLiteral("items")].toArray()[fixed[QStringLiteral("selected")].toInt()].toString(),
              fixedSelected);
    const QJsonObject pot = r[QStringLiteral("ResistanceCombo(1)")].toObject();
    EXPECT_EQ(pot[QStringLiteral("selected")].toInt(), 0);
    EXPECT_EQ(pot[QStringLiteral("items")].toArray()[0].toString(), QStringLiteral("0"));
    EXPECT_EQ(texts(r[QStringLiteral("QrOnOff")].toArray()), onlyAt({12}));
    EXPECT_EQ(r[QStringLiteral("FrequenceOscillateur(3)")].toString(), QStringLiteral("0,63 ms"));
    EXPECT_EQ(r[QStringLiteral("T_reel")].toString(), QStringLiteral("10,32"));
    EXPECT_EQ(r[QStringLiteral("T1_reel")].toString(), QStringLiteral("1,290"));
    EXPECT_EQ(r[QStringLiteral("ValeurRs")].toString(), QStringLiteral("560 Kohm"));
    EXPECT_EQ(r[QStringLiteral("alarmes")].toArray(), (QJsonArray{2, 2, 2, 2, 8}));
    EXPECT_FALSE(r.contains(QStringLiteral("arret")));
}

TEST(Calculation, RoadOfOneDesignWithComma)
{
    CalculationOptions options;
    options.separator = ',';
    const calc::Road road = calc::designRoad("10", "1", options);
    const QJsonObject r = QJsonDocument::fromJson(report::jsonDocument(road, options)).object();
    expectRoadOfOneDesign(r, QStringLiteral("150"));
    ASSERT_TRUE(road.converted);
    EXPECT_EQ(road.real.talonText, "150");
    EXPECT_EQ(road.real.potentiometerText, "0");
    EXPECT_EQ(road.real.pattern, 2048);
    EXPECT_DOUBLE_EQ(road.real.realPeriod(), 10.32192);
    EXPECT_EQ(road.real.shown.T_reel, "10,32");
    EXPECT_EQ(r[QStringLiteral("CondensateurCalcul(1)")].toString(), QStringLiteral("1,5 nF"));
    EXPECT_EQ(r[QStringLiteral("ResistanceCalcul(1)")].toString(), QStringLiteral("145,32 Kohm"));
    EXPECT_EQ(r[QStringLiteral("CondensateurReel")].toString(), QStringLiteral("1,5 "));
}

struct ArgumentCase {
    const char *name;
    QStringList arguments;
    bool ok;
};

class CalculationArguments : public testing::TestWithParam<ArgumentCase> {};

TEST_P(CalculationArguments, AcceptsOnlyWellFormedCommands)
{
    const ParsedCalculation parsed = parseCalculation(GetParam().arguments, {});
    EXPECT_EQ(parsed.ok, GetParam().ok) << parsed.error.toStdString();
    EXPECT_EQ(parsed.error.isEmpty(), GetParam().ok);
}

#define ARGS(...) QStringList{__VA_ARGS__}
#define S QStringLiteral
INSTANTIATE_TEST_SUITE_P(
    Cases, CalculationArguments,
    testing::Values(
        ArgumentCase{"minimal", ARGS(S("--calcul"), S("10"), S("1")), true},
        ArgumentCase{"comma_numbers", ARGS(S("--calcul"), S("0,5"), S(".1")), true},
        ArgumentCase{"all_options", ARGS(S("--calcul"), S("10"), S("1"), S("--serie"), S("e12"), S("--significatif"), S("0"), S("--k4060"), S("275,5"), S("--json")), true},
        ArgumentCase{"missing_pulse", ARGS(S("--calcul"), S("10")), false},
        ArgumentCase{"letters", ARGS(S("--calcul"), S("dix"), S("1")), false},
        ArgumentCase{"two_separators", ARGS(S("--calcul"), S("1.5,2"), S("1")), false},
        ArgumentCase{"negative", ARGS(S("--calcul"), S("-10"), S("1")), false},
        ArgumentCase{"bad_series", ARGS(S("--calcul"), S("10"), S("1"), S("--serie"), S("E6")), false},
        ArgumentCase{"hidden_mode", ARGS(S("--calcul"), S("10"), S("1"), S("--significatif"), S("2")), false},
        ArgumentCase{"zero_constant", ARGS(S("--calcul"), S("10"), S("1"), S("--k4060"), S("0")), false},
        ArgumentCase{"option_without_value", ARGS(S("--calcul"), S("10"), S("1"), S("--serie")), false},
        ArgumentCase{"unknown_option", ARGS(S("--calcul"), S("10"), S("1"), S("--vite"), S("1")), false},
        ArgumentCase{"precision_options", ARGS(S("--calcul"), S("10"), S("1"), S("--precision"), S("--tolerance-r"), S("2,5"), S("--dispersion-k"), S("50"), S("--tolerance-ajustable"), S("0"), S("--mesure"), S("9.5")), true},
        ArgumentCase{"tolerance_over_50", ARGS(S("--calcul"), S("10"), S("1"), S("--tolerance-c"), S("50.5")), false},
        ArgumentCase{"tolerance_not_a_number", ARGS(S("--calcul"), S("10"), S("1"), S("--tolerance-r"), S("5%")), false},
        ArgumentCase{"measure_zero", ARGS(S("--calcul"), S("10"), S("1"), S("--mesure"), S("0")), false},
        ArgumentCase{"measure_without_value", ARGS(S("--calcul"), S("10"), S("1"), S("--mesure")), false},
        ArgumentCase{"sheet_and_parts", ARGS(S("--calcul"), S("10"), S("1"), S("--feuille"), S("a b/f.PDF"), S("--nomenclature")), true},
        ArgumentCase{"cascade_counter_and_stage", ARGS(S("--calcul"), S("86400"), S("60"), S("--montage"), S("cascade"), S("--compteur2"), S("cd4020"), S("--etage"), S("20"), S("--json")), true},
        ArgumentCase{"cascade_unknown_counter", ARGS(S("--calcul"), S("86400"), S("60"), S("--montage"), S("cascade"), S("--compteur2"), S("CD4017")), false},
        ArgumentCase{"counter_without_cascade", ARGS(S("--calcul"), S("86400"), S("60"), S("--compteur2"), S("CD4040")), false},
        ArgumentCase{"cascade_stage_not_a_number", ARGS(S("--calcul"), S("86400"), S("60"), S("--montage"), S("cascade"), S("--etage"), S("Q20")), false},
        ArgumentCase{"cascade_with_sheet_and_every_section", ARGS(S("--calcul"), S("86400"), S("60"), S("--montage"), S("cascade"), S("--feuille"), S("f.svg"), S("--precision"), S("--nomenclature"), S("--chronogramme"), S("--circuit"), S("--mesure"), S("86000"), S("--image-chronogramme"), S("c.png")), true},
        ArgumentCase{"cascade_last_stage_of_a_cd4020", ARGS(S("--calcul"), S("86400"), S("60"), S("--montage"), S("cascade"), S("--compteur2"), S("CD4020"), S("--etage"), S("28")), true},
        ArgumentCase{"cascade_stage_beyond_a_cd4040", ARGS(S("--calcul"), S("86400"), S("60"), S("--montage"), S("cascade"), S("--etage"), S("27")), false},
        ArgumentCase{"cascade_stage_of_the_first_counter", ARGS(S("--calcul"), S("86400"), S("60"), S("--montage"), S("cascade"), S("--etage"), S("14")), false},
        ArgumentCase{"design_file_carries_its_montage", ARGS(S("--calcul"), S("--conception"), S(CHRONALYS_CLI_DATA "/arrosage.cd4060"), S("--compteur2"), S("CD4040")), false},
        ArgumentCase{"design_file_of_two_counters", ARGS(S("--calcul"), S("--conception"), S(CHRONALYS_CLI_DATA "/arrosage.cd4060"), S("--json"), S("--circuit")), true},
        ArgumentCase{"montage_unknown", ARGS(S("--calcul"), S("86400"), S("60"), S("--montage"), S("simple")), false},
        ArgumentCase{"kicad_schematic_and_circuit", ARGS(S("--calcul"), S("10"), S("1"), S("--feuille"), S("f.KiCad_Sch"), S("--circuit")), true},
        ArgumentCase{"kicad_is_no_picture", ARGS(S("--calcul"), S("10"), S("1"), S("--image-chronogramme"), S("c.kicad_sch")), false},
        ArgumentCase{"sheet_unknown_extension", ARGS(S("--calcul"), S("10"), S("1"), S("--feuille"), S("f.jpg")), false},
        ArgumentCase{"sheet_extension_only_in_folder", ARGS(S("--calcul"), S("10"), S("1"), S("--feuille"), S("f.svg/x")), false},
        ArgumentCase{"sheet_without_path", ARGS(S("--calcul"), S("10"), S("1"), S("--feuille")), false},
        ArgumentCase{"chronogram_and_picture", ARGS(S("--calcul"), S("10"), S("1"), S("--chronogramme"), S("--image-chronogramme"), S("c.SVG")), true},
        ArgumentCase{"picture_unknown_extension", ARGS(S("--calcul"), S("10"), S("1"), S("--image-chronogramme"), S("c.gif")), false},
        ArgumentCase{"picture_without_path", ARGS(S("--calcul"), S("10"), S("1"), S("--image-chronogramme")), false},
        ArgumentCase{"table_without_batch", ARGS(S("--calcul"), S("10"), S("1"), S("--csv")), false},
        ArgumentCase{"saved_design", ARGS(S("--calcul"), S("--conception"), S(CHRONALYS_CLI_DATA "/aquarium.cd4060"), S("--json")), true},
        ArgumentCase{"missing_design_file", ARGS(S("--calcul"), S("--conception"), S("absent.cd4060")), false},
        ArgumentCase{"language_anywhere", ARGS(S("--langue"), S("en"), S("--calcul"), S("10"), S("1"), S("--langue"), S("fr"), S("--json")), true},
        ArgumentCase{"language_unknown", ARGS(S("--calcul"), S("10"), S("1"), S("--langue"), S("de")), false},
        ArgumentCase{"language_without_value", ARGS(S("--calcul"), S("10"), S("1"), S("--langue")), false}),
    [](const auto &info) { return std::string(info.param.name); });

// A design file's series, constant and tolerances replace the defaults; options beside it win.
TEST(Calculation, DesignFileBetweenDefaultsAndOptions)
{
    CalculationOptions defaults;
    defaults.Pas_Serie = 2;
    defaults.tolerances.r = 1;
    const QString file = S(CHRONALYS_CLI_DATA "/aquarium.cd4060");
    const ParsedCalculation fromFile = parseCalculation({S("--calcul"), S("--conception"), file}, defaults);
    ASSERT_TRUE(fromFile.ok) << fromFile.error.toStdString();
    EXPECT_EQ(fromFile.options.Pas_Serie, 1);
    EXPECT_EQ(fromFile.options.tolerances.r, 5);
    EXPECT_EQ(fromFile.periodText, S("3600"));
    const ParsedCalculation given =
        parseCalculation({S("--calcul"), S("--conception"), file, S("--serie"), S("E12"), S("--k4060"), S("230")}, defaults);
    EXPECT_EQ(given.options.Pas_Serie, 2);
    EXPECT_DOUBLE_EQ(given.options.Constante_K4060, 2.3e-6);
}

TEST(Calculation, OptionsOverrideDefaults)
{
    CalculationOptions defaults;
    defaults.Pas_Serie = 2;
    const ParsedCalculation parsed = parseCalculation(
        {S("--calcul"), S("10"), S("1"), S("--serie"), S("E24"), S("--k4060"), S("300")}, defaults);
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.options.Pas_Serie, 1);
    EXPECT_DOUBLE_EQ(parsed.options.Constante_K4060, 3e-6);
    EXPECT_EQ(parsed.options.Mode_Affichage, 4);
}

// The program's own English, installed as main() installs it; French again after each test.
class InLanguage : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "cli_tests";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv); // translators need one; it lives as long as the tests
    }
    void TearDown() override { Commun::installerLangue(Commun::Langue::Francais); }
};

// As runCalculation writes it; `separator` is the running system's, `mode` the display mode.
QString reportOf(const char *T, const char *T1, bool everySection, char separator = '.', int mode = 4)
{
    CalculationOptions o;
    o.Pas_Serie = 2;
    o.precision = o.nomenclature = o.chronogramme = everySection;
    o.separator = separator;
    o.Mode_Affichage = mode;
    o = forReader(o);
    return report::textReport(calc::designRoad(T, T1, o), o);
}

struct LanguageCase {
    const char *name;
    std::function<QString()> text;
    std::vector<std::pair<const char *, const char *>> words; // French, and its English
};

class Languages : public InLanguage, public testing::WithParamInterface<LanguageCase> {};

TEST_P(Languages, EnglishOnceInstalledAndFrenchByteForByteAgain)
{
    const QString french = GetParam().text();
    Commun::installerLangue(Commun::Langue::Anglais);
    const QString english = GetParam().text();
    Commun::installerLangue(Commun::Langue::Francais);
    EXPECT_EQ(GetParam().text(), french);
    for (const auto &[fr, en] : GetParam().words) {
        EXPECT_TRUE(french.contains(QString::fromUtf8(fr))) << fr << " in\n" << french.toStdString();
        EXPECT_TRUE(english.contains(QString::fromUtf8(en)) && !english.contains(QString::fromUtf8(fr)))
            << en << " in\n" << english.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Languages,
    testing::Values(
        LanguageCase{"report", [] { return reportOf("3600", "2", true); },
                     {{"D - Temporisation réelle", "D - Actual timing"}, {"Ajustable conseillé : talon", "Advised trimmer: fixed"},
                      {"sinon l'oscillateur risque", "else the oscillator may not start"},
                      {"talon de l'oscillateur", "oscillator's fixed resistor"}, {"F - Chronogramme", "F - Timing diagram"}}},
        // A French system, raw display: English writes a point, and none after the last digit.
        LanguageCase{"report_numbers", [] { return reportOf("16.384", "1", false, ',', 0); },
                     {{"Période oscillateur = 1, ms", "Oscillator period = 1 ms"},
                      {"Condensateur \"C2\" = 2,2 nF", "Capacitor \"C2\" = 2.2 nF"},
                      {"Résistance \"R2\" = 162,34 Kohm", "Resistor \"R2\" = 162.34 kΩ"},
                      {"Résistance \"R2\" = 150 Kohm + potentiomètre 0 Kohm", "Resistor \"R2\" = 150 kΩ + trimmer 0 kΩ"},
                      {"Période \"T\" = 15,139 s", "Period \"T\" = 15.139 s"},
                      {"Résistance \"Rs\" = 560 Kohm", "Resistor \"Rs\" = 560 kΩ"}}},
        LanguageCase{"report_stop", [] { return reportOf("10", "6", false); },
                     {{"Calcul arrêté : le rapport T / T1 est inférieur à 2,001.", "Calculation stopped: the ratio T / T1 is below 2.001."}}},
        LanguageCase{"messages", [] {
                         return calculationUsage() + calculProgramUsage() + parseCalculation({S("--calcul"), S("dix"), S("1")}, {}).error
                              + QString::fromStdString(calc::readBatchLine("10;;1", report::words()).error)
                              + report::readConception(S("absent.cd4060")).error + report::calibrationRefusal('.');
                     },
                     {{"Statut de sortie", "Exit status"}, {"n'est pas un nombre", "is not a number"}, {"en trop", "too many"},
                      {"il n'existe pas", "does not exist"}, {"Cause probable", "Likely cause"}}}),
    [](const auto &info) { return std::string(info.param.name); });

// The executable itself, as a user runs it: the C locale writes the point. A copy in a folder of
// its own, so no settings file left in the build tree changes its defaults.
// `settings`, when given, lies beside the copy during the run and is read back after it.
std::string run(const std::string &arguments, int &status, const std::string &environment = {},
                QByteArray *settings = nullptr)
{
    const QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("Chronalys_CD4060"));
    EXPECT_TRUE(QFile::copy(QStringLiteral(CHRONALYS_EXECUTABLE), copy));
    QFile ini(dir.filePath(QStringLiteral("Chronalys_CD4060.INI")));
    if (settings) {
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly) && ini.write(*settings) == settings->size() && ini.flush());
    }
    ini.close();
    const std::string command =
        "env " + environment + " LC_ALL=C.UTF-8 '" + copy.toStdString() + "' " + arguments + " 2>&1";
    const std::string output = shellOutput(command, status);
    if (settings)
        *settings = ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray("(gone)");
    return output;
}

TEST(CommandLine, JsonOfTheRoadOfOneDesign)
{
    int status = -1;
    const std::string output = run("--calcul 10 1 --json --chronogramme", status);
    ASSERT_EQ(status, 0) << output;
    const QJsonObject r = QJsonDocument::fromJson(QByteArray::fromStdString(output)).object();
    expectRoadOfOneDesign(r, QStringLiteral("150"));
    EXPECT_EQ(r[QStringLiteral("CondensateurCalcul(1)")].toString(), QStringLiteral("1.5 nF"));
    EXPECT_EQ(r[QStringLiteral("ResistanceCalcul(1)")].toString(), QStringLiteral("145.32 Kohm"));
    EXPECT_EQ(r[QStringLiteral("CondensateurReel")].toString(), QStringLiteral("1.5 "));

    // Q12 alone, P = 0.63 ms: Q12 first rises after 2048 P and Q14 after 8192 P; the LED lights at
    // 0, T/2 and 3T/2 for 2048 P.
    const QJsonObject chronogram = r[S("chronogramme")].toObject();
    auto periods = [](const QJsonValue &seconds, double expected) { EXPECT_NEAR(seconds.toDouble(), expected * 0.00063, 1e-12); };
    periods(chronogram[S("periode_oscillateur")], 1);
    const std::vector<std::pair<double, double>> lit{{0, 2048}, {8192, 10240}, {24576, 26624}};
    const QJsonArray pulses = chronogram[S("impulsions")].toArray();
    ASSERT_EQ(pulses.size(), 3);
    for (qsizetype i = 0; i < 3; ++i) {
        periods(pulses[i][0], lit[static_cast<std::size_t>(i)].first);
        periods(pulses[i][1], lit[static_cast<std::size_t>(i)].second);
    }
    const QJsonArray outputs = chronogram[S("sorties")].toArray();
    ASSERT_EQ(outputs.size(), 2);
    for (const auto &[i, output] : {std::pair{0, 12}, std::pair{1, 14}}) {
        EXPECT_EQ(outputs[i][S("sortie")].toInt(), output);
        periods(outputs[i][S("premier_front")], std::ldexp(1, output - 1));
        periods(outputs[i][S("periode")], std::ldexp(1, output));
    }
}

// Expected figures from tests/calc/precision_expected.py (one_hour_E12), tolerance c = 2 %.
TEST(CommandLine, JsonOfThePrecision)
{
    int status = -1;
    const std::string output =
        run("--calcul 3600 2 --serie E12 --json --tolerance-c 2 --mesure 3600", status);
    ASSERT_EQ(status, 0) << output;
    for (const char *bad : {"nan", "inf"})
        EXPECT_EQ(output.find(bad), std::string::npos) << bad;
    const QJsonObject p = QJsonDocument::fromJson(QByteArray::fromStdString(output))
                              .object()[QStringLiteral("precision")]
                              .toObject();
    auto at = [&p](const char *key) { return p[QLatin1String(key)].toDouble(); };
    EXPECT_NEAR(at("ecart_T"), 7.80672, 1e-9);
    EXPECT_NEAR(at("ecart_T1"), -5.248, 1e-9);
    EXPECT_NEAR(at("T_min"), 3251.925024768, 1e-9);
    EXPECT_NEAR(at("T_max"), 4572.255485952, 1e-9);
    EXPECT_TRUE(p[QStringLiteral("talon")].isDouble());
    EXPECT_EQ(p[QStringLiteral("T1_proches")].toArray()[1].toObject()[QStringLiteral("sorties")].toArray(),
              QJsonArray{5});
    const QJsonObject best = p[QStringLiteral("solutions")].toArray()[0].toObject();
    EXPECT_EQ(best, (QJsonObject{{S("C2"), 680}, {S("talon"), 120}, {S("T"), best[S("T")]}, {S("ecart"), best[S("ecart")]}}));
    EXPECT_NEAR(best[S("T")].toDouble(), 3743.41632, 1e-9);
    EXPECT_EQ(p[QStringLiteral("regles")].toArray().size(), 4);
    EXPECT_EQ(at("K4060_calibre"), 259.7);

    const std::string report = run("--calcul 3600 2 --serie E12 --precision", status);
    EXPECT_NE(report.find("E - Précision"), std::string::npos) << report;
}

// Designs through the executable: the exit status, "arret" where the program refuses the design,
// and the numbers of "valeurs" as far as the road got (worked out by hand from K = 2.8e-6 s/(kΩ·nF)).
struct DesignCase {
    const char *name;
    const char *arguments;
    int status;
    QJsonArray alarms;
    std::vector<std::pair<const char *, double>> values; // every key of "valeurs"
};

class DesignResults : public testing::TestWithParam<DesignCase> {};

TEST_P(DesignResults, StatusStopAndNumbers)
{
    const DesignCase &c = GetParam();
    int status = -1;
    const std::string output = run(std::string("--calcul ") + c.arguments + " --json --chronogramme", status);
    EXPECT_EQ(status, c.status) << output;
    const QJsonObject r = QJsonDocument::fromJson(QByteArray::fromStdString(output)).object();
    EXPECT_EQ(r.contains(QStringLiteral("chronogramme")), c.status == 0);
    EXPECT_EQ(r[QStringLiteral("alarmes")].toArray(), c.alarms);
    EXPECT_EQ(r.contains(QStringLiteral("arret")), c.status == 1);
    EXPECT_EQ(r.contains(QStringLiteral("T_reel")), c.status == 0); // no zone after a stop
    const QJsonObject values = r[QStringLiteral("valeurs")].toObject();
    EXPECT_EQ(values.size(), static_cast<qsizetype>(c.values.size())) << output;
    for (const auto &[key, expected] : c.values)
        EXPECT_NEAR(values[QLatin1String(key)].toDouble(), expected, 1e-12 * std::abs(expected)) << key;
    const std::string report = run(std::string("--calcul ") + c.arguments + " --chronogramme", status);
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(report.find("Calcul arrêté") != std::string::npos, c.status == 1) << report;
    // Section F after the real timing, before the alarms.
    const auto f = report.find("F - Chronogramme");
    EXPECT_EQ(f != std::string::npos && f > report.find("D - ") && f < report.find("Alarmes"), c.status == 0) << report;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesignResults,
    testing::Values(
        DesignCase{"ten_seconds", "10 1", 0, {2, 2, 2, 2, 8},
                   {{"T", 10}, {"T1", 1}, {"periode_oscillateur", 10.0 / 16384}, {"Motif_Q", 1639},
                    {"C2_theorique", 1.5}, {"R2_theorique", 10.0 / 16384 / (2.8e-6 * 1.5)}, {"talon", 150},
                    {"potentiometre", 0}, {"C2", 1.5}, {"n", 2048}, {"periode_oscillateur_reelle", 0.00063},
                    {"T_reel", 10.32192}, {"T1_reel", 1.29024}, {"Rs", 560}}},
        DesignCase{"one_hour_e12", "3600 2 --serie E12", 0, {2, 8},
                   {{"T", 3600}, {"T1", 2}, {"periode_oscillateur", 3600.0 / 16384}, {"Motif_Q", 9},
                    {"C2_theorique", 470}, {"R2_theorique", 3600.0 / 16384 / (2.8e-6 * 470)}, {"talon", 180},
                    {"potentiometre", 0}, {"C2", 470}, {"n", 8}, {"periode_oscillateur_reelle", 0.23688},
                    {"T_reel", 3881.04192}, {"T1_reel", 1.89504}, {"Rs", 560}}},
        // The saved parts in zone C, zone D from them.
        DesignCase{"saved_design", "--conception '" CHRONALYS_CLI_DATA "/aquarium.cd4060'", 0, {2, 8},
                   {{"T", 3600}, {"T1", 2}, {"periode_oscillateur", 3600.0 / 16384}, {"Motif_Q", 9},
                    {"C2_theorique", 470}, {"R2_theorique", 3600.0 / 16384 / (2.8e-6 * 470)}, {"talon", 200},
                    {"potentiometre", 0}, {"C2", 390}, {"n", 264}, {"periode_oscillateur_reelle", 0.2184},
                    {"T_reel", 3578.2656}, {"T1_reel", 57.6576}, {"Rs", 1000}}},
        DesignCase{"zero_pulse", "10 0", 1, {6}, {}},
        DesignCase{"ratio_too_small", "10 6", 1, {5, 5}, {{"T", 10}, {"T1", 6}, {"periode_oscillateur", 10.0 / 16384}}},
        DesignCase{"period_too_short", "0,02 0,01", 1, {7}, {}},
        // 280 x 2000 / 3881.04192 = 144.3: nothing printed but the refusal.
        DesignCase{"measure_out_of_reach", "3600 2 --serie E12 --mesure 2000", 2, {}, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CommandLine, BadArgumentsExitWithStatusTwo)
{
    int status = -1;
    const std::string output = run("--calcul 10 abc", status);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(output, "Chronalys_CD4060 : « abc » n'est pas un nombre (chiffres et un seul séparateur « , » ou « . »)\n"
                      "Voir « Chronalys_CD4060 --help ».\n");
    // The window's words for a measure out of reach.
    const std::string refused = run("--calcul 3600 2 --serie E12 --mesure 7000 --json", status);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(refused, "Chronalys_CD4060 : " + report::calibrationRefusal('.').toStdString() + "\n");
}

TEST(CommandLine, WindowWithoutDisplaySaysSoAndPointsToTheCalculation)
{
    int status = -1;
    const std::string output = run("", status, "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM");
    EXPECT_EQ(status, 1);
    EXPECT_NE(output.find("--calcul"), std::string::npos) << output;
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
    EXPECT_TRUE(run("--langue en", status, "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM")
                    .starts_with("Chronalys_CD4060: no display available"));
    // A wrong language is said before the window is tried, in the language of the environment.
    EXPECT_EQ(run("--langue de", status, "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM"),
              "Chronalys_CD4060 : --langue attend fr ou en\n");
    EXPECT_EQ(status, 2);
}

// As CI runs the program: no display at all.
const std::string NoDisplay = "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";

// Both answer with status 0 where no window could open, and never open one.
TEST(CommandLine, HelpAndVersionNeedNoDisplay)
{
    int status = -1;
    EXPECT_EQ(run("--version", status, NoDisplay), "Chronalys CD4060 " CHRONALYS_VERSION "\n");
    EXPECT_EQ(status, 0);
    // Anywhere on the line, as after a mistyped calculation.
    const std::string help = run("--calcul 10 --help", status, NoDisplay);
    EXPECT_EQ(status, 0) << help;
    for (const char *part : {"--calcul T T1", "--version", "Fichier de réglages : "})
        EXPECT_NE(help.find(part), std::string::npos) << part << " missing from\n" << help;
    EXPECT_NE(run("--help --langue en", status, NoDisplay).find("\nSettings file: "), std::string::npos);
}

// The design sheet, written without a display.

QJsonObject jsonIn(const std::string &output)
{
    const auto first = output.find('{');
    const auto last = output.rfind('}');
    return first == std::string::npos || last == std::string::npos
        ? QJsonObject()
        : QJsonDocument::fromJson(QByteArray::fromStdString(output.substr(first, last - first + 1))).object();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A design file's name and note go in the sheet's title block, as on the window's sheet.
TEST(CommandLine, SheetOfADesignFileNamesIt)
{
    const QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("f.svg")).toStdString();
    int status = -1;
    const std::string output =
        run("--calcul --conception '" CHRONALYS_CLI_DATA "/aquarium.cd4060' --feuille '" + path + "'", status, NoDisplay);
    EXPECT_EQ(status, 0) << output;
    const QByteArray svg = fileBytes(QString::fromStdString(path));
    EXPECT_TRUE(svg.contains("aquarium") && svg.contains("Relais sur la sortie")) << svg.size();
}

class SheetFile : public testing::TestWithParam<const char *> {};

TEST_P(SheetFile, WrittenWithoutDisplayForTheComputedDesign)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("feuille de montage.%1").arg(QLatin1String(GetParam())));
    int status = -1;
    const QString picture = dir.filePath(QStringLiteral("chronogramme.%1").arg(QLatin1String(GetParam())));
    // Standard error says nothing either, even without XDG_RUNTIME_DIR, which Qt warns about.
    const std::string output = run("--calcul 10 1 --serie E12 --json --nomenclature --circuit --feuille '" + path.toStdString() +
                                       "' --image-chronogramme '" + picture.toStdString() + "'",
                                   status, NoDisplay + " -u XDG_RUNTIME_DIR");
    ASSERT_EQ(status, 0) << output;
    EXPECT_TRUE(output.starts_with("{\n") && output.ends_with("}\n")) << output.substr(0, 300);
    const QJsonObject r = jsonIn(output);

    // The parts list under --json: the diodes sit exactly on the outputs the conversion marked.
    QStringList marked;
    const QJsonArray marks = r[QStringLiteral("QrOnOff")].toArray();
    for (qsizetype n = 1; n <= marks.size(); ++n)
        if (marks[n - 1].toString() == QStringLiteral("On"))
            marked << QStringLiteral("Q%1").arg(n);
    const QJsonArray parts = r[QStringLiteral("nomenclature")].toArray();
    ASSERT_FALSE(parts.isEmpty()) << output;
    QJsonObject diodes;
    for (const auto &part : parts)
        if (part[QStringLiteral("valeur")].toString() == QStringLiteral("1N4148"))
            diodes = part.toObject();
    EXPECT_EQ(diodes[QStringLiteral("quantite")].toInt(), marked.size());
    EXPECT_TRUE(diodes[QStringLiteral("role")].toString().endsWith(marked.join(QStringLiteral(", "))));
    // --circuit: each of those outputs is a net of its own, joined to one diode.
    const QJsonArray nets = r[S("circuit")][S("reseaux")].toArray();
    for (const QString &output : marked) {
        const auto net = std::find_if(nets.begin(), nets.end(), [&](const auto &n) { return n[S("nom")].toString() == output; });
        ASSERT_NE(net, nets.end()) << output.toStdString();
        EXPECT_EQ((*net)[S("membres")].toArray().size(), 2);
    }
    EXPECT_EQ(r[S("circuit")][S("composants")].toArray().size(), 13 + marked.size()); // no trimmer at "0"

    // The sheet's second page, below the first in SVG and PNG, holds the chronogramme too.
    for (const auto &[file, pages] : {std::pair{path, 2}, std::pair{picture, 1}}) {
        const QByteArray bytes = fileBytes(file);
        ASSERT_FALSE(bytes.isEmpty()) << output;
        if (QLatin1String(GetParam()) == QLatin1String("svg")) {
            // Qt writes a run of another script (the Greek Ω) as a text element of its own.
            QString text;
            QXmlStreamReader reader(bytes);
            while (!reader.atEnd())
                if (reader.readNext() == QXmlStreamReader::Characters && !reader.isWhitespace())
                    text += reader.text();
            ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();
            const QJsonObject fixed = r[QStringLiteral("ResistanceCombo(0)")].toObject();
            const QString talon = fixed[QStringLiteral("items")].toArray()[fixed[QStringLiteral("selected")].toInt()].toString();
            const QStringList sheetOnly{
                talon + QStringLiteral(" kΩ"), r[QStringLiteral("CondensateurReel")].toString().trimmed() + QStringLiteral(" nF"),
                r[QStringLiteral("ValeurRs")].toString().replace(QStringLiteral("Kohm"), QStringLiteral("kΩ")),
                r[QStringLiteral("T_reel")].toString() + QStringLiteral(" s"),
                r[QStringLiteral("T1_reel")].toString() + QStringLiteral(" s"), QStringLiteral("E12"),
                QStringLiteral("Multivibrateur longue période"), QStringLiteral("Notes de montage")};
            QStringList values = pages == 2 ? sheetOnly : QStringList();
            for (const QString &value : values << QStringLiteral("Ligne des diodes"))
                EXPECT_TRUE(text.contains(value)) << value.toStdString() << " in " << file.toStdString();
        } else if (QLatin1String(GetParam()) == QLatin1String("pdf")) {
            EXPECT_TRUE(bytes.startsWith("%PDF"));
            static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
            EXPECT_EQ(QString::fromLatin1(bytes).count(page), pages);
        } else {
            // PNG signature, then the IHDR chunk: width and height, big-endian.
            ASSERT_TRUE(bytes.startsWith("\x89PNG\r\n\x1a\n"));
            auto be32 = [&bytes](int at) {
                return (static_cast<quint8>(bytes[at]) << 24) | (static_cast<quint8>(bytes[at + 1]) << 16) |
                       (static_cast<quint8>(bytes[at + 2]) << 8) | static_cast<quint8>(bytes[at + 3]);
            };
            EXPECT_EQ(be32(16), 3508); // A4 landscape at 300 dpi
            EXPECT_EQ(be32(20), 2480 * pages);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, SheetFile, testing::Values("svg", "pdf", "png"),
                         [](const auto &info) { return std::string(info.param); });

struct SheetFailure {
    const char *name;
    QString file; // inside a fresh temporary folder, unless absolute
    int status;
    const char *made = nullptr; // a folder made there first
    bool fullDisk = false;      // the folder is a full file system of 4 kB
    const char *option = "--feuille";
    const char *failure = "feuille de montage n'a pas pu";
};

class SheetFailures : public testing::TestWithParam<SheetFailure> {};

// No crash, a French message naming the file, no file nor temporary left, settings untouched.
TEST_P(SheetFailures, FrenchMessageNamingTheFileAndNothingLeft)
{
    const SheetFailure &c = GetParam();
    const QTemporaryDir dir;
    QDir folder(dir.path());
    if (c.made) {
        ASSERT_TRUE(folder.mkdir(QString::fromUtf8(c.made)));
        if (c.fullDisk) {
            const std::string mount = "mount -t tmpfs -o size=4k tmpfs '" + dir.filePath(QString::fromUtf8(c.made)).toStdString() + "' 2>/dev/null";
            if (std::system(mount.c_str()) != 0)
                GTEST_SKIP() << "no tmpfs mount here (needs root)";
            folder.setPath(dir.filePath(QString::fromUtf8(c.made)));
        }
    }
    const QStringList before = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    const QString path = c.file.startsWith(QLatin1Char('/')) ? c.file : dir.filePath(c.file);
    const QByteArray settings = "[parametres]\r\nE12E24=2\r\n; r\xE9glages\r\n";
    QByteArray after = settings;
    int status = -1;
    const std::string output = run(std::string("--calcul 10 1 ") + c.option + " '" + path.toStdString() + "'", status, NoDisplay, &after);
    EXPECT_EQ(status, c.status) << output;
    EXPECT_NE(output.find(path.toStdString()), std::string::npos) << output.substr(0, 300);
    if (c.status == 1) {
        EXPECT_NE(output.find(c.failure), std::string::npos) << output.substr(0, 300);
    }
    EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    EXPECT_EQ(after, settings);
    if (c.fullDisk) {
        EXPECT_EQ(std::system(("umount '" + folder.path().toStdString() + "'").c_str()), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SheetFailures,
    testing::Values(SheetFailure{"unknown_extension", S("feuille.txt"), 2},
                    SheetFailure{"missing_folder", S("absent/feuille.pdf"), 1},
                    SheetFailure{"path_is_a_folder", S("dossier.svg"), 1, "dossier.svg"},
                    SheetFailure{"read_only_place", S("/proc/feuille.svg"), 1},
                    SheetFailure{"full_disk_png", S("plein/feuille.png"), 1, "plein", true},
                    SheetFailure{"full_disk_pdf", S("plein/feuille.pdf"), 1, "plein", true},
                    SheetFailure{"path_of_4000_characters", QString(3996, QLatin1Char('a')) + S(".svg"), 1},
                    SheetFailure{"picture_unknown_extension", S("c.jpg"), 2, nullptr, false, "--image-chronogramme"},
                    SheetFailure{"picture_missing_folder", S("absent/c.svg"), 1, nullptr, false, "--image-chronogramme",
                                 "chronogramme n'a pas pu"},
                    SheetFailure{"picture_full_disk_png", S("plein/c.png"), 1, "plein", true, "--image-chronogramme",
                                 "chronogramme n'a pas pu"}),
    [](const auto &info) { return std::string(info.param.name); });

// A day with a second counter: the stage, the marks and the trimmer the road gives; a stage beyond
// the counter is a refused design, status 1, with why.
TEST(CommandLine, CascadeOfTwoCounters)
{
    int status = -1;
    const QJsonObject day = jsonIn(run("--calcul 86400 60 --montage cascade --json", status, NoDisplay));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(day[S("montage")][S("etage")].toInt(), 22);
    EXPECT_EQ(day[S("montage")][S("compteur2")].toString(), S("CD4040"));
    const QJsonObject values = day[S("valeurs")].toObject();
    EXPECT_EQ(values[S("n")].toInteger(), 2912);
    EXPECT_EQ(values[S("sorties")].toArray().size(), 5); // 2912 = stages 6, 7, 9, 10 and 12
    EXPECT_EQ(values[S("ajustable")].toDouble(), 100);
    EXPECT_NEAR(values[S("T_reel")].toDouble(), 86400, 1e-6);
    // Stage 4 (8 periods of 20.6 ms) is the finest pulse below S = 22.
    const QJsonObject refused = jsonIn(run("--calcul 86400 0,1 --montage cascade --etage 22 --json", status, NoDisplay));
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(refused[S("arret")].toString().contains(S("0.1648 s"))) << refused[S("arret")].toString().toStdString();
    const std::string report = run("--calcul 86400 60 --montage cascade --compteur2 CD4060 --langue fr", status, NoDisplay);
    EXPECT_EQ(status, 0);
    EXPECT_NE(report.find("CD4060 puis CD4060"), std::string::npos) << report;
}

TEST(CommandLine, SheetNeedsTheProgramThatDrawsIt)
{
    EXPECT_EQ(runCalculation({S("--calcul"), S("10"), S("1"), S("--feuille"), S("f.svg")}, {}, S("chronalys-calcul")), 2);
    EXPECT_EQ(runCalculation({S("--calcul"), S("10"), S("1"), S("--image-chronogramme"), S("c.svg")}, {}, S("chronalys-calcul")), 2);
    // A KiCad schematic is text: written without any drawing.
    const QTemporaryDir dir;
    const QString schematic = dir.filePath(S("f.kicad_sch"));
    EXPECT_EQ(runCalculation({S("--calcul"), S("10"), S("1"), S("--feuille"), schematic}, {}, S("chronalys-calcul")), 0);
    EXPECT_TRUE(fileBytes(schematic).startsWith("(kicad_sch"));
}

} // namespace
