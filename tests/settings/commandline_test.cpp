#include "app/calculation.h"
#include "settingsfixture.h"

#include "report/json.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

struct CommandLineCase {
    const char *name;
    std::optional<QByteArray> settings; // "Chronalys_CD4060.INI" beside the executable
    QStringList options;                // after "--calcul 10 1 --json"
    int Pas_Serie, Mode_Affichage;
    double Constante_K4060;
    std::optional<calc::Tolerances> precision = std::nullopt; // with --precision: the tolerances used
};

class CalculationSettings : public SettingsFixture<CommandLineCase> {};

// A copy, not a link: the platform reports a link's target as the executable's path.
TEST_P(CalculationSettings, TakenFromTheFileBesideTheExecutable)
{
    const CommandLineCase &c = GetParam();
    ASSERT_TRUE(QFile::copy(QStringLiteral(CHRONALYS_EXECUTABLE), path("Chronalys_CD4060")));
    const QString settings = settingsFile(c.settings);
    const QByteArray before = readBytes(settings);

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(path("Chronalys_CD4060"), QStringList{text("--calcul"), text("10"), text("1"), text("--json")} + c.options);
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QJsonObject result = QJsonDocument::fromJson(process.readAllStandardOutput()).object();

    CalculationOptions expected;
    expected.Pas_Serie = c.Pas_Serie;
    expected.Mode_Affichage = c.Mode_Affichage;
    expected.Constante_K4060 = c.Constante_K4060;
    expected.precision = c.precision.has_value();
    expected.tolerances = c.precision.value_or(calc::Tolerances{});
    auto calculated = [](const CalculationOptions &options) {
        return QJsonDocument::fromJson(report::jsonDocument(calc::designRoad("10", "1", options), options)).object();
    };
    EXPECT_EQ(result, calculated(expected));
    if (c.Pas_Serie != 1 || c.Mode_Affichage != 4 || c.Constante_K4060 != 2.8e-6) { // the row shows a change
        EXPECT_NE(result, calculated(CalculationOptions()));
    }
    EXPECT_EQ(QFile::exists(settings), c.settings.has_value());
    EXPECT_EQ(readBytes(settings), before);
}

const QByteArray Calibrated = "[parametres]\r\nK4060=300\r\nE12E24=2\r\nSignificatif=5\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, CalculationSettings,
    testing::Values(
        CommandLineCase{"settings_apply", Calibrated, {}, 2, 5, 3e-6},
        CommandLineCase{"same_reading_as_the_window", bytesOf("[PARAMETRES]\nk4060 = 300,9\nE12E24 = 1.5\n"), {}, 2, 4, 3e-6},
        CommandLineCase{"command_line_wins", Calibrated,
                        {text("--serie"), text("E24"), text("--significatif"), text("3"), text("--k4060"), text("280")}, 1, 3, 2.8e-6},
        CommandLineCase{"fallbacks", bytesOf("[parametres]\r\nK4060=-1\r\nE12E24=7\r\nSignificatif=9\r\n"), {}, 1, 4, 2.8e-6},
        CommandLineCase{"no_settings_file", std::nullopt, {}, 1, 4, 2.8e-6},
        CommandLineCase{"precision_tolerances_from_file",
                        bytesOf("[precision]\r\nTolerance_R=1\r\nTolerance_C=60\r\nDispersion_K=0\r\n"),
                        {text("--precision")}, 1, 4, 2.8e-6, calc::Tolerances{1, 10, 0, 20}},
        CommandLineCase{"precision_option_wins", bytesOf("[precision]\r\nTolerance_R=1\r\n"),
                        {text("--tolerance-r"), text("2")}, 1, 4, 2.8e-6, calc::Tolerances{2, 10, 10, 20}}),
    rowName<CommandLineCase>);

} // namespace
