#include "calc/nomenclature.h"

#include "calc/numbertext.h"
#include "calc/realtiming.h"
#include "calc/sentence.h"
#include "calc/tables.h"

#include <algorithm>

namespace calc {

namespace {

const std::string Dash = "—";

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A component text as typed, with its unit; an empty text reads as 0, as zone D reads it.
std::string typed(const std::string &text, const char *unit)
{
    const std::string value = trimmed(text);
    return (value.empty() ? std::string("0") : value) + " " + unit;
}

std::string kilohms(double value, char separator) { return formatGeneral(value, separator) + " kΩ"; }

void addTrimmer(Nomenclature &parts, const RealDesign &design, double potentiometer, const Words &words)
{
    if (!parts.designed) {
        parts.lines.push_back({"P1", 1, Dash, words.translate("Nomenclature", "ajustable en série avec le talon"), {}});
        return;
    }
    const std::string setting = kilohms(potentiometer, design.separator);
    const auto trimmer =
        std::find_if(Trimmers.begin(), Trimmers.end(), [&](double value) { return value >= potentiometer; });
    if (trimmer == Trimmers.end())
        parts.lines.push_back(
            {"P1", 1, typed(design.potentiometerText, "kΩ"),
             sentence(words.translate("Nomenclature", "en série avec le talon : aucun ajustable courant n'atteint %1"),
                      {setting}),
             {}});
    else
        parts.lines.push_back(
            {"P1", 1, kilohms(*trimmer, design.separator),
             sentence(words.translate("Nomenclature", "ajustable en série avec le talon, réglé à %1"), {setting}),
             setting});
}

std::string diodeReferences(std::size_t count, const Words &words)
{
    if (count == 1)
        return "D1";
    if (count == 2)
        return words.translate("Nomenclature", "D1 et D2");
    return sentence(words.translate("Nomenclature", "D1 à %1"), {"D" + std::to_string(count)});
}

} // namespace

std::string outputNames(const std::vector<int> &outputs, const Words &words)
{
    if (outputs.empty())
        return {};
    std::string names;
    for (std::size_t i = 0; i < outputs.size(); ++i)
        names += (i ? ", Q" : "Q") + std::to_string(outputs[i]);
    return sentence(outputs.size() == 1 ? words.translate("Nomenclature", "sortie %1")
                                        : words.translate("Nomenclature", "sorties %1"),
                    {names});
}

Nomenclature nomenclature(const RealDesign &design, const Words &words)
{
    Nomenclature parts;
    for (int n = 1; n <= OutputCount; ++n)
        if (design.pattern & (1 << (n - 1)))
            (isPinless(n) ? parts.unwired : parts.diodeOutputs).push_back(n);
    parts.designed = design.hasParts();
    const bool d = parts.designed;

    auto add = [&parts](std::string reference, int quantity, std::string value, std::string role) {
        parts.lines.push_back({std::move(reference), quantity, std::move(value), std::move(role), {}});
    };
    add("U1", 1, "CD4060", words.translate("Nomenclature", "compteur à 14 étages et son oscillateur"));
    add("U2", 1, "CD4013", words.translate("Nomenclature", "bascule D (une des deux)"));
    add("R2", 1, d ? typed(design.talonText, "kΩ") : Dash, words.translate("Nomenclature", "talon de l'oscillateur"));
    // A negative potentiometer is a typing slip, not a part.
    if (const double potentiometer = readNumber(design.potentiometerText); potentiometer > 0)
        addTrimmer(parts, design, potentiometer, words);
    add("C2", 1, d ? typed(design.capacitorText, "nF") : Dash, words.translate("Nomenclature", "condensateur de l'oscillateur"));
    // The value zone D's caption names ("560 Kohm", "1 Mo"), in kΩ like every other resistor.
    add("Rs", 1, d ? kilohms(seriesResistor(design.resistance()), design.separator) : Dash,
        words.translate("Nomenclature", "résistance série de l'oscillateur"));
    add("C3", 1, "100 nF", words.translate("Nomenclature", "remise à zéro à la mise sous tension"));
    add("R6", 1, "100 kΩ", words.translate("Nomenclature", "remise à zéro à la mise sous tension"));
    add("C4", 1, "100 nF", words.translate("Nomenclature", "découplage de l'alimentation du CD4060, au plus près de U1"));
    if (!parts.diodeOutputs.empty())
        add(diodeReferences(parts.diodeOutputs.size(), words), static_cast<int>(parts.diodeOutputs.size()),
            "1N4148", outputNames(parts.diodeOutputs, words));
    add("R3", 1, "100 kΩ", words.translate("Nomenclature", "rappel de la ligne de diodes"));
    add("R4", 1, "10 kΩ", words.translate("Nomenclature", "base du transistor"));
    add("TR1", 1, "BC547", words.translate("Nomenclature", "commande de la LED"));
    add("R5", 1, "1 kΩ", words.translate("Nomenclature", "limite le courant de la LED"));
    add("LED", 1, "LED", words.translate("Nomenclature", "témoin du pulse"));
    return parts;
}

std::vector<std::string> nomenclatureNotes(const Nomenclature &parts, const Words &words)
{
    std::vector<std::string> notes;
    if (!parts.designed)
        notes.push_back(words.translate("Nomenclature", "Montage non calculé : les valeurs « — » viendront du calcul "
                                                        "et de la conversion E24/E12 de la fenêtre principale."));
    if (!parts.unwired.empty())
        notes.push_back(sentence(words.translate("Nomenclature", "Non câblées, faute de broche sur le CD4060 : %1."),
                                 {outputNames(parts.unwired, words)}));
    if (parts.diodeOutputs.empty())
        notes.push_back(
            words.translate("Nomenclature", "Aucune sortie à diode : la bascule reste à zéro et la LED éteinte."));
    return notes;
}

std::string nomenclatureText(const Nomenclature &parts, std::string_view indent, const Words &words)
{
    std::string text;
    for (const NomenclatureLine &line : parts.lines)
        text.append(indent).append(line.reference + " — " + std::to_string(line.quantity) + " — " +
                                   line.value + " — " + line.role + "\n");
    for (const std::string &note : nomenclatureNotes(parts, words))
        text.append(indent).append(note + "\n");
    return text;
}

} // namespace calc
