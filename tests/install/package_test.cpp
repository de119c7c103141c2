#include "installfixture.h"

#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// One `cpack -G DEB` of this build into a temporary folder: the package a user would install.
class DebianPackage : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_output = std::make_unique<QTemporaryDir>();
        const Ran ran = run(
            QStringLiteral(CHRONALYS_CPACK),
            {QStringLiteral("--config"), QStringLiteral(CHRONALYS_BUILD_DIR "/CPackConfig.cmake"),
             QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), s_output->path()});
        s_log = ran.output;
        const QStringList packages =
            QDir(s_output->path()).entryList({QStringLiteral("*.deb")}, QDir::Files);
        if (ran.exitCode == 0 && packages.size() == 1)
            s_package = s_output->filePath(packages.first());
    }
    static void TearDownTestSuite() { s_output.reset(); }

    void SetUp() override { ASSERT_FALSE(s_package.isEmpty()) << s_log.toStdString(); }

    static QString field(const char *name)
    {
        return QString::fromUtf8(
                   run(QStringLiteral("dpkg-deb"),
                       {QStringLiteral("--field"), s_package, QString::fromLatin1(name)})
                       .standardOutput)
            .trimmed();
    }

    inline static std::unique_ptr<QTemporaryDir> s_output;
    inline static QString s_package;
    inline static QByteArray s_log;
};

TEST_F(DebianPackage, NamedForAptGetInstall)
{
    EXPECT_EQ(field("Package"), QStringLiteral("chronalys-cd4060"));
    EXPECT_EQ(field("Version"), QStringLiteral(CHRONALYS_VERSION));
    EXPECT_EQ(QFileInfo(s_package).fileName(),
              QStringLiteral("chronalys-cd4060_%1_%2.deb")
                  .arg(QStringLiteral(CHRONALYS_VERSION), field("Architecture")));
}

// The libraries the executable links, found by dpkg-shlibdeps, and the packages of the plugins
// Qt loads at run time: the X11 platform (libqt6gui6) and the SVG icon engine (libqt6svg6).
TEST_F(DebianPackage, DeclaresTheQtRuntime)
{
    QStringList declared;
    for (const QString &dependency : field("Depends").split(QLatin1Char(','), Qt::SkipEmptyParts))
        declared << dependency.trimmed().section(QLatin1Char(' '), 0, 0);
    for (const char *needed : {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6svg6",
                               "libstdc++6", "libc6", "fonts-liberation2", "qt6-translations-l10n"})
        EXPECT_TRUE(declared.contains(QString::fromLatin1(needed)))
            << needed << " missing from " << field("Depends").toStdString();
    EXPECT_EQ(declared.removeDuplicates(), 0) << field("Depends").toStdString();
}

// Debian's own checker, as strict as it goes: no error, no warning. Where it is not installed
// (it comes with scripts/install-deps.sh --tests) the check is skipped, not passed.
TEST_F(DebianPackage, LintianFindsNoErrorOrWarning)
{
    const QString lintian = QStandardPaths::findExecutable(QStringLiteral("lintian"));
    if (lintian.isEmpty())
        GTEST_SKIP() << "lintian is not installed";
    const Ran ran = run(lintian, {QStringLiteral("--pedantic"), s_package});
    QStringList faults;
    for (const QByteArray &line : ran.standardOutput.split('\n'))
        if (line.startsWith("E:") || line.startsWith("W:"))
            faults << QString::fromUtf8(line);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    // Its status is 2 when it could not check the package at all.
    EXPECT_LT(ran.exitCode, 2) << ran.output.toStdString();
}

TEST_F(DebianPackage, HoldsTheInstalledFilesUnderUsr)
{
    const Ran listing = run(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), s_package});
    ASSERT_EQ(listing.exitCode, 0) << listing.output.toStdString();
    QStringList files;
    for (const QByteArray &line : listing.standardOutput.split('\n'))
        if (line.startsWith('-')) // regular files only
            files << QString::fromUtf8(line.mid(line.indexOf("./") + 2));
    files.sort();
    QStringList expected;
    for (const QString &file : expectedInstalledFiles())
        expected << QStringLiteral("usr/") + file;
    expected.sort();
    EXPECT_EQ(files, expected);
}

} // namespace
