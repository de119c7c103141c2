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

QByteArray with(const char *from, const char *to)
{
    QByteArray bytes = Aquarium;
    return bytes.replace(from, to);
}

struct FileCase {
    const char *name;
    QByteArray bytes;
    const char *error; // in the message; nullptr: read
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
    const QString again = dir.filePath(QStringLiteral("encore.cd4060"));
    ASSERT_EQ(report::writeConception(*read.conception, again), QString());
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
        FileCase{"newer_version", with("\"version\": 1", "\"version\": 2"), "plus récente"},
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
