#include "app/batch.h"
#include "shellcommand.h"

#include "report/csv.h"
#include "report/json.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> result;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        result.push_back(text.substr(start, end - start));
    return result;
}

std::string runBatchOn(const BatchSettings &settings, const std::string &input, std::size_t cut)
{
    BatchRun run(settings);
    std::string out;
    for (std::size_t at = 0; at < input.size(); at += cut)
        run.feed(std::string_view(input).substr(at, cut), out);
    run.finish(out);
    return out;
}

BatchSettings settingsOf(QStringList arguments, char separator)
{
    CalculationOptions defaults;
    defaults.separator = separator;
    const ParsedBatch parsed = parseBatch(QStringList{QStringLiteral("--lot"), QStringLiteral("-")} + arguments, defaults);
    EXPECT_TRUE(parsed.ok) << parsed.error.toStdString();
    return parsed.settings;
}

struct OptionCase {
    const char *name;
    QStringList arguments;
    char separator;
    const char *key = nullptr; // what the options add to each converted design's object
};

class BatchEqualsSingleCalculations : public testing::TestWithParam<OptionCase> {};

// Random designs in the forms a file holds, stops included: each JSON line is the object of one
// calculation with its line number, each table row the one made from that object.
TEST_P(BatchEqualsSingleCalculations, LineForLine)
{
    std::mt19937 random(14);
    auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    std::vector<std::pair<std::string, std::string>> designs;
    std::string input = "# T T1\n\n";
    for (int i = 0; i < 300; ++i) {
        const double period = std::pow(10.0, uniform(-2.5, 5.5));
        const double pulse = i % 10 == 0 ? 0 : period / uniform(1.5, 8000);
        char T[64], T1[64];
        std::snprintf(T, sizeof T, i % 3 ? "%.*f" : "00%.*f", i % 5, period);
        std::snprintf(T1, sizeof T1, "%.*f", 3 + i % 4, pulse);
        std::string t = T, t1 = T1;
        if (i % 2)
            std::replace(t.begin(), t.end(), '.', ',');
        designs.emplace_back(t, t1);
        input += t + (i % 4 == 0 ? " ; " : i % 4 == 1 ? "\t" : " ") + t1 + "\n";
    }
    const char *key = GetParam().key;
    BatchSettings settings = settingsOf(GetParam().arguments, GetParam().separator);
    const CalculationOptions &options = settings.parsed.options;
    const std::vector<std::string> json = lines(runBatchOn(settings, input, 4096));
    ASSERT_EQ(json.size(), designs.size());
    for (std::size_t i = 0; i < designs.size(); ++i) {
        const calc::Road road = calc::designRoad(designs[i].first, designs[i].second, options);
        QJsonObject single = QJsonDocument::fromJson(report::jsonDocument(road, options)).object();
        if (settings.parsed.cascade) {
            ParsedCalculation parsed = settings.parsed;
            parsed.periodText = QString::fromStdString(designs[i].first);
            parsed.pulseText = QString::fromStdString(designs[i].second);
            const LongCalculation long_ = calculatedLongRoad(parsed);
            single = QJsonDocument::fromJson(report::longJson(long_.road, long_.real, options)).object();
        }
        single.insert(QStringLiteral("ligne"), static_cast<qint64>(i + 3));
        ASSERT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(json[i])).object(), single)
            << designs[i].first << " " << designs[i].second;
        if (key && (settings.parsed.cascade ? single.contains(QLatin1String("regles")) : road.converted)) {
            ASSERT_TRUE(single.contains(QLatin1String(key))) << json[i];
        }
    }
    // Every row of the table has the header's columns, whatever the road and the sections.
    settings.csv = true;
    const std::string header = settings.parsed.cascade ? report::longCsvHeader(options) : report::csvHeader(options);
    const std::vector<std::string> rows = lines(header + runBatchOn(settings, input + "x\n", 4096));
    auto columns = [](const std::string &row) {
        std::size_t count = 1;
        bool quoted = false;
        for (char c : row) {
            quoted = c == '"' ? !quoted : quoted;
            count += !quoted && c == ';';
        }
        return count;
    };
    ASSERT_EQ(rows.size(), designs.size() + 2);
    for (const std::string &row : rows)
        ASSERT_EQ(columns(row), columns(rows[0])) << row;
}

#define S QStringLiteral
INSTANTIATE_TEST_SUITE_P(
    Cases, BatchEqualsSingleCalculations,
    testing::Values(OptionCase{"defaults", {}, '.'},
                    OptionCase{"e12_raw_comma", {S("--serie"), S("E12"), S("--significatif"), S("0")}, ','},
                    OptionCase{"three_digits_large_constant", {S("--significatif"), S("3"), S("--k4060"), S("99999,5")}, ','},
                    OptionCase{"tiny_constant", {S("--k4060"), S("0.0000001"), S("--json")}, '.'},
                    OptionCase{"parts_list_e12", {S("--nomenclature"), S("--serie"), S("E12")}, ',', "nomenclature"},
                    OptionCase{"precision_measured", {S("--precision"), S("--mesure"), S("10,5")}, ',', "precision"},
                    OptionCase{"long_designs_on_a_cd4020", {S("--montage"), S("cascade"), S("--compteur2"), S("CD4020"), S("--serie"), S("E12")}, ',', "montage"},
                    OptionCase{"long_designs_every_section", {S("--montage"), S("cascade"), S("--precision"), S("--nomenclature"), S("--chronogramme"), S("--circuit")}, '.', "circuit"}),
    [](const auto &info) { return std::string(info.param.name); });

// However the input is cut, the same lines come out; a line beyond the bound is an error and
// the reading goes on; the last line needs no newline.
TEST(BatchReader, CutsLongLinesAndLastLine)
{
    const std::string input = "\xEF\xBB\xBF# essai\r\n\r\n10 1\r\n10 x\n" + std::string(10 << 20, '1') + " 1\n"
                            + std::string(BatchRun::MaxLine - 4, '0') + "10 1\n3600;25";
    const BatchSettings settings = settingsOf({}, ',');
    const std::string whole = runBatchOn(settings, input, input.size());
    for (std::size_t cut : {std::size_t{7}, BatchRun::MaxLine + 1})
        EXPECT_EQ(runBatchOn(settings, input, cut), whole) << cut;
    const std::vector<std::string> out = lines(whole);
    ASSERT_EQ(out.size(), 5u) << whole.substr(0, 2000);
    const std::vector<std::pair<int, bool>> expected = {{3, false}, {4, true}, {5, true}, {6, false}, {7, false}};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(out[i])).object();
        EXPECT_EQ(object[S("ligne")].toInt(), expected[i].first) << out[i];
        EXPECT_EQ(object.contains(S("erreur")), expected[i].second) << out[i];
    }
    EXPECT_EQ(lines(runBatchOn(settings, input.substr(0, 23), 3)).size(), 2u); // "10 1", then "10 " cut short
}

// The executables as a user runs them, copied into a folder of their own with an optional
// settings file beside them.
struct Programs {
    QTemporaryDir dir;
    explicit Programs(const char *settings = nullptr)
    {
        EXPECT_TRUE(QFile::copy(S(CHRONALYS_EXECUTABLE), dir.filePath(S("Chronalys_CD4060"))));
        EXPECT_TRUE(QFile::copy(S(CHRONALYS_CALCUL_EXECUTABLE), dir.filePath(S("chronalys-calcul"))));
        if (settings) {
            QFile ini(dir.filePath(S("Chronalys_CD4060.INI")));
            EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
            ini.write(settings);
        }
    }
    std::string run(const std::string &command, int &status) const
    {
        const std::string line = "cd '" + dir.path().toStdString() + "' && LC_ALL=C.UTF-8 " + command;
        return shellOutput("bash -c \"" + line + "\" 2>&1", status);
    }
};

TEST(CalculProgram, AnswersAsTheWindowedProgram)
{
    const Programs programs("[parametres]\r\nE12E24=2\r\nSignificatif=3\r\n");
    for (const char *arguments : {"10 1", "10 1 --json", "3600 25 --serie E24 --significatif 0",
                                  "0,01 1 --json", "10 6", "10 1 --k4060 300 --json", "10 abc",
                                  "10 1 --vite"}) {
        int calculStatus = -1, windowStatus = -1;
        const std::string calcul = programs.run(std::string("./chronalys-calcul ") + arguments, calculStatus);
        std::string window = programs.run(std::string("./Chronalys_CD4060 --calcul ") + arguments, windowStatus);
        // Each program names itself in its messages.
        for (std::size_t at; (at = window.find("Chronalys_CD4060 ")) != std::string::npos;)
            window.replace(at, 16, "chronalys-calcul");
        EXPECT_EQ(calcul, window) << arguments;
        EXPECT_EQ(calculStatus, windowStatus) << arguments;
    }
    int status = -1;
    EXPECT_NE(programs.run("./chronalys-calcul 10 1", status).find("série E12"), std::string::npos);
    EXPECT_EQ(programs.run("ldd ./chronalys-calcul | grep -c -E 'Gui|Widgets|Svg'", status), "0\n");
}

TEST(CalculProgram, BatchLinesEqualSingleCalculations)
{
    const Programs programs("[parametres]\r\nE12E24=2\r\n[precision]\r\nTolerance_R=1\r\n");
    for (const std::string options : {"", " --precision --nomenclature"}) {
        int status = -1;
        const std::vector<std::string> batch =
            lines(programs.run("printf '10 1\\n0,02;1\\n3600\\t25\\n' | ./chronalys-calcul --lot -" + options, status));
        EXPECT_EQ(status, 1); // 0,02 s is refused
        const std::vector<const char *> designs = {"10 1", "0,02 1", "3600 25"};
        ASSERT_EQ(batch.size(), designs.size());
        for (std::size_t i = 0; i < designs.size(); ++i) {
            const std::string single =
                programs.run("./Chronalys_CD4060 --calcul " + std::string(designs[i]) + " --json" + options, status);
            QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(single)).object();
            object.insert(S("ligne"), static_cast<int>(i + 1));
            EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(batch[i])).object(), object) << options;
        }
    }
}

struct StatusCase {
    const char *name;
    const char *command;
    int status;
    const char *message; // in the output, "" for none at all
};

class BatchStatus : public testing::TestWithParam<StatusCase> {};

// Whatever the input, the settings file beside the program stays byte for byte.
TEST_P(BatchStatus, Exits)
{
    const char *settings = "[parametres]\r\nSignificatif=4\r\n; r\xE9glages\r\n";
    const Programs programs(settings);
    int status = -1;
    const std::string output = programs.run(GetParam().command, status);
    EXPECT_EQ(status, GetParam().status) << output.substr(0, 2000);
    if (*GetParam().message == '\0')
        EXPECT_EQ(output, "");
    else
        EXPECT_NE(output.find(GetParam().message), std::string::npos) << output.substr(0, 2000);
    QFile ini(programs.dir.filePath(S("Chronalys_CD4060.INI")));
    EXPECT_TRUE(ini.open(QIODevice::ReadOnly) && ini.readAll() == settings);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchStatus,
    testing::Values(
        StatusCase{"every_line_read", "printf '10 1\\n# c\\n60;1' | ./chronalys-calcul --lot - --csv >/dev/null", 0, ""},
        StatusCase{"one_line_unread", "printf '10 1\\ndix 1\\n' | ./chronalys-calcul --lot -", 1, "\"erreur\""},
        StatusCase{"one_design_refused", "printf '10 1\\n10 6\\n' | ./chronalys-calcul --lot -", 1, "\"arret\""},
        StatusCase{"table_names_its_design", "printf '10 1\\n' | ./chronalys-calcul --lot - --csv | cut -d';' -f1-3", 0, "ligne;T;T1\n1;10;1\n"},
        StatusCase{"design_file_lines", "printf '%s\\nabsent.cd4060\\n' " CHRONALYS_CLI_DATA "/aquarium.cd4060 | ./chronalys-calcul --lot - --csv | cut -d';' -f1-3,19 | cut -c1-40; exit \\${PIPESTATUS[1]}", 1, "1;3600;2;\n2;;;Le fichier « absent.cd4060 »"},
        StatusCase{"table_needs_a_batch", "./chronalys-calcul 10 1 --csv", 2, "chronalys-calcul : --csv demande --lot"},
        StatusCase{"missing_file", "./chronalys-calcul --lot absent.txt", 1, "« absent.txt »"},
        StatusCase{"folder", "./chronalys-calcul --lot .", 1, "« . »"},
        StatusCase{"no_file", "./chronalys-calcul --lot", 2, "Voir « chronalys-calcul --help »"},
        StatusCase{"json_and_csv", "./chronalys-calcul --lot - --json --csv </dev/null", 2, "--csv"},
        StatusCase{"bad_option", "./chronalys-calcul --lot - --serie E6 </dev/null", 2, "E6"},
        StatusCase{"sheet", "./chronalys-calcul --lot - --feuille f.svg </dev/null", 2, "--feuille"},
        StatusCase{"picture", "./chronalys-calcul --lot - --image-chronogramme c.svg </dev/null", 2, "--image-chronogramme"},
        StatusCase{"chronogram_line", "printf '10 1\\n' | ./chronalys-calcul --lot - --chronogramme", 0, "],\"periode_oscillateur\":"},
        // Hostile inputs: each bad line answered, the lines after it still computed.
        StatusCase{"binary", "head -c 300000 ./chronalys-calcul >f; printf '\\n10 1\\n' >>f; ./chronalys-calcul --lot f | tail -n 1; exit \\${PIPESTATUS[0]}", 1, "{\"CondensateurCalcul(1)"},
        StatusCase{"nul_bytes", "printf '10\\0 1\\n\\0\\n3600 25\\n' >f; ./chronalys-calcul --lot f", 1, "\"ligne\":3,"},
        StatusCase{"line_of_100_mb", "head -c 104857600 /dev/zero | tr '\\0' 1 >f; printf ' 1\\n10 1\\n' >>f; ./chronalys-calcul --lot f --csv", 1, "\n2;"},
        StatusCase{"million_lines", "yes '10 1' | head -n 1000000 >f; ./chronalys-calcul --lot f --csv | tail -n 1; exit \\${PIPESTATUS[0]}", 0, "1000000;"},
        StatusCase{"cr_only_line_ends", "printf '10 1\\r3600 25\\r\\r\\n60 1' >f; ./chronalys-calcul --lot f --csv | cut -d';' -f1 | tr '\\n' ,; exit \\${PIPESTATUS[0]}", 0, "1,2,4,"},
        StatusCase{"vanishes_while_read", "mkfifo f; { printf '10 1\\n'; sleep 0.2; rm f; printf '3600 25\\n'; } >f & ./chronalys-calcul --lot f; s=\\$?; wait; exit \\$s", 0, "\"ligne\":2,"},
        // The errors in the language asked for; the results the same bytes in both.
        StatusCase{"error_in_english", "printf '10 1\\ndix 1\\n' | ./chronalys-calcul --lot - --langue en", 1, "{\"erreur\":\"“dix” is not a number"},
        StatusCase{"usage_in_english", "./chronalys-calcul --langue en --lot - --serie E6 </dev/null", 2, "--serie takes E12 or E24, not “E6”"},
        StatusCase{"results_same_in_english", "printf '10 1\\n10 6\\n3600 2\\n' >f; for l in fr en; do { ./chronalys-calcul --langue \\$l --lot f --csv --precision --nomenclature; ./chronalys-calcul --lot f --langue \\$l --nomenclature --chronogramme --mesure 1; } >\\$l; done; cmp fr en && echo same", 0, "same\n"},
        // One measure for every line: beyond the calibration range for a design, none for it.
        StatusCase{"calibration_beyond_range_is_none", "printf '10 1\\n' | ./chronalys-calcul --lot - --precision --mesure 1000000", 0, "\"K4060_calibre\":null"},
        StatusCase{"calibration_within_range", "printf '10 1\\n' | ./chronalys-calcul --lot - --precision --mesure 10", 0, "\"K4060_calibre\":271.3"},
        StatusCase{"unknown_language", "./chronalys-calcul --lot - --langue de </dev/null", 2, "--langue attend fr ou en"},
        // chronalys-calcul speaks of itself; an error is its message and where the usage is.
        StatusCase{"own_help", "./chronalys-calcul --help >h && grep -q -- '--lot FICHIER' h && ! grep -q -e --feuille -e ouvre h && echo own", 0, "own\n"},
        StatusCase{"version", "./chronalys-calcul --version", 0, "chronalys-calcul (Chronalys CD4060) " CHRONALYS_VERSION "\n"},
        StatusCase{"needs_t_and_t1", "o=\\$(./chronalys-calcul 30 2>&1); s=\\$?; printf '<%s>' \\\"\\$o\\\"; exit \\$s", 2,
                   "<chronalys-calcul : il faut T et T1, ou --conception FICHIER\nVoir « chronalys-calcul --help ».>"},
        StatusCase{"needs_t_and_t1_in_english", "o=\\$(./chronalys-calcul --langue en 30 --json 2>&1); s=\\$?; printf '<%s>' \\\"\\$o\\\"; exit \\$s", 2,
                   "<chronalys-calcul: T and T1 are needed, or --conception FILE\nSee “chronalys-calcul --help”.>"},
        StatusCase{"design_not_json", "echo x >f.cd4060; printf '<%s>' \\\"\\$(./chronalys-calcul --conception f.cd4060 2>&1 | sed 1d)\\\"", 0,
                   "<Voir « chronalys-calcul --help ».>"},
        StatusCase{"batch_value", "printf '<%s>' \\\"\\$(./chronalys-calcul --lot - --k4060 0 </dev/null 2>&1 | sed 1d)\\\"", 0,
                   "<Voir « chronalys-calcul --help ».>"},
        StatusCase{"window_value", "printf '<%s>' \\\"\\$(./Chronalys_CD4060 --calcul 10 1 --serie E6 2>&1 | sed 1d)\\\"", 0,
                   "<Voir « Chronalys_CD4060 --help ».>"},
        StatusCase{"window_missing_pulse", "printf '<%s>' \\\"\\$(./Chronalys_CD4060 --langue en --calcul 10 2>&1)\\\"", 0,
                   "<Chronalys_CD4060: T and T1 are needed, or --conception FILE\nSee “Chronalys_CD4060 --help”.>"},
        // English numbers: a point, never a comma, never a separator after the last digit.
        StatusCase{"english_numbers", ":; for a in '16.384 1' '16.384 1 --significatif 0' '10 1 --significatif 3' '3600 2 --serie E12'; do ./chronalys-calcul \\$a --langue en --precision --nomenclature --chronogramme; done | grep -E '[0-9],[0-9]|[0-9][.]( |\\$)'; echo found \\$?", 0, "found 1\n"},
        // Long designs (--montage cascade): every section, design files, batches; numbers from
        // K x (talon + setting) x C2 x 2^S by hand.
        StatusCase{"long_json_every_section", "./chronalys-calcul 86400 60 --montage cascade --json --precision --nomenclature --chronogramme --circuit | grep -cE '^    \\\"(chronogramme|circuit|montage|nomenclature|precision|regles|valeurs)\\\"'", 0, "7\n"},
        StatusCase{"long_report_every_section", "./chronalys-calcul 86400 60 --montage cascade --precision --nomenclature --chronogramme --circuit --langue fr | grep -cE '^(E - Précision|F - Chronogramme|Nomenclature|Circuit)\\$'", 0, "4\n"},
        StatusCase{"long_design_file", "./chronalys-calcul --conception " CHRONALYS_CLI_DATA "/arrosage.cd4060 --json | grep -E 'T_reel|compteur2'", 0, "\"compteur2\": \"CD4020\",\n        \"T_reel\": 86383.3686016,"},
        // The trimmer to buy follows the file's setting: 300 kΩ needs a 470 kΩ one, none at 0 kΩ.
        StatusCase{"long_file_trimmer_for_its_setting", "sed 's/36,5/300/' " CHRONALYS_CLI_DATA "/arrosage.cd4060 >a.cd4060; ./chronalys-calcul --conception a.cd4060 --json | grep ajustable", 0, "\"ajustable\": 470,"},
        StatusCase{"long_file_without_trimmer", "sed 's/36,5/0/' " CHRONALYS_CLI_DATA "/arrosage.cd4060 >a.cd4060; ./chronalys-calcul --conception a.cd4060 --json | grep ajustable", 0, "\"ajustable\": null,"},
        StatusCase{"long_measure", "./chronalys-calcul 86400 60 --montage cascade --json --mesure 86000 | grep K4060_calibre", 0, "\"K4060_calibre\": 278.7"},
        StatusCase{"long_refused", "./chronalys-calcul 30 1 --montage cascade --json", 1, "\"arret\": \"la période T doit aller de 60 à 10000000 s\""},
        StatusCase{"long_stage_beyond_the_counter", "./chronalys-calcul 86400 60 --montage cascade --etage 27 2>&1", 2, "--etage attend un étage de 15 à 26 avec le CD4040, pas « 27 »\nVoir « chronalys-calcul --help »."},
        StatusCase{"long_stage_in_english", "./chronalys-calcul 86400 60 --montage cascade --compteur2 CD4060 --etage 29 --langue en 2>&1", 2, "15 to 28"},
        StatusCase{"long_file_and_stage", "./chronalys-calcul --conception " CHRONALYS_CLI_DATA "/arrosage.cd4060 --etage 20 2>&1", 2, "le fichier porte son montage"},
        StatusCase{"long_batch", "printf '86400 60\\n%s\\n30 1\\n' " CHRONALYS_CLI_DATA "/arrosage.cd4060 | ./chronalys-calcul --lot - --montage cascade --compteur2 CD4060 | cut -c1-54; exit \\${PIPESTATUS[1]}", 1,
                   "{\"ligne\":1,\"montage\":{\"compteur2\":\"CD4060\",\"etage\":22,\n{\"ligne\":2,\"montage\":{\"compteur2\":\"CD4020\",\"etage\":22,\n{\"arret\":"},
        StatusCase{"long_table", "printf '86400 60\\n30 1\\n' | ./chronalys-calcul --lot - --montage cascade --csv | cut -d';' -f1-6; exit \\${PIPESTATUS[1]}", 1,
                   "ligne;T;T1;compteur2;etage;sorties\n1;86400;60;CD4040;22;6 7 9 10 12\n2;30;1;CD4040;;\n"},
        StatusCase{"long_table_refuses_one_counter_file", "printf '%s\\n' " CHRONALYS_CLI_DATA "/aquarium.cd4060 | ./chronalys-calcul --lot - --montage cascade --csv", 1, "n'a pas de second compteur"},
        StatusCase{"one_counter_table_refuses_long_file", "printf '%s\\n' " CHRONALYS_CLI_DATA "/arrosage.cd4060 | ./chronalys-calcul --lot - --csv", 1, "a un second compteur"},
        StatusCase{"long_kicad", "./chronalys-calcul 86400 60 --montage cascade --feuille k.kicad_sch >/dev/null && head -c 10 k.kicad_sch", 0, "(kicad_sch"},
        StatusCase{"long_sheet_of_a_file", "QT_QPA_PLATFORM=offscreen ./Chronalys_CD4060 --calcul --conception " CHRONALYS_CLI_DATA "/arrosage.cd4060 --feuille f.svg >/dev/null && grep -c 'Arrosage du jardin' f.svg", 0, "1\n"},
        StatusCase{"reader_gone", "yes '10 1' | head -n 300000 | ./chronalys-calcul --lot - | head -c 10 >/dev/null; exit \\${PIPESTATUS[2]}", 0, ""}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
