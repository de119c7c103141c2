// The parts list on arbitrary marks and field texts: one diode per marked output that has a
// pin, the pinless marks reported, the talon and C2 as typed, a trimmer that reaches the
// potentiometer, resistors in kΩ and capacitors in nF; the circuit joins each pin at most once.

#include "check.h"
#include "designinput.h"
#include "calc/nomenclature.h"
#include "calc/tables.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace {

std::string trimmedField(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

const calc::NomenclatureLine *lineOf(const calc::Nomenclature &parts, std::string_view reference)
{
    const auto found = std::find_if(parts.lines.begin(), parts.lines.end(),
                                    [&](const calc::NomenclatureLine &line) { return line.reference == reference; });
    return found == parts.lines.end() ? nullptr : &*found;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    calc::RealDesign design = fuzz::designFrom(input);
    if (input.ConsumeBool()) // a caption zone D never writes
        design.shown.ValeurRs = fuzz::fieldText(input, 0, 1000, design.separator);
    const std::string detail = fuzz::describe(design) + " Rs " + fuzz::visible(design.shown.ValeurRs);
    const calc::Nomenclature parts = calc::nomenclature(design);

    std::vector<int> pinned, pinless;
    for (int output = 1; output <= calc::OutputCount; ++output)
        if (design.pattern & (1 << (output - 1)))
            (calc::isPinless(output) ? pinless : pinned).push_back(output);
    FUZZ_CHECK(parts.diodeOutputs == pinned && parts.unwired == pinless, detail);
    FUZZ_CHECK(parts.designed == design.hasParts(), detail);

    // One line for all the diodes, as many as marked outputs with a pin.
    int diodeLines = 0;
    for (const calc::NomenclatureLine &line : parts.lines) {
        FUZZ_CHECK(line.quantity >= 1 && !line.reference.empty() && !line.value.empty() && line.reference != "T1",
                   detail);
        if (line.value != "—" && std::string_view("RPC").find(line.reference[0]) != std::string_view::npos)
            FUZZ_CHECK(line.value.ends_with(line.reference[0] == 'C' ? " nF" : " kΩ"), detail + " " + line.value);
        if (line.reference.starts_with("D1")) {
            ++diodeLines;
            FUZZ_CHECK(line.value == "1N4148" && line.quantity == int(pinned.size())
                           && line.role == calc::outputNames(pinned),
                       detail);
            FUZZ_CHECK(line.reference.ends_with("D" + std::to_string(pinned.size())), detail + " " + line.reference);
        }
    }
    FUZZ_CHECK(diodeLines == (pinned.empty() ? 0 : 1), detail);

    // The oscillator's parts: the texts of the design, or a dash before any design.
    const std::pair<const char *, std::string> typed[] = {{"R2", design.talonText}, {"C2", design.capacitorText}};
    for (const auto &[reference, text] : typed) {
        const calc::NomenclatureLine *line = lineOf(parts, reference);
        FUZZ_CHECK(line != nullptr, detail + " no " + reference);
        if (!parts.designed) {
            FUZZ_CHECK(line->value == "—", detail);
            continue;
        }
        const std::string field = trimmedField(text);
        FUZZ_CHECK(line->value.starts_with(field.empty() ? std::string("0") : field), detail + " " + reference + " "
                                                                                         + fuzz::visible(line->value));
        FUZZ_CHECK(line->value.ends_with(std::string_view(reference) == "C2" ? " nF" : " kΩ"), detail);
    }
    const auto kilohms = [&](double value) { return calc::formatGeneral(value, design.separator) + " kΩ"; };
    const calc::NomenclatureLine *rs = lineOf(parts, "R1");
    FUZZ_CHECK(rs && rs->value == (parts.designed ? kilohms(calc::seriesResistor(design.resistance())) : "—"),
               detail);

    // A standard trimmer that reaches the potentiometer, dialled to it; none for 0. Without a wanted
    // period the precision advises none: the smallest that reaches it.
    const double potentiometer = calc::readNumber(design.potentiometerText);
    const calc::NomenclatureLine *trimmer = lineOf(parts, "P1");
    FUZZ_CHECK((trimmer != nullptr) == (potentiometer > 0), detail);
    if (trimmer && parts.designed) {
        const auto reaches = std::find_if(calc::Trimmers.begin(), calc::Trimmers.end(),
                                          [&](double value) { return value >= potentiometer; });
        if (reaches == calc::Trimmers.end())
            FUZZ_CHECK(trimmer->value.starts_with(trimmedField(design.potentiometerText)) && trimmer->setting.empty(),
                       detail + " " + fuzz::visible(trimmer->value));
        else {
            const auto bought = std::find_if(calc::Trimmers.begin(), calc::Trimmers.end(),
                                             [&](double value) { return trimmer->value == kilohms(value); });
            FUZZ_CHECK(bought != calc::Trimmers.end() && *bought >= potentiometer
                           && (design.T > 0 || bought == reaches) && trimmer->setting == kilohms(potentiometer)
                           && trimmer->role.ends_with(trimmer->setting),
                       detail + " " + trimmer->value);
        }
    }

    // The text: one line per part, then the notes; the pinless outputs named in a note.
    const std::string text = calc::nomenclatureText(parts, "  ");
    const std::vector<std::string> notes = calc::nomenclatureNotes(parts);
    FUZZ_CHECK(std::size_t(std::count(text.begin(), text.end(), '\n')) == parts.lines.size() + notes.size(), detail);
    const bool named = std::any_of(notes.begin(), notes.end(), [&](const std::string &note) {
        return note.find(calc::outputNames(pinless)) != std::string::npos;
    });
    FUZZ_CHECK(pinless.empty() || named, detail);
    FUZZ_CHECK(notes.empty() == (parts.designed && !pinned.empty() && pinless.empty()), detail);

    const calc::Circuit circuit = calc::circuitOf(design);
    std::vector<calc::NetMember> joined;
    for (const calc::Net &net : circuit.nets)
        for (const calc::NetMember &member : net.members) {
            FUZZ_CHECK(std::find(joined.begin(), joined.end(), member) == joined.end(), detail + " " + member.reference);
            joined.push_back(member);
        }
    return 0;
}
