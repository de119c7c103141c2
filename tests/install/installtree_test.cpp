#include "installfixture.h"

#include "ui/chronalys_cd4060.h"
#include "settings/commun.h"
#include "settings/language.h"

#include <QAction>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cctype>
#include <memory>

namespace {

// One `cmake --install` of this build into a temporary prefix per test program.
class InstalledTree : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_prefix = std::make_unique<QTemporaryDir>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DESTDIR"));
        const Ran ran = run(QStringLiteral(CHRONALYS_CMAKE),
                            {QStringLiteral("--install"), QStringLiteral(CHRONALYS_BUILD_DIR),
                             QStringLiteral("--prefix"), s_prefix->path()},
                            environment);
        s_installed = s_prefix->isValid() && ran.exitCode == 0;
        s_installLog = ran.output;
    }
    static void TearDownTestSuite() { s_prefix.reset(); }

    void SetUp() override { ASSERT_TRUE(s_installed) << s_installLog.toStdString(); }

public:
    static QString installed(const QString &relative) { return s_prefix->filePath(relative); }
    static QString installedExecutable()
    {
        return installed(BinDir + QLatin1Char('/') + Executable);
    }
    static QString launcher()
    {
        return installed(DataRootDir + QStringLiteral("/applications/") + AppId
                         + QStringLiteral(".desktop"));
    }
    static QString metainfo()
    {
        return installed(DataRootDir + QStringLiteral("/metainfo/") + AppId
                         + QStringLiteral(".metainfo.xml"));
    }
    static QString icon(const QString &size, const QString &extension)
    {
        return installed(DataRootDir + QStringLiteral("/icons/hicolor/") + size
                         + QStringLiteral("/apps/") + AppId + extension);
    }

protected:
    inline static std::unique_ptr<QTemporaryDir> s_prefix;
    inline static bool s_installed = false;
    inline static QByteArray s_installLog;
};

TEST_F(InstalledTree, EveryFileLandsAndNothingElse)
{
    QStringList found;
    QDirIterator it(s_prefix->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(s_prefix->path()).relativeFilePath(it.next());
    found.sort();
    QStringList expected = expectedInstalledFiles();
    expected.sort();
    EXPECT_EQ(found, expected);
}

struct CopiedFile {
    const char *name;
    QString installedPath; // relative to the prefix
    QString source;        // relative to the source tree
};

void PrintTo(const CopiedFile &c, std::ostream *out)
{
    *out << c.name;
}

class InstalledCopies : public InstalledTree, public testing::WithParamInterface<CopiedFile> {};

TEST_P(InstalledCopies, AreTheShippedFiles)
{
    const CopiedFile &c = GetParam();
    const QByteArray shipped = readBytes(sourceFile(c.source));
    ASSERT_FALSE(shipped.isEmpty()) << c.source.toStdString();
    EXPECT_EQ(readBytes(installed(c.installedPath)), shipped);
}

INSTANTIATE_TEST_SUITE_P(
    Files, InstalledCopies,
    testing::Values(CopiedFile{"alarm_messages",
                               DataDir + QStringLiteral("/Chronalys_CD4060_Alarme.TXT"),
                               QStringLiteral("data/Chronalys_CD4060_Alarme.TXT")},
                    CopiedFile{"help_text", DataDir + QStringLiteral("/Chronalys_CD4060_Aide.TXT"),
                               QStringLiteral("data/Chronalys_CD4060_Aide.TXT")},
                    CopiedFile{"alarm_messages_en",
                               DataDir + QStringLiteral("/Chronalys_CD4060_Alarme_en.TXT"),
                               QStringLiteral("data/Chronalys_CD4060_Alarme_en.TXT")},
                    CopiedFile{"help_text_en",
                               DataDir + QStringLiteral("/Chronalys_CD4060_Aide_en.TXT"),
                               QStringLiteral("data/Chronalys_CD4060_Aide_en.TXT")},
                    CopiedFile{"copyright",
                               DataRootDir + QStringLiteral("/doc/chronalys-cd4060/copyright"),
                               QStringLiteral("dist/copyright")},
                    CopiedFile{"scalable_icon",
                               DataRootDir + QStringLiteral("/icons/hicolor/scalable/apps/") + AppId
                                   + QStringLiteral(".svg"),
                               QStringLiteral("ui/pictures/icone.svg")}),
    [](const testing::TestParamInfo<CopiedFile> &info) { return std::string(info.param.name); });

// An English file and the French one it translates: what their readers rely on is the same.
struct TranslatedFile {
    const char *name;
    QString english; // relative to the source tree
    QString french;
    QStringList (*shape)(const QByteArray &);
};

void PrintTo(const TranslatedFile &t, std::ostream *out)
{
    *out << t.name;
}

// Per line: the alarm number or the indent the line opens with, its "&&" breaks, its line end.
QStringList lineShape(const QByteArray &bytes)
{
    QStringList shape;
    for (const QByteArray &line : bytes.split('\n')) {
        qsizetype lead = 0;
        while (lead < line.size() && (line[lead] == ' ' || std::isdigit(uchar(line[lead]))))
            ++lead;
        shape << QStringLiteral("%1|%2|%3").arg(QString::fromLatin1(line.left(lead)))
                     .arg(line.count("&&")).arg(line.endsWith('\r'));
    }
    return shape;
}

// Every option a manual page names, once.
QStringList optionsNamed(const QByteArray &page)
{
    QStringList options;
    static const QRegularExpression option(QStringLiteral(R"(\\-\\-[a-z]+(\\-[a-z]+)*)"));
    for (QRegularExpressionMatchIterator it = option.globalMatch(QString::fromUtf8(page)); it.hasNext();)
        options << it.next().captured();
    options.removeDuplicates();
    options.sort();
    return options;
}

class Translations : public testing::TestWithParam<TranslatedFile> {};

TEST_P(Translations, KeepTheFrenchFilesShape)
{
    const TranslatedFile &t = GetParam();
    const QByteArray english = readBytes(sourceFile(t.english));
    const QByteArray french = readBytes(sourceFile(t.french));
    ASSERT_FALSE(english.isEmpty() || french.isEmpty());
    EXPECT_TRUE(english.isValidUtf8());
    EXPECT_EQ(t.shape(english), t.shape(french));
}

INSTANTIATE_TEST_SUITE_P(
    English, Translations,
    testing::Values(
        TranslatedFile{"alarm_messages", QStringLiteral("data/Chronalys_CD4060_Alarme_en.TXT"),
                       QStringLiteral("data/Chronalys_CD4060_Alarme.TXT"), &lineShape},
        TranslatedFile{"help_text", QStringLiteral("data/Chronalys_CD4060_Aide_en.TXT"),
                       QStringLiteral("data/Chronalys_CD4060_Aide.TXT"), &lineShape},
        TranslatedFile{"manual_page", QStringLiteral("dist/man/Chronalys_CD4060.1.in"),
                       QStringLiteral("dist/man/fr/Chronalys_CD4060.1.in"), &optionsNamed},
        TranslatedFile{"calcul_manual_page", QStringLiteral("dist/man/chronalys-calcul.1.in"),
                       QStringLiteral("dist/man/fr/chronalys-calcul.1.in"), &optionsNamed}),
    [](const testing::TestParamInfo<TranslatedFile> &info) { return std::string(info.param.name); });

// The bitmaps are the scalable icon drawn at their size, not a drawing of their own.
class InstalledBitmapIcons : public InstalledTree, public testing::WithParamInterface<int> {};

TEST_P(InstalledBitmapIcons, AreTheScalableIconAtTheirSize)
{
    const int size = GetParam();
    const QImage bitmap(icon(QStringLiteral("%1x%1").arg(size), QStringLiteral(".png")));
    ASSERT_FALSE(bitmap.isNull());
    ASSERT_EQ(bitmap.size(), QSize(size, size));

    QSvgRenderer renderer(icon(QStringLiteral("scalable"), QStringLiteral(".svg")));
    ASSERT_TRUE(renderer.isValid());
    QImage drawn(size, size, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();

    const QImage actual = bitmap.convertToFormat(QImage::Format_ARGB32);
    int worst = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb a = actual.pixel(x, y), b = drawn.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
        }
    EXPECT_LE(worst, 2);
    EXPECT_EQ(qAlpha(actual.pixel(0, 0)), 0) << "the rounded corner stays see-through";
}

INSTANTIATE_TEST_SUITE_P(Sizes, InstalledBitmapIcons, testing::Values(48, 256),
                         [](const testing::TestParamInfo<int> &info) {
                             return std::to_string(info.param);
                         });

// The freedesktop validators, as a software centre or a distribution runs them.
struct Validator {
    const char *name;
    const char *program;
    QStringList arguments; // the installed file follows
    QString (*file)();
};

void PrintTo(const Validator &v, std::ostream *out)
{
    *out << v.name;
}

class InstalledMetadata : public InstalledTree, public testing::WithParamInterface<Validator> {};

TEST_P(InstalledMetadata, PassesItsValidator)
{
    const Validator &v = GetParam();
    const Ran ran = run(QString::fromLatin1(v.program), v.arguments + QStringList{v.file()});
    EXPECT_EQ(ran.exitCode, 0) << ran.output.toStdString();
    EXPECT_FALSE(ran.output.contains("warning")) << ran.output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Validators, InstalledMetadata,
    testing::Values(
        Validator{"desktop_file_validate", "desktop-file-validate", {}, &InstalledTree::launcher},
        Validator{
            "appstreamcli",
            "appstreamcli",
            {QStringLiteral("validate"), QStringLiteral("--no-net"), QStringLiteral("--strict")},
            &InstalledTree::metainfo}),
    [](const testing::TestParamInfo<Validator> &info) { return std::string(info.param.name); });

QMap<QString, QString> desktopEntry(const QString &path)
{
    QMap<QString, QString> keys;
    for (const QByteArray &line : readBytes(path).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && !line.startsWith('#'))
            keys.insert(QString::fromUtf8(line.left(equals)),
                        QString::fromUtf8(line.mid(equals + 1)));
    }
    return keys;
}

TEST_F(InstalledTree, LauncherStartsTheInstalledExecutableWithItsIcon)
{
    const QMap<QString, QString> entry = desktopEntry(launcher());
    EXPECT_EQ(entry.value(QStringLiteral("Exec")), QFileInfo(installedExecutable()).fileName() + QStringLiteral(" %f"));
    // Design files open with it: the type it declares is the one the installed package defines.
    EXPECT_EQ(entry.value(QStringLiteral("MimeType")), QStringLiteral("application/x-chronalys-cd4060;"));
    const QByteArray mime = readBytes(installed(DataRootDir + QStringLiteral("/mime/packages/") + AppId + QStringLiteral(".xml")));
    for (const QByteArray &part : {QByteArray("type=\"application/x-chronalys-cd4060\""), QByteArray("pattern=\"*.cd4060\""),
                                   "<icon name=\"" + AppId.toUtf8() + "\"/>"})
        EXPECT_TRUE(mime.contains(part)) << part.toStdString();
    EXPECT_EQ(entry.value(QStringLiteral("Icon")), AppId);
    EXPECT_TRUE(QFileInfo::exists(icon(QStringLiteral("scalable"), QStringLiteral(".svg"))));
    const QStringList categories =
        entry.value(QStringLiteral("Categories")).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    EXPECT_EQ(categories,
              (QStringList{QStringLiteral("Education"), QStringLiteral("Electronics")}));
    EXPECT_FALSE(entry.value(QStringLiteral("Name")).isEmpty());
    EXPECT_FALSE(entry.value(QStringLiteral("Comment")).isEmpty());
}

TEST_F(InstalledTree, MetainfoNamesTheLauncherAndAScreenshot)
{
    QXmlStreamReader xml(readBytes(metainfo()));
    QString id, launchable, image;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("id"))
            id = xml.readElementText();
        else if (xml.name() == QLatin1String("launchable"))
            launchable = xml.readElementText();
        else if (xml.name() == QLatin1String("image"))
            image = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(id, AppId);
    EXPECT_EQ(launchable, QFileInfo(launcher()).fileName());
    EXPECT_TRUE(image.startsWith(QLatin1String("https://"))
                && image.endsWith(QLatin1String(".png")))
        << image.toStdString();
}

// The installed program as it starts: side files from the data folder, settings in the user's
// configuration folder, whether bin/ may be written or not.
class InstalledProgram : public InstalledTree, public testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        InstalledTree::SetUp();
        ASSERT_TRUE(m_config.isValid());
        m_configHome = std::make_unique<ConfigHome>(m_config.path());
        if (GetParam()) {
            ASSERT_TRUE(QFile::setPermissions(
                installed(BinDir), QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                       | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                       | QFileDevice::ReadOther | QFileDevice::ExeOther));
        }
        Commun::reinitialiser();
    }
    void TearDown() override
    {
        m_window.reset();
        QFile::setPermissions(installed(BinDir), QFileInfo(installed(DataRootDir)).permissions());
        m_configHome.reset();
        Commun::reinitialiser();
    }

    QTemporaryDir m_config;
    std::unique_ptr<ConfigHome> m_configHome;
    std::unique_ptr<Chronalys_CD4060> m_window;
};

TEST_P(InstalledProgram, FindsItsFilesThroughTheModule)
{
    Commun::Chemin_Fichier_INI(installedExecutable(), {});
    EXPECT_EQ(Commun::Chemin_Alarme(),
              installed(DataDir + QStringLiteral("/Chronalys_CD4060_Alarme.TXT")));
    EXPECT_EQ(Commun::Chemin_Aide(),
              installed(DataDir + QStringLiteral("/Chronalys_CD4060_Aide.TXT")));
    EXPECT_EQ(Commun::Chemin_INI(), userSettings(m_config.path()));
    // In English, the translations the install put beside them.
    Commun::installerLangue(Commun::Langue::Anglais);
    const QStringList english = {Commun::Chemin_Alarme(), Commun::Chemin_Aide()};
    Commun::installerLangue(Commun::Langue::Francais);
    EXPECT_EQ(english, (QStringList{installed(DataDir + QStringLiteral("/Chronalys_CD4060_Alarme_en.TXT")),
                                    installed(DataDir + QStringLiteral("/Chronalys_CD4060_Aide_en.TXT"))}));
}

TEST_P(InstalledProgram, WindowShowsTheInstalledMessagesAndQuitterSavesInTheUserFolder)
{
    const QList<QByteArray> lines =
        readBytes(installed(DataDir + QStringLiteral("/Chronalys_CD4060_Alarme.TXT"))).split('\n');
    ASSERT_GT(lines.size(), 6);
    // Message 6 as the alarm display shows it: its label blanked, up to its line break.
    const QString message6 = QString::fromUtf8(lines[6]);
    const QString shown =
        QStringLiteral("   ") + message6.mid(3, message6.indexOf(QStringLiteral("&&")) - 3);

    m_window = std::make_unique<Chronalys_CD4060>(LaunchOptions{installedExecutable(), {}, '.'});
    m_window->show(); // a window never shown has no place to save
    int endings = 0;
    m_window->setEndProgram([&endings] { ++endings; });
    for (const QString &slot : m_window->Lignes_Alarme())
        EXPECT_FALSE(slot.contains(QStringLiteral("n'est pas disponible"))) << slot.toStdString();
    EXPECT_TRUE(m_window->Lignes_Alarme()[6].startsWith(shown))
        << m_window->Lignes_Alarme()[6].toStdString();

    QAction *quitter = m_window->findChild<QAction *>(QStringLiteral("QQ(1)"));
    ASSERT_NE(quitter, nullptr);
    quitter->trigger();
    EXPECT_EQ(endings, 1);
    const QByteArray saved = readBytes(userSettings(m_config.path()));
    EXPECT_TRUE(saved.startsWith("[parametres]\r\nE12E24=")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("[Position_0]")) << saved.toStdString();
    QStringList inBin = QDir(installed(BinDir)).entryList(QDir::Files);
    inBin.sort();
    EXPECT_EQ(inBin, (QStringList{Executable, QStringLiteral("chronalys-calcul")}));
}

// The installed executable itself: its calculation takes the constant from the settings file,
// so a file in the user folder changes its output exactly as the option would.
TEST_P(InstalledProgram, ExecutableReadsTheUserFolderSettings)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
    const QStringList calculation = {QStringLiteral("--calcul"), QStringLiteral("10"),
                                     QStringLiteral("1"), QStringLiteral("--json")};

    const Ran byDefault = run(installedExecutable(), calculation, environment);
    const Ran byOption = run(
        installedExecutable(),
        calculation + QStringList{QStringLiteral("--k4060"), QStringLiteral("300")}, environment);
    ASSERT_TRUE(writeBytes(userSettings(m_config.path()), "[parametres]\r\nK4060=300\r\n"));
    const Ran bySettings = run(installedExecutable(), calculation, environment);

    ASSERT_EQ(byDefault.exitCode, 0) << byDefault.output.toStdString();
    ASSERT_EQ(bySettings.exitCode, 0) << bySettings.output.toStdString();
    EXPECT_EQ(bySettings.standardOutput, byOption.standardOutput);
    EXPECT_NE(bySettings.standardOutput, byDefault.standardOutput);
    // The command-line program beside it reads the same file.
    const Ran calcul = run(installed(BinDir) + QStringLiteral("/chronalys-calcul"), calculation, environment);
    EXPECT_EQ(calcul.standardOutput, bySettings.standardOutput) << calcul.output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Bin, InstalledProgram, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool> &info) {
                             return std::string(info.param ? "read_only" : "writable");
                         });

} // namespace
