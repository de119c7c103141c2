#include "calc/circuit.h"

#include "calc/nomenclature.h"
#include "calc/numbertext.h"
#include "calc/precision.h"
#include "calc/realtiming.h"
#include "calc/sentence.h"
#include "calc/tables.h"

#include <algorithm>
#include <array>

namespace calc {

namespace {

using enum PinType;

constexpr std::array<PinDefinition, 16> CD4060Pins = {{
    {"1", "Q12", Output}, {"2", "Q13", Output}, {"3", "Q14", Output}, {"4", "Q6", Output},
    {"5", "Q5", Output}, {"6", "Q7", Output}, {"7", "Q4", Output}, {"8", "VSS", PowerInput},
    {"9", "φO", Output}, {"10", "~{φO}", Output}, {"11", "φI", Input}, {"12", "RESET", Input},
    {"13", "Q9", Output}, {"14", "Q8", Output}, {"15", "Q10", Output}, {"16", "VDD", PowerInput},
}};
constexpr std::array<PinDefinition, 14> CD4013Pins = {{
    {"1", "Q1", Output}, {"2", "~{Q1}", Output}, {"3", "CLK1", Input}, {"4", "R1", Input},
    {"5", "D1", Input}, {"6", "S1", Input}, {"7", "VSS", PowerInput}, {"8", "S2", Input},
    {"9", "D2", Input}, {"10", "R2", Input}, {"11", "CLK2", Input}, {"12", "~{Q2}", Output},
    {"13", "Q2", Output}, {"14", "VDD", PowerInput},
}};
// CD4040: twelve stages, every one on a pin; both count on the clock's falling edge.
constexpr std::array<PinDefinition, 16> CD4040Pins = {{
    {"1", "Q12", Output}, {"2", "Q6", Output}, {"3", "Q5", Output}, {"4", "Q7", Output},
    {"5", "Q4", Output}, {"6", "Q3", Output}, {"7", "Q2", Output}, {"8", "VSS", PowerInput},
    {"9", "Q1", Output}, {"10", "CLK", Input}, {"11", "RESET", Input}, {"12", "Q9", Output},
    {"13", "Q8", Output}, {"14", "Q10", Output}, {"15", "Q11", Output}, {"16", "VDD", PowerInput},
}};
// CD4020: fourteen stages, Q2 and Q3 without a pin.
constexpr std::array<PinDefinition, 16> CD4020Pins = {{
    {"1", "Q12", Output}, {"2", "Q13", Output}, {"3", "Q14", Output}, {"4", "Q6", Output},
    {"5", "Q5", Output}, {"6", "Q7", Output}, {"7", "Q4", Output}, {"8", "VSS", PowerInput},
    {"9", "Q1", Output}, {"10", "CLK", Input}, {"11", "RESET", Input}, {"12", "Q9", Output},
    {"13", "Q8", Output}, {"14", "Q10", Output}, {"15", "Q11", Output}, {"16", "VDD", PowerInput},
}};
// BC547: collector, base, emitter in the TO-92's order.
constexpr std::array<PinDefinition, 3> NpnPins = {{{"1", "C", Passive}, {"2", "B", Passive}, {"3", "E", Passive}}};
constexpr std::array<PinDefinition, 2> DiodePins = {{{"1", "K", Passive}, {"2", "A", Passive}}};
constexpr std::array<PinDefinition, 2> TwoPins = {{{"1", "", Passive}, {"2", "", Passive}}};
// The wiper is pin 2.
constexpr std::array<PinDefinition, 3> TrimmerPins = {{{"1", "", Passive}, {"2", "", Passive}, {"3", "", Passive}}};

constexpr std::array<Package, 10> Packages = {{
    {PackageKind::CD4060, "CD4060", "Package_DIP:DIP-16_W7.62mm", "https://www.ti.com/lit/ds/symlink/cd4060b.pdf",
     CD4060Pins},
    {PackageKind::CD4013, "CD4013", "Package_DIP:DIP-14_W7.62mm", "https://www.ti.com/lit/ds/symlink/cd4013b.pdf",
     CD4013Pins},
    {PackageKind::CD4040, "CD4040", "Package_DIP:DIP-16_W7.62mm", "https://www.ti.com/lit/ds/symlink/cd4040b.pdf",
     CD4040Pins},
    {PackageKind::CD4020, "CD4020", "Package_DIP:DIP-16_W7.62mm", "https://www.ti.com/lit/ds/symlink/cd4020b.pdf",
     CD4020Pins},
    {PackageKind::Npn, "BC547", "Package_TO_SOT_THT:TO-92_Inline", "~", NpnPins},
    {PackageKind::Diode, "1N4148", "Diode_THT:D_DO-35_SOD27_P7.62mm_Horizontal", "~", DiodePins},
    {PackageKind::Led, "LED", "LED_THT:LED_D5.0mm", "~", DiodePins},
    {PackageKind::Resistor, "R", "Resistor_THT:R_Axial_DIN0207_L6.3mm_D2.5mm_P10.16mm_Horizontal", "~", TwoPins},
    {PackageKind::Capacitor, "C", "Capacitor_THT:C_Disc_D5.0mm_W2.5mm_P5.00mm", "~", TwoPins},
    {PackageKind::Trimmer, "R_Trimmer", "Potentiometer_THT:Potentiometer_Bourns_3296W_Vertical", "~", TrimmerPins},
}};

// C2 sets the period: a film capacitor, stable with temperature.
constexpr char FilmCapacitor[] = "Capacitor_THT:C_Rect_L7.2mm_W3.5mm_P5.00mm_FKS2_FKP2_MKS2_MKP2";

const std::string Dash = "—";

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A component text as typed, with its unit; an empty text reads as 0, as zone D reads it.
std::string typed(const std::string &text, const char *unit, Notation notation)
{
    const std::string value = typedNumber(trimmed(text), notation);
    return (value.empty() ? std::string("0") : value) + " " + unit;
}

std::string kilohms(double value, char separator) { return formatGeneral(value, separator) + " kΩ"; }

class Builder {
public:
    explicit Builder(Circuit &circuit) : m_circuit(circuit) {}

    void part(std::string reference, PackageKind kind, std::string value, std::string role)
    {
        std::string footprint = package(kind).footprint;
        m_circuit.components.push_back(
            {std::move(reference), kind, std::move(value), std::move(role), std::move(footprint), {}});
    }
    void net(std::string name, std::vector<NetMember> members)
    {
        m_circuit.nets.push_back({std::move(name), std::move(members)});
    }
    Component &last() { return m_circuit.components.back(); }

private:
    Circuit &m_circuit;
};

} // namespace

const Package &package(PackageKind kind)
{
    return *std::find_if(Packages.begin(), Packages.end(), [kind](const Package &p) { return p.kind == kind; });
}

const Component *Circuit::component(std::string_view reference) const
{
    const auto found = std::find_if(components.begin(), components.end(),
                                    [reference](const Component &c) { return c.reference == reference; });
    return found == components.end() ? nullptr : &*found;
}

const Net *Circuit::netOf(std::string_view reference, std::string_view pin) const
{
    for (const Net &net : nets)
        for (const NetMember &member : net.members)
            if (member.reference == reference && member.pin == pin)
                return &net;
    return nullptr;
}

const char *counterPin(int output) { return counterPin(PackageKind::CD4060, output); }

const char *counterPin(PackageKind kind, int output)
{
    const std::string name = "Q" + std::to_string(output);
    for (const PinDefinition &pin : package(kind).pins)
        if (name == pin.name)
            return pin.number;
    return nullptr;
}

PackageKind packageOf(SecondCounter counter)
{
    switch (counter) {
    case SecondCounter::CD4040:
        return PackageKind::CD4040;
    case SecondCounter::CD4020:
        return PackageKind::CD4020;
    case SecondCounter::CD4060:
        break;
    }
    return PackageKind::CD4060;
}

NetMember stagePin(const RealDesign &design, int stage)
{
    if (stage <= 14 || !design.cascade)
        return {"U1", stage >= 1 && stage <= 14 && counterPin(stage) ? counterPin(stage) : ""};
    const PackageKind kind = packageOf(design.cascade->counter);
    const char *pin = stage <= lastTopStage(design.cascade->counter) ? counterPin(kind, stage - 14) : nullptr;
    return {SecondCounterReference, pin ? pin : ""};
}

// A second CD4060 counts what comes into its oscillator's input, its own oscillator unused.
const char *clockPin(PackageKind kind) { return kind == PackageKind::CD4060 ? "11" : "10"; }
const char *resetPin(PackageKind kind) { return kind == PackageKind::CD4060 ? "12" : "11"; }

Circuit circuitOf(const RealDesign &design, const Words &words)
{
    Circuit circuit;
    const std::optional<Cascade> &cascade = design.cascade;
    // Alone, the CD4060's Q14 clocks the flip-flop and only Q1 to Q13 count; with a cascade, every
    // stage of both counters may be marked (the design marks those below the top stage).
    const int lastStage = cascade ? lastTopStage(cascade->counter) : OutputCount;
    for (int n = 1; n <= lastStage; ++n)
        if (design.pattern & (std::uint64_t(1) << (n - 1)))
            (stagePin(design, n).pin.empty() ? circuit.unwired : circuit.diodeOutputs).push_back(n);
    circuit.designed = design.hasParts();
    const bool d = circuit.designed;
    Builder b(circuit);

    using enum PackageKind;
    b.part("U1", CD4060, "CD4060", words.translate("Nomenclature", "compteur à 14 étages et son oscillateur"));
    b.part("U2", CD4013, "CD4013", words.translate("Nomenclature", "bascule D (une des deux)"));
    const PackageKind second = cascade ? packageOf(cascade->counter) : CD4060;
    if (cascade)
        b.part(SecondCounterReference, second, counterName(cascade->counter),
               sentence(words.translate("Nomenclature", "second compteur, horloge sur Q14 de U1, %1 commande la bascule"),
                        {"Q" + std::to_string(cascade->stage - 14)}));
    b.part("R2", Resistor, d ? typed(design.talonText, "kΩ", design.notation) : Dash,
           words.translate("Nomenclature", "talon de l'oscillateur"));
    const double setting = readNumber(design.potentiometerText);
    const bool trimmer = setting > 0;
    if (trimmer) {
        const std::string dialed = kilohms(setting, design.separator);
        const std::optional<double> bought = trimmerToBuy(design);
        if (!d) {
            b.part("P1", Trimmer, Dash, words.translate("Nomenclature", "ajustable en série avec le talon"));
        } else if (!bought) {
            b.part("P1", Trimmer, typed(design.potentiometerText, "kΩ", design.notation),
                   sentence(words.translate("Nomenclature",
                                            "en série avec le talon : aucun ajustable courant n'atteint %1"),
                            {dialed}));
        } else {
            b.part("P1", Trimmer, kilohms(*bought, design.separator),
                   sentence(words.translate("Nomenclature", "ajustable en série avec le talon, réglé à %1"),
                            {dialed}));
            b.last().setting = dialed;
        }
    }
    b.part("C2", Capacitor, d ? typed(design.capacitorText, "nF", design.notation) : Dash,
           words.translate("Nomenclature", "condensateur de l'oscillateur"));
    b.last().footprint = FilmCapacitor;
    // The value zone D's caption names ("560 Kohm", "1 Mo"), in kΩ like every other resistor.
    b.part("R1", Resistor, d ? kilohms(seriesResistor(design.resistance()), design.separator) : Dash,
           words.translate("Nomenclature", "résistance série Rs de l'oscillateur"));
    b.part("C3", Capacitor, "100 nF", words.translate("Nomenclature", "remise à zéro à la mise sous tension"));
    b.part("R6", Resistor, "100 kΩ", words.translate("Nomenclature", "remise à zéro à la mise sous tension"));
    b.part("C4", Capacitor, "100 nF",
           words.translate("Nomenclature", "découplage de l'alimentation du CD4060, au plus près de U1"));
    for (std::size_t i = 0; i < circuit.diodeOutputs.size(); ++i)
        b.part("D" + std::to_string(i + 1), Diode, "1N4148", outputNames({circuit.diodeOutputs[i]}, words));
    b.part("R3", Resistor, "100 kΩ", words.translate("Nomenclature", "rappel de la ligne de diodes"));
    b.part("R4", Resistor, "10 kΩ", words.translate("Nomenclature", "base du transistor"));
    b.part("TR1", Npn, "BC547", words.translate("Nomenclature", "commande de la LED"));
    b.part("R5", Resistor, "1 kΩ", words.translate("Nomenclature", "limite le courant de la LED"));
    b.part("LED1", Led, "LED", words.translate("Nomenclature", "témoin du pulse"));

    // D of the flip-flop high: the top stage sets its output, the diode line clears it.
    std::vector<NetMember> vdd = {{"U1", "16"}, {"U2", "14"}, {"U2", "5"}, {"C3", "1"}, {"C4", "1"}, {"R3", "1"},
                                  {"R5", "1"}};
    // The unused half of the CD4013 has its inputs tied low, as CMOS inputs must not float.
    std::vector<NetMember> vss = {{"U1", "8"}, {"U2", "7"}, {"U2", "8"}, {"U2", "9"}, {"U2", "10"}, {"U2", "11"},
                                  {"C4", "2"}, {"R6", "2"}, {"TR1", "3"}};
    std::vector<NetMember> raz = {{"U1", "12"}, {"C3", "2"}, {"R6", "1"}, {"U2", "6"}};
    if (cascade) {
        vdd.push_back({SecondCounterReference, "16"});
        vss.push_back({SecondCounterReference, "8"});
        raz.push_back({SecondCounterReference, resetPin(second)});
    }
    b.net("VDD", std::move(vdd));
    b.net("VSS", std::move(vss));
    b.net("OSC", {{"R1", "1"}, {"R2", "1"}, {"C2", "1"}});
    b.net("PHI_I", {{"R1", "2"}, {"U1", "11"}});
    if (trimmer) {
        b.net("TALON", {{"R2", "2"}, {"P1", "1"}});
        // The wiper joins its end: a worn track then adds to the setting instead of opening it.
        b.net("PHI_O_N", {{"U1", "10"}, {"P1", "2"}, {"P1", "3"}});
    } else {
        b.net("PHI_O_N", {{"U1", "10"}, {"R2", "2"}});
    }
    b.net("PHI_O", {{"U1", "9"}, {"C2", "2"}});
    b.net("RAZ", std::move(raz));
    // A stage's net is named after it ("Q14", "Q20"): U1's Q14 clocks U3, the top stage the flip-flop,
    // and a marked stage's diode joins the net of its stage.
    const int top = design.topStage();
    std::vector<std::pair<int, std::vector<NetMember>>> stages = {{14, {{"U1", counterPin(14)}}}};
    if (cascade) {
        stages.front().second.push_back({SecondCounterReference, clockPin(second)});
        // A top stage without a pin (a CD4020's Q2) leaves the flip-flop's clock alone on its net.
        stages.push_back({top, {}});
        if (const NetMember pin = stagePin(design, top); !pin.pin.empty())
            stages.back().second.push_back(pin);
    }
    stages.back().second.push_back({"U2", "3"});
    std::vector<NetMember> line = {{"R3", "2"}, {"U2", "4"}};
    for (std::size_t i = 0; i < circuit.diodeOutputs.size(); ++i) {
        const std::string diode = "D" + std::to_string(i + 1);
        line.push_back({diode, "2"});
        const int stage = circuit.diodeOutputs[i];
        const auto known = std::find_if(stages.begin(), stages.end(), [stage](const auto &s) { return s.first == stage; });
        if (known != stages.end())
            known->second.push_back({diode, "1"});
        else
            stages.push_back({stage, {stagePin(design, stage), {diode, "1"}}});
    }
    for (auto &[stage, members] : stages)
        b.net("Q" + std::to_string(stage), std::move(members));
    b.net("DIODES", std::move(line));
    b.net("SORTIE", {{"U2", "1"}, {"R4", "1"}});
    b.net("BASE", {{"R4", "2"}, {"TR1", "2"}});
    b.net("LED_K", {{"TR1", "1"}, {"LED1", "1"}});
    b.net("LED_A", {{"LED1", "2"}, {"R5", "2"}});
    return circuit;
}

} // namespace calc
