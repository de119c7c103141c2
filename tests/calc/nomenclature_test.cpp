#include "calc/nomenclature.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

constexpr int bit(int output) { return 1 << (output - 1); }

struct PartsCase {
    const char *name;
    int pattern;
    const char *talon, *potentiometer, *capacitor, *valeurRs;
    int Pas_Serie;
    // Expected: the diode line (empty reference: none), the values and the notes.
    const char *diodeReference;
    int diodes;
    const char *diodeRole;
    const char *unwiredNote; // a note naming these outputs, or "" for none
    const char *talonValue, *potentiometerValue, *capacitorValue, *rsValue;
};

class Parts : public testing::TestWithParam<PartsCase> {};

const calc::NomenclatureLine *find(const calc::Nomenclature &parts, const std::string &reference)
{
    for (const auto &line : parts.lines)
        if (line.reference == reference)
            return &line;
    return nullptr;
}

TEST_P(Parts, ListedWithTheirValuesAndDiodesGrouped)
{
    const PartsCase &c = GetParam();
    calc::RealDesign design;
    design.pattern = c.pattern;
    design.talonText = c.talon;
    design.potentiometerText = c.potentiometer;
    design.capacitorText = c.capacitor;
    design.shown.ValeurRs = c.valeurRs;
    design.Pas_Serie = c.Pas_Serie;
    const calc::Nomenclature parts = calc::nomenclature(design);

    EXPECT_EQ(find(parts, "R2")->value, c.talonValue);
    EXPECT_EQ(find(parts, "P1")->value, c.potentiometerValue);
    EXPECT_EQ(find(parts, "C2")->value, c.capacitorValue);
    EXPECT_EQ(find(parts, "Rs")->value, c.rsValue);
    for (const char *fixed : {"U1", "U2", "C3", "R6", "R3", "R4", "T1", "R5", "LED"})
        EXPECT_NE(find(parts, fixed), nullptr) << fixed;

    // Thirteen parts besides the diodes, which share one line.
    const int total = std::accumulate(parts.lines.begin(), parts.lines.end(), 0,
                                      [](int sum, const auto &line) { return sum + line.quantity; });
    EXPECT_EQ(total, 13 + c.diodes);
    const calc::NomenclatureLine *diodes = find(parts, c.diodeReference);
    if (c.diodes == 0) {
        EXPECT_EQ(parts.lines.size(), 13u);
    } else {
        ASSERT_NE(diodes, nullptr);
        EXPECT_EQ(diodes->quantity, c.diodes);
        EXPECT_EQ(diodes->value, "1N4148");
        EXPECT_EQ(diodes->role, c.diodeRole);
    }

    const std::string text = calc::nomenclatureText(parts);
    EXPECT_EQ(text.find("Montage non calculé") != std::string::npos, std::string(c.talonValue) == "—");
    if (*c.unwiredNote)
        EXPECT_NE(text.find(std::string("Non câblées, faute de broche sur le CD4060 : ") + c.unwiredNote),
                  std::string::npos) << text;
    else
        EXPECT_EQ(text.find("Non câblées"), std::string::npos) << text;
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
}

const std::string HundredsOfDigits(300, '9');

INSTANTIATE_TEST_SUITE_P(
    Designs, Parts,
    testing::Values(
        PartsCase{"no_design_yet", 0, "0", "0", "0", "100 Kohm", 1, "", 0, "", "",
                  "—", "—", "—", "—"},
        PartsCase{"one_diode_e24", bit(12), "150", "0", "1.5 ", "560 Kohm", 1, "D1", 1, "sortie Q12", "",
                  "150 kΩ", "0 kΩ", "1.5 nF", "560 Kohm"},
        PartsCase{"four_diodes_e12_comma", bit(5) | bit(6) | bit(9) | bit(12), "82", "4,7", "3,3", "390 Kohm",
                  2, "D1 à D4", 4, "sorties Q5, Q6, Q9, Q12", "", "82 kΩ", "4,7 kΩ", "3,3 nF", "390 Kohm"},
        PartsCase{"pinless_marks_e12", bit(1) | bit(3) | bit(4) | bit(11) | bit(13), "1.2", "", "2200", "100 Kohm",
                  2, "D1 et D2", 2, "sorties Q4, Q13", "sorties Q1, Q3, Q11.", "1.2 kΩ", "0 kΩ", "2200 nF",
                  "100 Kohm"},
        PartsCase{"only_pinless_marks_e24", bit(2) | bit(11), "100", "22", "1", "560 Kohm", 1, "", 0, "",
                  "sorties Q2, Q11.", "100 kΩ", "22 kΩ", "1 nF", "560 Kohm"},
        PartsCase{"every_output", 8191, "47", "10", "10", "390 Kohm", 1, "D1 à D9", 9,
                  "sorties Q4, Q5, Q6, Q7, Q8, Q9, Q10, Q12, Q13", "sorties Q1, Q2, Q3, Q11.", "47 kΩ",
                  "10 kΩ", "10 nF", "390 Kohm"},
        PartsCase{"capacitor_zero", bit(4), "150", "0", "0", "560 Kohm", 1, "D1", 1, "sortie Q4", "",
                  "—", "—", "—", "—"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Parts, HundredsOfDigitsKeptWhole)
{
    calc::RealDesign design;
    design.talonText = HundredsOfDigits;
    design.capacitorText = HundredsOfDigits;
    design.shown.ValeurRs = "1 Mo";
    EXPECT_EQ(find(calc::nomenclature(design), "R2")->value, HundredsOfDigits + " kΩ");
}

} // namespace
