#include "settings/language.h"
#include "settingsfixture.h"

#include <QCoreApplication>

namespace {

using Commun::Langue;
constexpr Langue Fr = Langue::Francais;
constexpr Langue En = Langue::Anglais;

struct ChoiceCase {
    const char *name;
    Commun::EnvironnementLangue environment; // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
    std::optional<QByteArray> settings;      // the settings file, or none
    QStringList arguments;
    Langue expected;
    bool optionError = false;
};

class LanguageChoice : public SettingsFixture<ChoiceCase> {};

TEST_P(LanguageChoice, OptionThenSettingsThenSystem)
{
    const ChoiceCase &c = GetParam();
    const Commun::OptionLangue option = Commun::optionLangue(c.arguments);
    EXPECT_EQ(option.erreur, c.optionError);
    const Langue chosen = Commun::langueAuDemarrage(option, Commun::Lire_Langue(settingsFile(c.settings)), c.environment);
    EXPECT_EQ(chosen, c.expected);
}

QString s(const char *text) { return QString::fromUtf8(text); }
QByteArray langue(const char *value) { return "[parametres]\r\nLangue=" + QByteArray(value) + "\r\n"; }
Commun::EnvironnementLangue lang(const char *value) { return {{}, {}, {}, s(value)}; }
const QStringList NoOption;
QStringList option(const char *value) { return {s("--calcul"), s("--langue"), s(value), s("1"), s("2")}; }

INSTANTIATE_TEST_SUITE_P(
    EnvironmentSettingsOption, LanguageChoice,
    testing::Values(
        ChoiceCase{"nothing_set", {}, std::nullopt, NoOption, Fr},
        ChoiceCase{"lang_french", lang("fr_FR.UTF-8"), std::nullopt, NoOption, Fr},
        ChoiceCase{"lang_canadian_french", lang("fr_CA"), std::nullopt, NoOption, Fr},
        ChoiceCase{"lang_english", lang("en_GB.UTF-8"), std::nullopt, NoOption, En},
        ChoiceCase{"lang_german", lang("de_DE.UTF-8"), std::nullopt, NoOption, En},
        ChoiceCase{"lang_c_utf8", lang("C.UTF-8"), std::nullopt, NoOption, Fr},
        ChoiceCase{"lang_posix", lang("POSIX"), std::nullopt, NoOption, Fr},
        ChoiceCase{"lang_empty", lang(""), std::nullopt, NoOption, Fr},
        ChoiceCase{"lang_garbage", lang("\x01\xff=;;"), std::nullopt, NoOption, En},
        ChoiceCase{"lang_modifier_only", lang("@euro"), std::nullopt, NoOption, Fr},
        ChoiceCase{"language_list_first_wins", {s("en@quot:fr"), {}, {}, s("fr_FR.UTF-8")}, std::nullopt, NoOption, En},
        ChoiceCase{"language_empty_entries_skipped", {s("::fr_BE"), {}, {}, s("en_US.UTF-8")}, std::nullopt, NoOption, Fr},
        ChoiceCase{"language_ignored_for_c_locale", {s("en"), {}, {}, s("C")}, std::nullopt, NoOption, Fr},
        ChoiceCase{"lc_all_before_lang", {{}, s("de_AT"), {}, s("fr_FR")}, std::nullopt, NoOption, En},
        ChoiceCase{"lc_messages_before_lang", {{}, {}, s("fr_CH"), s("en_US")}, std::nullopt, NoOption, Fr},
        ChoiceCase{"settings_over_system", lang("de_DE"), langue("fr"), NoOption, Fr},
        ChoiceCase{"settings_english_over_french_system", lang("fr_FR"), langue(" EN "), NoOption, En},
        ChoiceCase{"settings_unknown_value_ignored", lang("fr_FR"), langue("de"), NoOption, Fr},
        ChoiceCase{"settings_empty_value_ignored", lang("en_US"), langue(""), NoOption, En},
        ChoiceCase{"option_over_settings", lang("fr_FR"), langue("fr"), option("en"), En},
        ChoiceCase{"option_french_over_english_settings", lang("en_US"), langue("en"), option("fr"), Fr},
        ChoiceCase{"option_unknown_is_an_error", lang("en_US"), langue("fr"), option("de"), Fr, true},
        ChoiceCase{"option_without_value_is_an_error", lang("de_DE"), std::nullopt, {s("--langue")}, En, true},
        ChoiceCase{"last_option_counts", {}, std::nullopt, {s("--langue"), s("xx"), s("--langue"), s("en")}, En}),
    rowName<ChoiceCase>);

// Only a choice is written; a key already in the file is left as it is by the single save.
TEST(LanguageSetting, WrittenOnlyWhenChosen)
{
    EXPECT_TRUE(Commun::Entrees_Langue(std::nullopt).isEmpty());
    const QList<Commun::EntreeINI> english = Commun::Entrees_Langue(En);
    ASSERT_EQ(english.size(), 1);
    EXPECT_EQ(english[0].section + english[0].key + english[0].value, s("parametresLangueen"));
    EXPECT_EQ(Commun::Entrees_Langue(Fr).value(0).value, s("fr"));
}

// The English side file lies beside the French one; missing, the French one serves.
class SideFileLanguage : public SettingsFixture<int> {};

TEST_F(SideFileLanguage, EnglishBesideTheFrenchOrTheFrench)
{
    const QString base = m_dir.filePath(s("Chronalys_CD4060"));
    writeBytes(base + s("_Alarme.TXT"), "01 un\r\n");
    writeBytes(base + s("_Aide.TXT"), "aide\r\n");
    writeBytes(base + s("_Alarme_en.TXT"), "01 one\r\n");
    Commun::Chemin_Fichier_INI(base, QString());
    Commun::installerLangue(En);
    const QStringList english = {Commun::Chemin_Alarme(), Commun::Chemin_Aide()};
    Commun::installerLangue(Fr);
    EXPECT_EQ(english, (QStringList{base + s("_Alarme_en.TXT"), base + s("_Aide.TXT")}));
    EXPECT_EQ(Commun::Chemin_Alarme(), base + s("_Alarme.TXT"));
}

// The compiled English is there and answers for a text the window shows.
TEST(EnglishTranslation, InstalledAndRemoved)
{
    Commun::installerLangue(En);
    const QString english = QCoreApplication::translate("ConceptionDocument", "&Ouvrir…");
    Commun::installerLangue(Fr);
    EXPECT_NE(english, s("&Ouvrir…"));
    EXPECT_FALSE(english.isEmpty());
    EXPECT_EQ(QCoreApplication::translate("ConceptionDocument", "&Ouvrir…"), s("&Ouvrir…"));
}

} // namespace
