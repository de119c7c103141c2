#include "settingsfixture.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

struct PathCase {
    const char *name;
    const char *executable;
    QString commandLine;
    const char *nomBase;
    const char *basePath;
    int modeDiagnostic;
};

class SidePaths : public SettingsFixture<PathCase> {};

TEST_P(SidePaths, FollowTheExecutableAndTheCommandLine)
{
    const PathCase &c = GetParam();
    const QString base = QDir::toNativeSeparators(text(c.basePath));
    EXPECT_EQ(Commun::Chemin_Fichier_INI(QDir::toNativeSeparators(text(c.executable)), c.commandLine), base);
    EXPECT_EQ(Commun::Nom_Base(), text(c.nomBase));
    // Which folder holds the settings depends on the folder's state: tests/install.
    EXPECT_EQ(QFileInfo(Commun::Chemin_INI()).fileName(), text(c.nomBase) + QStringLiteral(".INI"));
    EXPECT_EQ(Commun::Chemin_Aide(), base + QStringLiteral("_Aide.TXT"));
    EXPECT_EQ(Commun::Chemin_Alarme(), base + QStringLiteral("_Alarme.TXT"));
    EXPECT_EQ(Commun::Mode_Diagnostic(), c.modeDiagnostic);
    EXPECT_EQ(Commun::Saut_Ligne(), QStringLiteral("\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Names, SidePaths,
    testing::Values(
        PathCase{"revision_tag_with_dot", "/srv/Montages/Outil_(Rev_1.04)", {}, "Outil", "/srv/Montages/Outil", 0},
        PathCase{"windows_suffix", "/srv/Outil_(Rev_2).EXE", {}, "Outil", "/srv/Outil", 0},
        PathCase{"tag_inside_name", "/srv/Ab_(xy)Cd", {}, "AbCd", "/srv/AbCd", 0},
        PathCase{"tag_not_closed", "/srv/Outil_(Rev", {}, "Outil_(Rev", "/srv/Outil_(Rev", 0},
        PathCase{"close_before_open", "/srv/X)Y_(Z)", {}, "X)Y_(Z)", "/srv/X)Y_(Z)", 0},
        PathCase{"root_folder_one_separator", "/Outil", {}, "Outil", "/Outil", 0},
        PathCase{"slash_debug", "/srv/Outil", QStringLiteral("/debug"), "Outil", "/srv/Outil", 4},
        PathCase{"word_alone_any_case", "/srv/Outil", QStringLiteral("bUg"), "Outil", "/srv/Outil", 1},
        PathCase{"letters_apart", "/srv/Outil", QStringLiteral("b u g"), "Outil", "/srv/Outil", 0},
        PathCase{"sharp_s_is_one_letter", "/srv/Outil", QStringLiteral("ß BUG bug"), "Outil", "/srv/Outil", 3},
        PathCase{"far_position_clamped", "/srv/Outil", QString(40000, QLatin1Char('x')) + QStringLiteral("bug"), "Outil",
                 "/srv/Outil", 32767}),
    rowName<PathCase>);

TEST(SidePathsOfThisProgram, BesideTheRunningExecutable)
{
    Commun::reinitialiser();
    const QFileInfo self(QCoreApplication::applicationFilePath());
    EXPECT_EQ(Commun::Chemin_Fichier_INI(), QDir::toNativeSeparators(self.absoluteFilePath()));
    EXPECT_EQ(Commun::Nom_Base(), self.fileName());
    Commun::reinitialiser();
}

} // namespace
