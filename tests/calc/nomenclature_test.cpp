#include "calc/nomenclature.h"
#include "calc/sentence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <optional>
#include <set>
#include <string_view>

namespace {

constexpr int bit(int output) { return 1 << (output - 1); }
constexpr std::uint64_t stage(int s) { return std::uint64_t(1) << (s - 1); }

struct PartsCase {
    const char *name;
    std::uint64_t pattern;
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
    std::optional<calc::Cascade> cascade = {};
    const char *unwiredOn = "le CD4060"; // where the note says the pins are missing
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
    design.cascade = c.cascade;
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
    EXPECT_EQ(find(parts, "U3") != nullptr, c.cascade.has_value());
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
    const int counters = c.cascade.has_value();
    EXPECT_EQ(total, 13 + counters + hasTrimmer + c.diodes);
    const calc::NomenclatureLine *diodes = find(parts, c.diodeReference);
    if (c.diodes == 0) {
        EXPECT_EQ(parts.lines.size(), 13u + counters + hasTrimmer);
    } else {
        ASSERT_NE(diodes, nullptr);
        EXPECT_EQ(diodes->quantity, c.diodes);
        EXPECT_EQ(diodes->value, "1N4148");
        EXPECT_EQ(diodes->role, c.diodeRole);
    }

    const std::string text = calc::nomenclatureText(parts);
    EXPECT_EQ(text.find("Montage non calculé") != std::string::npos, std::string(c.talonValue) == "—");
    if (*c.unwiredNote)
        EXPECT_NE(text.find(std::string("Non câblées, faute de broche sur ") + c.unwiredOn + " : " + c.unwiredNote),
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
    const auto marked = [&](int s) {
        return std::find(circuit.diodeOutputs.begin(), circuit.diodeOutputs.end(), s) != circuit.diodeOutputs.end();
    };
    for (int output : {4, 5, 6, 7, 8, 9, 10, 12, 13})
        if (!marked(output))
            unused.insert("U1-Q" + std::to_string(output));
    // The second counter: every output but the top stage's and the diodes', its oscillator's too.
    if (const auto cascade = GetParam().cascade) {
        const calc::Component *counter = circuit.component("U3");
        ASSERT_NE(counter, nullptr);
        for (const calc::PinDefinition &pin : calc::package(counter->kind).pins) {
            const std::string name = pin.name;
            if (name.starts_with("Q") && !marked(14 + std::stoi(name.substr(1))) && name != "Q" + std::to_string(cascade->stage - 14))
                unused.insert("U3-" + name);
        }
        if (cascade->counter == calc::SecondCounter::CD4060)
            unused.insert({"U3-φO", "U3-~{φO}"});
    }
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
                  "1 nF", "560 kΩ", "", ""},
        // Two counters: stages beyond 14 are the second counter's, 14 + j its Qj.
        PartsCase{"cd4040_diodes_on_both_counters", stage(4) | stage(20) | stage(25), "150", "", "100", '.',
                  "D1 à D3", 3, "sorties U1 Q4, U3 Q6, U3 Q11", "", "150 kΩ", "100 nF", "560 kΩ", "", "", 86400,
                  calc::Cascade{calc::SecondCounter::CD4040, 26}},
        PartsCase{"cd4020_pinless_stages_and_q14", stage(2) | stage(14) | stage(16) | stage(27), "150", "", "100", '.',
                  "D1 et D2", 2, "sorties U1 Q14, U3 Q13", "sorties U1 Q2, U3 Q2.", "150 kΩ", "100 nF", "560 kΩ", "",
                  "", 86400, calc::Cascade{calc::SecondCounter::CD4020, 28}, "les compteurs"},
        PartsCase{"cd4060_second_pinless_q1", stage(15) | stage(18) | stage(23), "150", "", "100", '.', "D1 et D2", 2,
                  "sorties U3 Q4, U3 Q9", "sortie U3 Q1.", "150 kΩ", "100 nF", "560 kΩ", "", "", 86400,
                  calc::Cascade{calc::SecondCounter::CD4060, 24}, "les compteurs"},
        PartsCase{"cascade_marks_on_u1_alone", bit(5) | bit(11), "150", "", "100", '.', "D1", 1, "sortie Q5",
                  "sortie Q11.", "150 kΩ", "100 nF", "560 kΩ", "", "", 86400, calc::Cascade{calc::SecondCounter::CD4040, 15}}),
    [](const auto &info) { return std::string(info.param.name); });

struct CascadeCase {
    const char *name;
    calc::Cascade cascade;
    const char *topPin, *clockPin, *resetPin; // the second counter's, from its data sheet
};

class CascadeWiring : public testing::TestWithParam<CascadeCase> {};

// U1's Q14 clocks the second counter, the power-on reset clears both, the top stage clocks the
// flip-flop, and each counter is powered.
TEST_P(CascadeWiring, SecondCounterBetweenQ14AndTheFlipFlop)
{
    const CascadeCase &c = GetParam();
    calc::RealDesign design;
    design.cascade = c.cascade;
    const calc::Circuit circuit = calc::circuitOf(design);
    EXPECT_EQ(circuit.component("U3")->value, calc::counterName(c.cascade.counter));
    EXPECT_EQ(circuit.netOf("U3", c.clockPin), circuit.netOf("U1", "3"));
    EXPECT_EQ(circuit.netOf("U1", "3")->members.size(), 2u);
    EXPECT_EQ(circuit.netOf("U3", c.resetPin), circuit.netOf("U1", "12"));
    const calc::Net *top = circuit.netOf("U2", "3");
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->name, "Q" + std::to_string(c.cascade.stage));
    EXPECT_EQ(top->members, (std::vector<calc::NetMember>{{"U3", c.topPin}, {"U2", "3"}}));
    EXPECT_EQ(circuit.netOf("U3", "16")->name, "VDD");
    EXPECT_EQ(circuit.netOf("U3", "8")->name, "VSS");
}

INSTANTIATE_TEST_SUITE_P(
    Counters, CascadeWiring,
    testing::Values(CascadeCase{"cd4040_q12", {calc::SecondCounter::CD4040, 26}, "1", "10", "11"},
                    CascadeCase{"cd4040_q1", {calc::SecondCounter::CD4040, 15}, "9", "10", "11"},
                    CascadeCase{"cd4020_q14", {calc::SecondCounter::CD4020, 28}, "3", "10", "11"},
                    CascadeCase{"cd4020_q4", {calc::SecondCounter::CD4020, 18}, "7", "10", "11"},
                    CascadeCase{"cd4060_q10", {calc::SecondCounter::CD4060, 24}, "15", "11", "12"}),
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
