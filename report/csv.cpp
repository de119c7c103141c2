#include "report/csv.h"

#include "report/jsonwriter.h"
#include "report/keys.h"
#include "report/longperiod.h"

#include "calc/nomenclature.h"
#include "calc/tables.h"

#include <charconv>
#include <cmath>
#include <functional>

namespace report {

namespace {

void appendInteger(std::string &out, long long value)
{
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

void appendField(std::string &out, std::string_view text)
{
    if (text.find_first_of(";\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

std::string number(const std::optional<double> &value)
{
    std::string text;
    if (value && std::isfinite(*value))
        appendNumber(text, *value);
    return text;
}

// "Q4 Q12": the outputs marked "On".
std::string outputNames(const std::array<bool, 14> &on)
{
    std::string names;
    for (int n = 1; n <= calc::OutputCount; ++n) {
        if (!on[static_cast<std::size_t>(n)])
            continue;
        if (!names.empty())
            names += ' ';
        names += 'Q';
        appendInteger(names, n);
    }
    return names;
}

// The zone columns after "ligne", "T" and "T1", as the window lays them out.
constexpr std::array ZoneColumns = {key::FrequenceOscillateur1, key::Motif_Q, key::QcOnOff,
                                    key::CondensateurCalcul1, key::ResistanceCalcul1, key::CondensateurReel,
                                    key::ResistanceCombo0, key::ResistanceCombo1, key::QrOnOff,
                                    key::FrequenceOscillateur3, key::T_reel, key::T1_reel, key::ValeurRs,
                                    key::alarmes, key::arret, key::erreur};

using Field = std::function<void(std::string_view column, const std::string &text)>;

std::string column(const char *section, std::string_view name, int index = -1, const char *member = nullptr)
{
    std::string text = std::string(section) + '.' + std::string(name);
    if (index >= 0)
        text += '(' + std::to_string(index) + ')';
    if (member)
        text += std::string(".") + member;
    return text;
}

// The columns of zone E and their texts; empty texts where there is nothing (no precision).
void precisionFields(const std::optional<calc::Precision> &precision, const calc::Road &road,
                     const Sections &sections, const Field &field)
{
    const bool ok = precision && precision->assessable;
    const calc::Precision p = ok ? *precision : calc::Precision{};
    auto put = [&](std::string_view name, const std::optional<double> &value) {
        field(column(key::precision, name), ok ? number(value) : std::string());
    };
    for (const Value &value : precisionValues(p))
        put(value.key, value.number);
    field(column(key::precision, key::ajustable_verdict), ok ? verdictWord(p.trimmer.verdict) : "");
    for (int i = 0; i < 2; ++i) {
        const calc::PulseChoice &pulse = p.pulses[static_cast<std::size_t>(i)];
        const bool exists = ok && pulse.n > 0;
        std::string outputs;
        for (int output : calc::outputsOf(exists ? pulse.n : 0))
            outputs += (outputs.empty() ? "Q" : " Q") + std::to_string(output);
        field(column(key::precision, key::T1_proches, i, key::n), exists ? std::to_string(pulse.n) : "");
        field(column(key::precision, key::T1_proches, i, key::sorties), outputs);
        field(column(key::precision, key::T1_proches, i, key::T1), exists ? number(pulse.T1) : "");
        field(column(key::precision, key::T1_proches, i, key::ecart), exists ? number(pulse.error) : "");
    }
    for (int i = 0; i < 5; ++i) {
        const bool exists = ok && static_cast<std::size_t>(i) < p.solutions.size();
        const calc::Solution s = exists ? p.solutions[static_cast<std::size_t>(i)] : calc::Solution{};
        field(column(key::precision, key::solutions, i, key::C2), exists ? number(s.C2) : "");
        field(column(key::precision, key::solutions, i, key::talon), exists ? number(s.talon) : "");
        field(column(key::precision, key::solutions, i, key::T), exists ? number(s.T) : "");
        field(column(key::precision, key::solutions, i, key::ecart), exists ? number(s.error) : "");
    }
    for (std::size_t i = 0; i < p.rules.size(); ++i)
        field(column(key::precision, key::regles, static_cast<int>(i), key::respectee),
              ok ? (p.rules[i].met ? "1" : "0") : "");
    if (sections.measuredT)
        field(column(key::precision, key::K4060_calibre),
              ok ? number(acceptedCalibration(road.real, *sections.measuredT)) : "");
}

std::string nomenclatureField(const calc::RealDesign &design)
{
    std::string text;
    for (const calc::NomenclatureLine &line : calc::nomenclature(design).lines) {
        if (!text.empty())
            text += " | ";
        text += line.reference + " — " + std::to_string(line.quantity) + " — " + line.value + " — " + line.role;
    }
    return text;
}

// After "valeurs", the sections asked for; `road` null for the header and for error rows.
void sectionFields(const calc::Road *road, const Sections &sections, const Field &field)
{
    const calc::Road none;
    if (sections.precision)
        precisionFields(road ? precisionOf(*road, sections) : std::nullopt, road ? *road : none, sections, field);
    if (sections.nomenclature)
        field(key::nomenclature, road ? nomenclatureField(road->real) : std::string());
}

void appendSections(std::string &out, const calc::Road *road, const Sections &sections)
{
    if (road) {
        for (const Value &value : values(*road)) {
            out += ';';
            if (value.number && std::isfinite(*value.number))
                appendNumber(out, *value.number);
        }
    } else {
        out.append(ValueCount, ';');
    }
    sectionFields(road, sections, [&out](std::string_view, const std::string &text) {
        out += ';';
        appendField(out, text);
    });
    out += '\n';
}

} // namespace

std::string csvHeader(const Sections &sections)
{
    std::string header = std::string(key::ligne) + ';' + key::T + ';' + key::T1;
    for (const char *name : ZoneColumns)
        header.append(1, ';').append(name);
    for (const Value &value : values(calc::Road{}))
        header.append(1, ';').append(column(key::valeurs, value.key));
    sectionFields(nullptr, sections, [&header](std::string_view name, const std::string &) {
        header.append(1, ';').append(name);
    });
    return header + '\n';
}

void appendCsvRow(std::string &out, const calc::Road &road, const Sections &sections, long long line)
{
    const calc::Design &d = road.design;
    const calc::RealDesign &real = road.real;
    auto next = [&out](std::string_view text) {
        out += ';';
        appendField(out, text);
    };
    appendInteger(out, line);
    next(road.periodText);
    next(road.pulseText);
    next(road.labelText);
    if (road.designed) {
        out += ';';
        appendInteger(out, d.Motif_Q);
        next(outputNames(d.on));
        next(d.C2Caption);
        next(d.R2Caption);
    } else {
        out.append(4, ';');
    }
    if (road.converted) {
        next(real.capacitorText);
        next(real.talonText);
        next(real.potentiometerText);
        next(outputNames(calc::outputsOfPattern(real.pattern)));
        next(real.shown.FrequenceOscillateur);
        next(real.shown.T_reel);
        next(real.shown.T1_reel);
        next(real.shown.ValeurRs);
    } else {
        out.append(8, ';');
    }
    out += ';';
    for (std::size_t i = 0; i < road.alarms.size(); ++i) {
        if (i > 0)
            out += ' ';
        appendInteger(out, road.alarms[i]);
    }
    next(stopSentence(road.stop));
    out += ';'; // erreur
    appendSections(out, &road, sections);
}

namespace {

constexpr std::array LongColumns = {key::compteur2, key::etage, key::sorties, key::arret, key::erreur};
constexpr std::size_t RuleCount = std::tuple_size_v<decltype(calc::LongTiming::rules)>;

// "valeurs", the rules and the sections of a long design; `road` null for an error row.
void appendLongSections(std::string &out, const calc::LongRoad *road, const calc::RealDesign &real,
                        const Sections &sections)
{
    const bool timed = road && road->timing;
    for (const Value &value : longValues(road ? *road : calc::LongRoad{})) {
        out += ';';
        if (road && value.number && std::isfinite(*value.number))
            appendNumber(out, *value.number);
    }
    for (std::size_t i = 0; i < RuleCount; ++i)
        out.append(timed ? (road->timing->rules[i].met ? ";1" : ";0") : ";");
    const auto field = [&out](std::string_view, const std::string &text) {
        out += ';';
        appendField(out, text);
    };
    if (timed && sections.anySection()) {
        const calc::Road tools = sectionsRoad(real);
        sectionFields(&tools, sections, field);
    } else {
        sectionFields(nullptr, sections, field);
    }
    out += '\n';
}

} // namespace

std::string longCsvHeader(const Sections &sections)
{
    std::string header = std::string(key::ligne) + ';' + key::T + ';' + key::T1;
    for (const char *name : LongColumns)
        header.append(1, ';').append(name);
    for (const Value &value : longValues(calc::LongRoad{}))
        header.append(1, ';').append(column(key::valeurs, value.key));
    for (std::size_t i = 0; i < RuleCount; ++i)
        header.append(1, ';').append(key::regles).append('(' + std::to_string(i) + ").").append(key::respectee);
    sectionFields(nullptr, sections, [&header](std::string_view name, const std::string &) {
        header.append(1, ';').append(name);
    });
    return header + '\n';
}

void appendLongCsvRow(std::string &out, const calc::LongRoad &road, const calc::RealDesign &real,
                      const Sections &sections, long long line, std::string_view period, std::string_view pulse)
{
    auto next = [&out](std::string_view text) {
        out += ';';
        appendField(out, text);
    };
    appendInteger(out, line);
    next(period);
    next(pulse);
    next(calc::counterName(road.entry.counter));
    out += ';';
    if (road.design.stage > 0)
        appendInteger(out, road.design.stage);
    std::string stages;
    for (int stage : markedStages(road.timing ? road.parts.marks : 0)) {
        if (!stages.empty())
            stages += ' ';
        appendInteger(stages, stage);
    }
    next(stages);
    next(longRefusalSentence(road));
    out += ';'; // erreur
    appendLongSections(out, &road, real, sections);
}

void appendLongCsvError(std::string &out, const Sections &sections, long long line, std::string_view message)
{
    appendInteger(out, line);
    out.append(2 + LongColumns.size(), ';'); // T, T1 and the montage, "erreur" last
    appendField(out, message);
    appendLongSections(out, nullptr, calc::RealDesign{}, sections);
}

void appendCsvError(std::string &out, const Sections &sections, long long line, std::string_view message)
{
    appendInteger(out, line);
    out.append(2 + ZoneColumns.size(), ';'); // T, T1 and the zones, "erreur" last
    appendField(out, message);
    appendSections(out, nullptr, sections);
}

} // namespace report
