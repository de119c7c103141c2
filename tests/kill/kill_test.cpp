// A process saving the settings is killed at random moments: the file is always one complete
// content, the old one or the new one, never a mixture and never empty.

#include "settingscontents.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <random>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

constexpr int Kills = 200;
constexpr qint64 TimeLimitMs = 150000;

TEST(KillDuringSave, LeavesOneCompleteFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Chronalys_CD4060.INI"));

    // The two complete files: A on a new file, B over A, and A over B gives A back.
    Commun::Ecrire_INI(contenuA(), path);
    const QByteArray fileA = readBytes(path);
    Commun::Ecrire_INI(contenuB(), path);
    const QByteArray fileB = readBytes(path);
    Commun::Ecrire_INI(contenuA(), path);
    ASSERT_EQ(readBytes(path), fileA);
    ASSERT_NE(fileA, fileB);
    ASSERT_FALSE(fileA.isEmpty());

    const auto seed = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::mt19937 random(seed);
    SCOPED_TRACE("seed " + std::to_string(seed));

    int sawA = 0, sawB = 0, afterReady = 0;
    QElapsedTimer clock;
    clock.start();
    for (int kill = 0; kill < Kills; ++kill) {
        ASSERT_LT(clock.elapsed(), TimeLimitMs) << "only " << kill << " kills in the time allowed";
        QProcess writer;
        writer.start(QStringLiteral(CHRONALYS_SETTINGS_WRITER), {path});
        ASSERT_TRUE(writer.waitForStarted(10000)) << writer.errorString().toStdString();
        // Mostly in the middle of the saves; now and then before the first one.
        if (random() % 8 != 0) {
            ASSERT_TRUE(writer.waitForReadyRead(20000)) << "the writer never got going";
            ++afterReady;
            QThread::usleep(random() % 3000);
        } else {
            QThread::usleep(random() % 20000);
        }
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(10000));

        const QByteArray now = readBytes(path);
        ASSERT_TRUE(now == fileA || now == fileB)
            << "kill " << kill << ": " << now.size() << " bytes, neither complete file (" << fileA.size() << " or "
            << fileB.size() << ")";
        (now == fileA ? sawA : sawB) += 1;
    }
    // Kills landed in both phases, or the test proved nothing.
    EXPECT_GT(sawA, 0);
    EXPECT_GT(sawB, 0);
    EXPECT_GT(afterReady, Kills / 2);
    std::printf("%d kills in %lld ms: %d left the first content, %d the second; %lld temporary files left\n", Kills,
                static_cast<long long>(clock.elapsed()), sawA, sawB,
                static_cast<long long>(QDir(dir.path()).entryList(QDir::Files).size() - 1));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
