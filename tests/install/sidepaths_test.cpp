#include "installfixture.h"

#include "settings/commun.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

enum class Place { Beside, DataFolder, UserFolder };

const QString Ini = QStringLiteral(".INI");
const QString Alarm = QStringLiteral("_Alarme.TXT");
const QString Help = QStringLiteral("_Aide.TXT");

constexpr QFileDevice::Permissions OpenFolder = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                                | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                                | QFileDevice::ExeOther;                 // 0755
constexpr QFileDevice::Permissions ClosedFolder = OpenFolder & ~QFileDevice::WriteOwner; // 0555
constexpr QFileDevice::Permissions WorldWritable =
    OpenFolder | QFileDevice::WriteGroup | QFileDevice::WriteOther; // 0777

struct LayoutCase {
    const char *name;
    const char *executable = "Chronalys_CD4060";
    bool installed = false;  // share/chronalys-cd4060 beside bin/
    QStringList beside = {}; // files beside the executable, by suffix
    QStringList inData = {}; // files in the data folder, by suffix
    QFileDevice::Permissions binMode = OpenFolder;
    bool binOwnedByNobody = false; // another user's folder: its group and other bits count
    bool userSettingsExist = false;
    Place ini = Place::Beside;
    Place alarm = Place::Beside;
    Place help = Place::Beside;
};

void PrintTo(const LayoutCase &c, std::ostream *out)
{
    *out << c.name;
}

// A prefix laid out as the install lays it, the executable only an empty file.
class SideFilePlaces : public testing::TestWithParam<LayoutCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        Commun::reinitialiser();
        m_configHome = std::make_unique<ConfigHome>(configHome());
    }
    void TearDown() override
    {
        QFile::setPermissions(bin(), OpenFolder); // so the temporary folder can go
        m_configHome.reset();
        Commun::reinitialiser();
    }

    QString bin() const { return m_dir.filePath(BinDir); }
    QString data() const { return QDir::cleanPath(m_dir.filePath(DataDir)); }
    QString configHome() const { return m_dir.filePath(QStringLiteral("config")); }

    QString expected(Place place, const QString &suffix) const
    {
        const QString name = QStringLiteral("/Chronalys_CD4060") + suffix;
        switch (place) {
        case Place::Beside:
            return bin() + name;
        case Place::DataFolder:
            return data() + name;
        case Place::UserFolder:
            return configHome() + QStringLiteral("/Chronalys_CD4060") + name;
        }
        return {};
    }

    QTemporaryDir m_dir;
    std::unique_ptr<ConfigHome> m_configHome;
};

TEST_P(SideFilePlaces, BesideFirstThenTheInstalledPlaces)
{
    const LayoutCase &c = GetParam();
    if (c.binOwnedByNobody && ::geteuid() != 0) {
        GTEST_SKIP() << "giving a folder to another user needs root";
    }

    ASSERT_TRUE(QDir().mkpath(bin()));
    ASSERT_TRUE(writeBytes(bin() + QLatin1Char('/') + QString::fromLatin1(c.executable), {}));
    if (c.installed) {
        ASSERT_TRUE(QDir().mkpath(data()));
    }
    for (const QString &suffix : c.beside)
        ASSERT_TRUE(writeBytes(expected(Place::Beside, suffix), "x"));
    for (const QString &suffix : c.inData)
        ASSERT_TRUE(writeBytes(expected(Place::DataFolder, suffix), "x"));
    if (c.userSettingsExist) {
        ASSERT_TRUE(writeBytes(expected(Place::UserFolder, Ini), "[parametres]\n"));
    }
    if (c.binOwnedByNobody) {
        ASSERT_EQ(::chown(QFile::encodeName(bin()).constData(), 65534, 65534), 0);
    }
    ASSERT_TRUE(QFile::setPermissions(bin(), c.binMode));

    const QString base = Commun::Chemin_Fichier_INI(
        bin() + QLatin1Char('/') + QString::fromLatin1(c.executable), {});

    EXPECT_EQ(base, bin() + QStringLiteral("/Chronalys_CD4060"));
    EXPECT_EQ(Commun::Chemin_INI(), expected(c.ini, Ini));
    EXPECT_EQ(Commun::Chemin_Alarme(), expected(c.alarm, Alarm));
    EXPECT_EQ(Commun::Chemin_Aide(), expected(c.help, Help));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, SideFilePlaces,
    testing::Values(
        // A portable copy: everything beside it, found or not.
        LayoutCase{.name = "portable_with_its_files", .beside = {Alarm, Help, Ini}},
        LayoutCase{.name = "portable_without_files"},
        LayoutCase{.name = "portable_ignores_a_user_settings_file", .userSettingsExist = true},
        LayoutCase{
            .name = "portable_read_only_folder", .binMode = ClosedFolder, .ini = Place::UserFolder},
        LayoutCase{.name = "portable_read_only_keeps_existing_settings",
                   .beside = {Ini},
                   .binMode = ClosedFolder},
        LayoutCase{
            .name = "another_users_folder", .binOwnedByNobody = true, .ini = Place::UserFolder},
        LayoutCase{.name = "another_users_folder_open_to_all",
                   .binMode = WorldWritable,
                   .binOwnedByNobody = true},
        // Installed: the data folder next to bin/.
        LayoutCase{.name = "installed",
                   .installed = true,
                   .inData = {Alarm, Help},
                   .ini = Place::UserFolder,
                   .alarm = Place::DataFolder,
                   .help = Place::DataFolder},
        LayoutCase{.name = "installed_read_only_bin",
                   .installed = true,
                   .inData = {Alarm, Help},
                   .binMode = ClosedFolder,
                   .ini = Place::UserFolder,
                   .alarm = Place::DataFolder,
                   .help = Place::DataFolder},
        LayoutCase{.name = "installed_files_beside_win",
                   .installed = true,
                   .beside = {Alarm, Help, Ini},
                   .inData = {Alarm, Help}},
        LayoutCase{.name = "installed_one_file_beside",
                   .installed = true,
                   .beside = {Help},
                   .inData = {Alarm, Help},
                   .ini = Place::UserFolder,
                   .alarm = Place::DataFolder},
        LayoutCase{.name = "installed_help_missing_names_first_place",
                   .installed = true,
                   .inData = {Alarm},
                   .ini = Place::UserFolder,
                   .alarm = Place::DataFolder},
        LayoutCase{
            .name = "installed_empty_data_folder", .installed = true, .ini = Place::UserFolder},
        LayoutCase{.name = "revision_tagged_copy_shares_the_data",
                   .executable = "Chronalys_CD4060_(Rev_2)",
                   .installed = true,
                   .inData = {Alarm, Help},
                   .ini = Place::UserFolder,
                   .alarm = Place::DataFolder,
                   .help = Place::DataFolder}),
    [](const testing::TestParamInfo<LayoutCase> &info) { return std::string(info.param.name); });

// A first run of an installed program: its user folder does not exist yet.
TEST_F(SideFilePlaces, InstalledProgramCreatesItsUserFolderOnSave)
{
    ASSERT_TRUE(writeBytes(bin() + QLatin1Char('/') + Executable, {}));
    ASSERT_TRUE(QDir().mkpath(data()));
    Commun::Chemin_Fichier_INI(bin() + QLatin1Char('/') + Executable, {});
    ASSERT_FALSE(QFileInfo::exists(configHome()));

    Commun::Ecrire_INI(QStringLiteral("parametres"), QStringLiteral("Valeur_T"),
                       QStringLiteral("60"));

    EXPECT_EQ(readBytes(expected(Place::UserFolder, Ini)),
              QByteArray("[parametres]\r\nValeur_T=60\r\n"));
    EXPECT_EQ(Commun::Lire_INI(QStringLiteral("parametres"), QStringLiteral("Valeur_T"),
                               QStringLiteral("18000")),
              QStringLiteral("60"));
    EXPECT_EQ(QDir(bin()).entryList(QDir::Files), QStringList{Executable});
    EXPECT_TRUE(QDir(data()).isEmpty());
}

// Only the settings file gets a folder made for it: any other file named by a caller is written
// where it is or not at all.
TEST_F(SideFilePlaces, OtherFilesGetNoFolderMade)
{
    ASSERT_TRUE(writeBytes(bin() + QLatin1Char('/') + Executable, {}));
    ASSERT_TRUE(QDir().mkpath(data()));
    Commun::Chemin_Fichier_INI(bin() + QLatin1Char('/') + Executable, {});
    const QString elsewhere = m_dir.filePath(QStringLiteral("absent/autre.INI"));

    Commun::Ecrire_INI(QStringLiteral("parametres"), QStringLiteral("Valeur_T"),
                       QStringLiteral("60"), elsewhere);

    EXPECT_FALSE(QFileInfo::exists(QFileInfo(elsewhere).path()));
}

} // namespace
