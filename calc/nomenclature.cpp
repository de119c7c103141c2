#include "calc/nomenclature.h"

#include "calc/sentence.h"

namespace calc {

namespace {

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
    // A stage of the second counter names its counter, and then every stage does.
    const bool twoCounters = outputs.back() > 14;
    std::string names;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const int stage = outputs[i];
        names += i ? ", " : "";
        if (twoCounters)
            names += stage > 14 ? std::string(SecondCounterReference) + " Q" + std::to_string(stage - 14)
                                : "U1 Q" + std::to_string(stage);
        else
            names += "Q" + std::to_string(stage);
    }
    return sentence(outputs.size() == 1 ? words.translate("Nomenclature", "sortie %1")
                                        : words.translate("Nomenclature", "sorties %1"),
                    {names});
}

Nomenclature nomenclature(const Circuit &circuit, const Words &words)
{
    Nomenclature parts{circuit.diodeOutputs, circuit.unwired, circuit.designed, {}};
    for (const Component &c : circuit.components) {
        if (c.kind != PackageKind::Diode)
            parts.lines.push_back({c.reference, 1, c.value, c.role, c.setting});
        // The diodes are bought together: one line where the first one stands.
        else if (c.reference == "D1")
            parts.lines.push_back({diodeReferences(parts.diodeOutputs.size(), words),
                                   static_cast<int>(parts.diodeOutputs.size()), c.value,
                                   outputNames(parts.diodeOutputs, words), {}});
    }
    return parts;
}

Nomenclature nomenclature(const RealDesign &design, const Words &words)
{
    return nomenclature(circuitOf(design, words), words);
}

std::vector<std::string> nomenclatureNotes(const Nomenclature &parts, const Words &words)
{
    std::vector<std::string> notes;
    if (!parts.designed)
        notes.push_back(words.translate("Nomenclature", "Montage non calculé : les valeurs « — » viendront du calcul "
                                                        "et de la conversion E24/E12 de la fenêtre principale."));
    if (!parts.unwired.empty())
        notes.push_back(sentence(parts.unwired.back() > 14
                                     ? words.translate("Nomenclature", "Non câblées, faute de broche sur les compteurs : %1.")
                                     : words.translate("Nomenclature", "Non câblées, faute de broche sur le CD4060 : %1."),
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
