#include "report/conception.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

const QByteArray Aquarium = R"({
  "format": "chronalys-cd4060",
  "version": 1,
  "nom": "Éclairage de l'aquarium",
  "T": "3600",
  "T1": "2",
  "serie": "E12",
  "K4060": "2.8e2",
  "tolerances": {"R": 5, "C": 2.5, "K": 10, "ajustable": 20},
  "composants": {"C2": "390", "talon": "200", "potentiometre": "0,5", "sorties": [9, 4]},
  "note": "Relais sur la sortie, alimentation 12 V",
  "plus_tard": {"a": [1, 2]}
})";

// A day timer of two counters: S = 20 on a CD4040, stages of both counters marked.
const QByteArray Day = QByteArray(Aquarium)
                           .replace("\"version\": 1", "\"version\": 2")
                           .replace("\"composants\"", "\"montage\": {\"type\": \"cascade\", \"compteur2\": \"CD4040\", "
                                                      "\"etage\": 20},\n  \"composants\"")
                           .replace("[9, 4]", "[19, 4, 15]");

QByteArray with(const char *from, const char *to, const QByteArray &base = Aquarium)
{
    QByteArray bytes = base;
    return bytes.replace(from, to);
}

QByteArray day(const char *from, const char *to) { return with(from, to, Day); }

struct FileCase {
    const char *name;
    QByteArray bytes;
    const char *error; // in the message; nullptr: read
    std::optional<calc::Cascade> montage = std::nullopt; // read from a file that is read
};

class ConceptionFiles : public testing::TestWithParam<FileCase> {};

// Read, written and read again: the same design, unknown keys kept; or refused whole with one
// message that names the file.
TEST_P(ConceptionFiles, ReadWrittenAndReadAgainOrRefused)
{
    const FileCase &c = GetParam();
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("conception.cd4060"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.bytes) == c.bytes.size());
    file.close();
    const report::ConceptionRead read = report::readConception(path);
    if (c.error) {
        EXPECT_FALSE(read.conception);
        EXPECT_TRUE(read.error.contains(path)) << read.error.toStdString();
        EXPECT_TRUE(read.error.contains(QString::fromUtf8(c.error))) << read.error.toStdString();
        return;
    }
    ASSERT_TRUE(read.conception) << read.error.toStdString();
    EXPECT_EQ(read.conception->montage, c.montage);
    const QString again = dir.filePath(QStringLiteral("encore.cd4060"));
    ASSERT_EQ(report::writeConception(*read.conception, again), QString());
    // Older programs still open what the main window saves.
    QFile written(again);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains(c.montage ? "\"version\": 2" : "\"version\": 1"));
    const report::ConceptionRead reread = report::readConception(again);
    ASSERT_TRUE(reread.conception) << reread.error.toStdString();
    EXPECT_EQ(*reread.conception, *read.conception);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConceptionFiles,
    testing::Values(
        FileCase{"whole", Aquarium, nullptr},
        FileCase{"before_any_conversion", with(R"("composants": {"C2": "390", "talon": "200", "potentiometre": "0,5", "sorties": [9, 4]},)", ""), nullptr},
        FileCase{"not_json", "{\"format\": ", "JSON"},
        FileCase{"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), "JSON"},
        FileCase{"other_format", with("chronalys-cd4060", "autre"), "format"},
        FileCase{"newer_version", with("\"version\": 1", "\"version\": 3"), "plus récente"},
        FileCase{"day_of_two_counters", Day, nullptr, calc::Cascade{calc::SecondCounter::CD4040, 20}},
        FileCase{"last_stage_of_a_cd4020", day("\"CD4040\", \"etage\": 20", "\"CD4020\", \"etage\": 28"), nullptr,
                 calc::Cascade{calc::SecondCounter::CD4020, 28}},
        FileCase{"version_2_of_one_counter", with("\"version\": 1", "\"version\": 2"), nullptr},
        FileCase{"montage_unknown_to_version_1", day("\"version\": 2", "\"version\": 1"), "sorties de 1 à 13"},
        FileCase{"montage_of_another_type", day("\"cascade\"", "\"parallele\""), "« montage »"},
        FileCase{"montage_not_an_object", day("{\"type\": \"cascade\", \"compteur2\": \"CD4040\", \"etage\": 20}", "\"cascade\""), "« montage »"},
        FileCase{"unknown_second_counter", day("CD4040", "CD4017"), "« compteur2 »"},
        FileCase{"stage_of_the_first_counter", day("\"etage\": 20", "\"etage\": 14"), "« etage »"},
        FileCase{"stage_beyond_a_cd4040", day("\"etage\": 20", "\"etage\": 27"), "de 15 à 26"},
        FileCase{"stage_not_whole", day("\"etage\": 20", "\"etage\": 20.5"), "« etage »"},
        FileCase{"output_at_the_top_stage", day("[19, 4, 15]", "[20, 4]"), "étages de 1 à 19"},
        FileCase{"output_below_stage_1", day("[19, 4, 15]", "[0, 4]"), "étages de 1 à 19"},
        FileCase{"missing_key", with("\"T1\": \"2\",", ""), "« T1 »"},
        FileCase{"number_for_text", with("\"T\": \"3600\"", "\"T\": 3600"), "« T »"},
        FileCase{"refused_by_the_key_filter", with("\"talon\": \"200\"", "\"talon\": \"2e2\""), "« talon »"},
        FileCase{"two_separators", with("\"T\": \"3600\"", "\"T\": \"3.6,0\""), "« T »"},
        FileCase{"huge_tolerance", with("\"C\": 2.5", "\"C\": 1e308"), "« C »"},
        FileCase{"output_without_pin_number", with("[9, 4]", "[9, 14]"), "sorties"},
        FileCase{"output_not_whole", with("[9, 4]", "[9, 4.5]"), "sorties"},
        FileCase{"huge_number_text", with("\"T\": \"3600\"", ("\"T\": \"" + std::string(400, '9') + "\"").c_str()), "« T »"},
        FileCase{"bad_series", with("E12", "E6"), "serie"},
        FileCase{"negative_constant", with("2.8e2", "-280"), "K4060"},
        FileCase{"file_of_100_mb", QByteArray(100 << 20, ' '), "trop gros"}),
    [](const auto &info) { return std::string(info.param.name); });

// What the disk refuses: a message naming the file, the old file as it was.
TEST(ConceptionSave, FullDiskOrMissingFolderKeepsTheOldFile)
{
    const QTemporaryDir dir;
    EXPECT_TRUE(report::readConception(dir.path()).error.contains(QStringLiteral("dossier")));
    EXPECT_FALSE(report::writeConception({}, dir.filePath(QStringLiteral("absent/x.cd4060"))).isEmpty());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("plein")));
    const QString full = dir.filePath(QStringLiteral("plein"));
    if (std::system(("mount -t tmpfs -o size=4k tmpfs '" + full.toStdString() + "' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "no tmpfs mount here (needs root)";
    const QString path = full + QStringLiteral("/x.cd4060");
    report::Conception small;
    ASSERT_EQ(report::writeConception(small, path), QString());
    report::Conception large;
    large.note = QString(20000, QLatin1Char('x'));
    const QString failure = report::writeConception(large, path);
    EXPECT_TRUE(failure.contains(path)) << failure.toStdString();
    const report::ConceptionRead kept = report::readConception(path);
    EXPECT_TRUE(kept.conception && *kept.conception == small) << kept.error.toStdString();
    EXPECT_EQ(std::system(("umount '" + full.toStdString() + "'").c_str()), 0);
}

} // namespace
