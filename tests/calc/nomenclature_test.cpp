#include "calc/nomenclature.h"
#include "calc/sentence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <string_view>

namespace {

constexpr int bit(int output) { return 1 << (output - 1); }

struct PartsCase {
    const char *name;
    int pattern;
    const char *talon, *potentiometer, *capacitor;
    char separator;
    // Expected: the diode line (empty reference: none), the values and the notes.
    const char *diodeReference;
    int diodes;
    const char *diodeRole;
    const char *unwiredNote; // a note naming these outputs, or "" for none
    const char *talonValue, *capacitorValue, *rsValue;
    const char *trimmerValue, *trimmerRole; // "" for no P1 line
    double T = 0; // wanted period: the precision's trimmer advice aims at it
};

class Parts : public testing::TestWithParam<PartsCase> {};

const calc::NomenclatureLine *find(const calc::Nomenclature &parts, const std::string &reference)
{
    for (const auto &line : parts.lines)
        if (line.reference == reference)
            return &line;
    return nullptr;
}

calc::RealDesign designOf(const PartsCase &c)
{
    calc::RealDesign design;
    design.pattern = c.pattern;
    design.talonText = c.talon;
    design.potentiometerText = c.potentiometer;
    design.capacitorText = c.capacitor;
    design.separator = c.separator;
    design.T = c.T;
    design.shown.ValeurRs = "560 Kohm"; // stale on purpose: Rs follows the parts listed
    return design;
}

TEST_P(Parts, ListedWithTheirValuesAndDiodesGrouped)
{
    const PartsCase &c = GetParam();
    const calc::Nomenclature parts = calc::nomenclature(designOf(c));

    EXPECT_EQ(find(parts, "R2")->value, c.talonValue);
    EXPECT_EQ(find(parts, "C2")->value, c.capacitorValue);
    EXPECT_EQ(find(parts, "R1")->value, c.rsValue);
    const calc::NomenclatureLine *trimmer = find(parts, "P1");
    const bool hasTrimmer = *c.trimmerValue;
    if (hasTrimmer) {
        ASSERT_NE(trimmer, nullptr);
        EXPECT_EQ(trimmer->value, c.trimmerValue);
        EXPECT_EQ(trimmer->role, c.trimmerRole);
        EXPECT_EQ(trimmer->role.find("réglé à") != std::string::npos, !trimmer->setting.empty());
        EXPECT_TRUE(trimmer->role.ends_with(trimmer->setting));
    } else {
        EXPECT_EQ(trimmer, nullptr);
    }
    for (const char *fixed : {"U1", "U2", "C3", "R6", "C4", "R3", "R4", "TR1", "R5", "LED1"})
        EXPECT_NE(find(parts, fixed), nullptr) << fixed;
    EXPECT_EQ(find(parts, "T1"), nullptr); // the pulse's name elsewhere
    for (const auto &line : parts.lines)
        if (line.value != "—" && std::string_view("RPC").find(line.reference[0]) != std::string_view::npos) {
            EXPECT_TRUE(line.value.ends_with(line.reference[0] == 'C' ? " nF" : " kΩ")) << line.value;
        }

    // Thirteen parts besides the trimmer and the diodes, which share one line.
    const int total = std::accumulate(parts.lines.begin(), parts.lines.end(), 0,
                                      [](int sum, const auto &line) { return sum + line.quantity; });
    EXPECT_EQ(total, 13 + hasTrimmer + c.diodes);
    const calc::NomenclatureLine *diodes = find(parts, c.diodeReference);
    if (c.diodes == 0) {
        EXPECT_EQ(parts.lines.size(), 13u + hasTrimmer);
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

// Every net joins real pins, no pin is on two nets, and only the unused outputs stay open.
TEST_P(Parts, CircuitJoinsEveryPinOnce)
{
    const calc::Circuit circuit = calc::circuitOf(designOf(GetParam()));
    std::set<std::pair<std::string, std::string>> joined;
    for (const calc::Net &net : circuit.nets) {
        EXPECT_GE(net.members.size(), 2u) << net.name;
        for (const calc::NetMember &member : net.members) {
            const calc::Component *component = circuit.component(member.reference);
            ASSERT_NE(component, nullptr) << member.reference;
            const auto pins = calc::package(component->kind).pins;
            EXPECT_TRUE(std::any_of(pins.begin(), pins.end(), [&](const auto &pin) { return member.pin == pin.number; }))
                << member.reference << "-" << member.pin;
            EXPECT_TRUE(joined.insert({member.reference, member.pin}).second) << member.reference << "-" << member.pin;
        }
    }
    std::set<std::string> open;
    for (const calc::Component &component : circuit.components)
        for (const calc::PinDefinition &pin : calc::package(component.kind).pins)
            if (!joined.contains({component.reference, pin.number}))
                open.insert(component.reference + "-" + pin.name);
    std::set<std::string> unused = {"U2-~{Q1}", "U2-~{Q2}", "U2-Q2"};
    for (int output : {4, 5, 6, 7, 8, 9, 10, 12, 13})
        if (std::find(circuit.diodeOutputs.begin(), circuit.diodeOutputs.end(), output) == circuit.diodeOutputs.end())
            unused.insert("U1-Q" + std::to_string(output));
    EXPECT_EQ(open, unused);
}

// Marks each text it is asked for: what is not marked did not go through the translation.
const std::string Mark = "[Nomenclature]";
std::string marked(const char *context, const char *source) { return "[" + std::string(context) + "]" + source; }

std::string unmarked(std::string text)
{
    for (std::size_t at; (at = text.find(Mark)) != std::string::npos;)
        text.erase(at, Mark.size());
    return text;
}

// Every role and note is translated whole, its numbers and outputs put in after the translation.
TEST_P(Parts, EveryWordTranslated)
{
    const calc::RealDesign design = designOf(GetParam());
    const calc::Words words{marked};
    const calc::Nomenclature translated = calc::nomenclature(design, words);
    for (const calc::NomenclatureLine &line : translated.lines)
        EXPECT_TRUE(line.role.starts_with(Mark)) << line.role;
    for (const std::string &note : calc::nomenclatureNotes(translated, words))
        EXPECT_TRUE(note.starts_with(Mark)) << note;
    EXPECT_EQ(unmarked(calc::nomenclatureText(translated, "  ", words)),
              calc::nomenclatureText(calc::nomenclature(design), "  "));
}

TEST(Sentence, FillsNumberedPlacesOnce)
{
    struct Case {
        const char *text, *first, *second, *expected;
    };
    for (const Case &c : {Case{"%2 to %1", "a", "b", "b to a"}, Case{"%1 %2", "%2", "x", "%2 x"},
                          Case{"%1 %3 %0 %", "a", "b", "a %3 %0 %"}})
        EXPECT_EQ(calc::sentence(c.text, {c.first, c.second}), c.expected) << c.text;
}

const std::string HundredsOfDigits(300, '9');

INSTANTIATE_TEST_SUITE_P(
    Designs, Parts,
    testing::Values(
        PartsCase{"no_design_yet", 0, "0", "0", "0", '.', "", 0, "", "", "—", "—", "—", "", ""},
        PartsCase{"one_diode_e24", bit(12), "150", "0.00", "1.5 ", '.', "D1", 1, "sortie Q12", "", "150 kΩ",
                  "1.5 nF", "560 kΩ", "", ""},
        PartsCase{"four_diodes_e12_comma", bit(5) | bit(6) | bit(9) | bit(12), "82", "4,7", "3,3", ',', "D1 à D4", 4,
                  "sorties Q5, Q6, Q9, Q12", "", "82 kΩ", "3,3 nF", "390 kΩ", "4,7 kΩ",
                  "ajustable en série avec le talon, réglé à 4,7 kΩ"},
        PartsCase{"pinless_marks_e12", bit(1) | bit(3) | bit(4) | bit(11) | bit(13), "1.2", "", "2200", '.',
                  "D1 et D2", 2, "sorties Q4, Q13", "sorties Q1, Q3, Q11.", "1.2 kΩ", "2200 nF", "100 kΩ", "", ""},
        PartsCase{"only_pinless_marks_e24", bit(2) | bit(11), "100", "22", "1", '.', "", 0, "", "sorties Q2, Q11.",
                  "100 kΩ", "1 nF", "560 kΩ", "22 kΩ", "ajustable en série avec le talon, réglé à 22 kΩ"},
        PartsCase{"every_output", 8191, "47", "10.5", "10", '.', "D1 à D9", 9,
                  "sorties Q4, Q5, Q6, Q7, Q8, Q9, Q10, Q12, Q13", "sorties Q1, Q2, Q3, Q11.", "47 kΩ", "10 nF",
                  "390 kΩ", "22 kΩ", "ajustable en série avec le talon, réglé à 10.5 kΩ"},
        PartsCase{"capacitor_zero", bit(4), "150", "0,0", "0", '.', "D1", 1, "sortie Q4", "", "—", "—", "—", "", ""},
        PartsCase{"trimmer_before_design", bit(4), "150", "47", "0", '.', "D1", 1, "sortie Q4", "", "—", "—", "—",
                  "—", "ajustable en série avec le talon"},
        PartsCase{"rs_at_25_with_smallest_trimmer", bit(12), "24.5", "0.5", "1", '.', "D1", 1, "sortie Q12", "",
                  "24.5 kΩ", "1 nF", "270 kΩ", "1 kΩ", "ajustable en série avec le talon, réglé à 0.5 kΩ"},
        PartsCase{"rs_past_200", bit(12), "150", "51.215", "1.5", '.', "D1", 1, "sortie Q12", "", "150 kΩ",
                  "1.5 nF", "1000 kΩ", "100 kΩ", "ajustable en série avec le talon, réglé à 51.215 kΩ"},
        PartsCase{"largest_trimmer", bit(12), "10", "1000", "1", '.', "D1", 1, "sortie Q12", "", "10 kΩ", "1 nF",
                  "1000 kΩ", "1000 kΩ", "ajustable en série avec le talon, réglé à 1000 kΩ"},
        PartsCase{"beyond_every_trimmer", bit(12), "10", "1000,5", "1", ',', "D1", 1, "sortie Q12", "", "10 kΩ",
                  "1 nF", "1000 kΩ", "1000,5 kΩ",
                  "en série avec le talon : aucun ajustable courant n'atteint 1000,5 kΩ"},
        // One trimmer for the design: the precision's advice (talon 100 kΩ + 100 kΩ for 30 s at 4.7 nF)
        // rather than the smallest that reaches the setting (47 kΩ), unless it falls short of it.
        PartsCase{"advised_trimmer_covers_the_tolerances", bit(12), "100", "39.138", "4.7", '.', "D1", 1, "sortie Q12",
                  "", "100 kΩ", "4.7 nF", "560 kΩ", "100 kΩ", "ajustable en série avec le talon, réglé à 39.138 kΩ", 30},
        PartsCase{"advice_short_of_the_setting", bit(12), "10", "150", "4.7", '.', "D1", 1, "sortie Q12", "", "10 kΩ",
                  "4.7 nF", "560 kΩ", "220 kΩ", "ajustable en série avec le talon, réglé à 150 kΩ", 30},
        PartsCase{"negative_potentiometer", bit(12), "150", "-5", "1", '.', "D1", 1, "sortie Q12", "", "150 kΩ",
                  "1 nF", "560 kΩ", "", ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Parts, HundredsOfDigitsKeptWhole)
{
    calc::RealDesign design;
    design.talonText = HundredsOfDigits;
    design.potentiometerText = HundredsOfDigits;
    design.capacitorText = HundredsOfDigits;
    design.shown.ValeurRs = "1 Mo";
    EXPECT_EQ(find(calc::nomenclature(design), "R2")->value, HundredsOfDigits + " kΩ");
    EXPECT_EQ(find(calc::nomenclature(design), "P1")->value, HundredsOfDigits + " kΩ");
}

} // namespace
