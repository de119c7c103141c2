#include "settings/parametres.h"
#include "settingsfixture.h"

#include <cmath>

namespace {

struct ReadCase {
    const char *name;
    std::optional<QByteArray> file;
    int Pas_Serie, Mode_Affichage;
    double Constante_K4060;
    QString Valeur_T = QStringLiteral("18000"), Valeur_T1 = QStringLiteral("25");
};

class ReadParametres : public SettingsFixture<ReadCase> {};

TEST_P(ReadParametres, WithTheirRulesAndFallbacks)
{
    const ReadCase &c = GetParam();
    const Commun::Parametres p = Commun::Lire_Parametres(settingsFile(c.file));
    EXPECT_EQ(p.Pas_Serie, c.Pas_Serie);
    EXPECT_EQ(p.Mode_Affichage, c.Mode_Affichage);
    EXPECT_DOUBLE_EQ(p.Constante_K4060, c.Constante_K4060);
    EXPECT_EQ(p.Valeur_T, c.Valeur_T);
    EXPECT_EQ(p.Valeur_T1, c.Valeur_T1);
}

QByteArray parametres(const char *keys) { return "[parametres]\r\n" + QByteArray(keys); }

INSTANTIATE_TEST_SUITE_P(
    Files, ReadParametres,
    testing::Values(
        ReadCase{"no_file", std::nullopt, 1, 4, 2.8e-6},
        ReadCase{"stored_values", parametres("E12E24=2\r\nSignificatif=0\r\nK4060=300\r\nValeur_T=3,5\r\nValeur_T1=12,5\r\n"), 2, 0, 3e-6,
                 QStringLiteral("3.5"), QStringLiteral("12.5")},
        ReadCase{"names_without_case", bytesOf("[PARAMETRES]\r\nk4060 = 300\r\nSIGNIFICATIF=5\r\n"), 1, 5, 3e-6},
        ReadCase{"halves_to_even", parametres("E12E24=2.5\r\nSignificatif=0.5\r\n"), 2, 0, 2.8e-6},
        ReadCase{"comma_ends_the_number", parametres("E12E24=2,9\r\nK4060=275,5\r\n"), 2, 4, 2.75e-6},
        ReadCase{"out_of_range_falls_back", parametres("E12E24=3\r\nSignificatif=6\r\nK4060=-5\r\n"), 1, 4, 2.8e-6},
        ReadCase{"not_numbers", parametres("E12E24=E12\r\nSignificatif=\r\nK4060=abc\r\n"), 1, 0, 2.8e-6},
        ReadCase{"huge_numbers", parametres("E12E24=1e300\r\nSignificatif=-1e300\r\nK4060=1e300\r\n"), 1, 4, 1e292},
        ReadCase{"constant_underflowing_to_zero", parametres("K4060=1e-320\r\n"), 1, 4, 2.8e-6},
        ReadCase{"empty_period_stays_empty", parametres("Valeur_T=\r\n"), 1, 4, 2.8e-6, QString()},
        ReadCase{"lone_cr_ends_the_value", parametres("K4060=300\r200\r\nValeur_T=18000\r5\r\n"), 1, 4, 3e-6,
                 QStringLiteral("18000")}),
    rowName<ReadCase>);

struct WriteBackCase {
    const char *name;
    const char *stored; // "K4060" in the file read first; nullptr: no file
    double newConstant; // NaN: the constant as read
    const char *written;
};

class WriteBackK4060 : public SettingsFixture<WriteBackCase> {};

TEST_P(WriteBackK4060, KeepsTheTextThatReadFine)
{
    const WriteBackCase &c = GetParam();
    Commun::Parametres p = Commun::Lire_Parametres(settingsFile(c.stored ? std::optional(parametres("K4060=") + c.stored) : std::nullopt));
    if (!std::isnan(c.newConstant))
        p.Constante_K4060 = c.newConstant;
    Commun::Ecrire_Parametres(p, path("written.INI"));
    EXPECT_EQ(Commun::Lire_INI(text("parametres"), text("K4060"), QString(), path("written.INI")), text(c.written));
}

INSTANTIATE_TEST_SUITE_P(Values, WriteBackK4060,
                         testing::Values(WriteBackCase{"default", nullptr, NAN, "280"},
                                         WriteBackCase{"stored_exponent_form", "2.8e2", NAN, "2.8e2"},
                                         WriteBackCase{"fallback_writes_default", "-5", NAN, "280"},
                                         WriteBackCase{"changed_constant_general_form", "280", 2.755e-6, "275.5"},
                                         WriteBackCase{"unusable_constant", nullptr, 0.0, "280"},
                                         WriteBackCase{"lone_cr_in_stored_text", "300\r200", NAN, "300"}),
                         rowName<WriteBackCase>);

struct PrecisionCase {
    const char *name;
    std::optional<QByteArray> file;
    calc::Tolerances expected;
    bool written; // by "Quitter": the file has the section, or a value is not the default
};

class ReadPrecision : public SettingsFixture<PrecisionCase> {};

TEST_P(ReadPrecision, FallsBackOutsideZeroToFifty)
{
    const PrecisionCase &c = GetParam();
    const calc::Tolerances t = Commun::Lire_Precision(settingsFile(c.file));
    EXPECT_EQ(std::vector<double>({t.r, t.c, t.k, t.p}),
              std::vector<double>({c.expected.r, c.expected.c, c.expected.k, c.expected.p}));
    // Written back and read again, the same values.
    const QList<Commun::EntreeINI> entries = Commun::Entrees_Precision(t, path());
    EXPECT_EQ(entries.size(), c.written ? 4 : 0);
    Commun::Ecrire_INI(entries, path("written.INI"));
    const calc::Tolerances again = Commun::Lire_Precision(path("written.INI"));
    EXPECT_EQ(std::vector<double>({again.r, again.c, again.k, again.p}), std::vector<double>({t.r, t.c, t.k, t.p}));
}

QByteArray precision(const char *keys) { return "[precision]\r\n" + QByteArray(keys); }

INSTANTIATE_TEST_SUITE_P(
    Files, ReadPrecision,
    testing::Values(
        PrecisionCase{"no_file", std::nullopt, {5, 10, 10, 20}, false},
        PrecisionCase{"stored_values", precision("Tolerance_R=1\r\nTolerance_C=2.5\r\nDispersion_K=0\r\nTolerance_Ajustable=50\r\n"), {1, 2.5, 0, 50}, true},
        PrecisionCase{"out_of_range_falls_back", precision("Tolerance_R=50.5\r\nTolerance_C=-1\r\nDispersion_K=1e300\r\n"), {5, 10, 10, 20}, true},
        PrecisionCase{"leading_number_rule", precision("Tolerance_R=abc\r\nTolerance_C=7,5\r\nTolerance_Ajustable= 30 %\r\n"), {0, 7, 10, 30}, true},
        PrecisionCase{"one_default_stored", precision("Tolerance_Ajustable=20\r\n"), {5, 10, 10, 20}, true},
        PrecisionCase{"other_section_ignored", parametres("Tolerance_R=1\r\n"), {5, 10, 10, 20}, false}),
    rowName<PrecisionCase>);

} // namespace
