#include "report/json.h"

#include "report/chronogram.h"
#include "report/jsonwriter.h"
#include "report/keys.h"
#include "report/longperiod.h"

#include "calc/circuit.h"
#include "calc/nomenclature.h"
#include "calc/tables.h"

#include <QJsonDocument>

#include <bit>

namespace report {

namespace {

// ["On","",...]: written whole, for every line of a batch.
void writeOutputs(JsonWriter &json, const std::array<bool, 14> &on)
{
    char array[4 + 5 * calc::OutputCount];
    char *end = array;
    *end++ = '[';
    for (std::size_t n = 1; n <= calc::OutputCount; ++n) {
        for (const char c : std::string_view(on[n] ? "\"On\"," : "\"\","))
            *end++ = c;
    }
    end[-1] = ']';
    json.raw(std::string_view(array, static_cast<std::size_t>(end - array)));
}

void writeOptional(JsonWriter &json, const std::optional<double> &value)
{
    if (value)
        json.number(*value);
    else
        json.null();
}

void writePrecision(JsonWriter &json, const calc::Precision &p, const calc::RealDesign &real, const Sections &sections)
{
    json.beginObject();
    if (!p.assessable) {
        json.endObject();
        return;
    }
    for (const Value &value : precisionValues(p)) {
        json.key(value.key);
        writeOptional(json, value.number);
    }
    json.key(key::ajustable_verdict).string(verdictWord(p.trimmer.verdict));

    json.key(key::T1_proches).beginArray();
    for (const calc::PulseChoice &pulse : p.pulses) {
        const bool exists = pulse.n > 0;
        json.beginObject().key(key::n);
        writeOptional(json, exists ? std::optional<double>(pulse.n) : std::nullopt);
        json.key(key::sorties).beginArray();
        for (int output : calc::outputsOf(pulse.n))
            json.integer(output);
        json.endArray().key(key::T1);
        writeOptional(json, exists ? std::optional(pulse.T1) : std::nullopt);
        json.key(key::ecart);
        writeOptional(json, pulse.error);
        json.endObject();
    }
    json.endArray().key(key::solutions).beginArray();
    for (const calc::Solution &s : p.solutions)
        json.beginObject()
            .key(key::C2).number(s.C2)
            .key(key::talon).number(s.talon)
            .key(key::T).number(s.T)
            .key(key::ecart).number(s.error)
            .endObject();
    json.endArray().key(key::regles).beginArray();
    for (const calc::Rule &rule : p.rules)
        json.beginObject()
            .key(key::regle).string(calc::ruleCaption(rule.id, real.separator))
            .key(key::respectee).boolean(rule.met)
            .endObject();
    json.endArray();
    if (sections.measuredT) {
        json.key(key::K4060_calibre);
        writeOptional(json, acceptedCalibration(real, *sections.measuredT));
    }
    json.endObject();
}

void writeNomenclature(JsonWriter &json, const calc::RealDesign &design)
{
    json.beginArray();
    for (const calc::NomenclatureLine &line : calc::nomenclature(design).lines)
        json.beginObject()
            .key(key::reference).string(line.reference)
            .key(key::quantite).integer(line.quantity)
            .key(key::valeur).string(line.value)
            .key(key::role).string(line.role)
            .endObject();
    json.endArray();
}

// Keys sorted, as everywhere in the object.
void writeCircuit(JsonWriter &json, const calc::RealDesign &design)
{
    const calc::Circuit circuit = calc::circuitOf(design);
    json.beginObject().key(key::composants).beginArray();
    for (const calc::Component &c : circuit.components)
        json.beginObject()
            .key(key::empreinte).string(c.footprint)
            .key(key::reference).string(c.reference)
            .key(key::role).string(c.role)
            .key(key::valeur).string(c.value)
            .endObject();
    json.endArray().key(key::reseaux).beginArray();
    for (const calc::Net &net : circuit.nets) {
        json.beginObject().key(key::membres).beginArray();
        for (const calc::NetMember &member : net.members)
            json.beginArray().string(member.reference).string(member.pin).endArray();
        json.endArray().key(key::nom).string(net.name).endObject();
    }
    json.endArray().endObject();
}

// The rules of a long design as JSON writes them, captions in French with a point: the sixteen
// arrays are made once, not for every line of a batch.
const std::string &rulesJson(const std::array<calc::Rule, calc::AllRules.size()> &rules)
{
    constexpr std::size_t Count = calc::AllRules.size();
    static const std::array<std::string, std::size_t{1} << Count> arrays = [] {
        std::array<std::string, std::size_t{1} << Count> made;
        for (std::size_t met = 0; met < made.size(); ++met) {
            JsonWriter json(made[met]);
            json.beginArray();
            for (std::size_t i = 0; i < Count; ++i)
                json.beginObject()
                    .key(key::regle).string(calc::ruleCaption(calc::AllRules[i], '.'))
                    .key(key::respectee).boolean((met >> i) & 1)
                    .endObject();
            json.endArray();
        }
        return made;
    }();
    std::size_t met = 0;
    for (std::size_t i = 0; i < Count; ++i)
        met |= static_cast<std::size_t>(rules[i].met) << i;
    return arrays[met];
}

} // namespace

const JsonResults::Lists &JsonResults::lists(const calc::SeriesPosition &series, char separator)
{
    for (const Lists &known : m_lists)
        if (known.decade == series.decade && known.step == series.step && known.separator == separator)
            return known;
    constexpr std::size_t Kept = 64; // decades of a realistic batch; beyond, the oldest goes
    if (m_lists.size() == Kept)
        m_lists.erase(m_lists.begin());
    Lists &made = m_lists.emplace_back();
    made.decade = series.decade;
    made.step = series.step;
    made.separator = separator;
    JsonWriter fixed(made.fixed);
    JsonWriter potentiometer(made.potentiometer);
    fixed.beginArray();
    potentiometer.beginArray().string("0");
    for (int position = 0; position < series.count; ++position) {
        fixed.string(calc::seriesItem(series, position, false, separator));
        potentiometer.string(calc::seriesItem(series, position, true, separator));
    }
    fixed.endArray();
    potentiometer.endArray();
    return made;
}

// Keys in the order QJsonObject keeps them (sorted), so a batch line reads like --json.
void JsonResults::append(std::string &out, const calc::Road &road, const Sections &sections, long long line)
{
    JsonWriter json(out);
    const calc::Design &design = road.design;
    const calc::RealDesign &real = road.real;
    json.beginObject();
    if (road.designed)
        json.key(key::CondensateurCalcul1).string(design.C2Caption);
    if (road.converted)
        json.key(key::CondensateurReel).string(real.capacitorText);
    json.key(key::FrequenceOscillateur1).string(road.labelText);
    if (road.converted)
        json.key(key::FrequenceOscillateur3).string(real.shown.FrequenceOscillateur);
    if (road.designed) {
        json.key(key::Motif_Q).integer(design.Motif_Q).key(key::QcOnOff);
        writeOutputs(json, design.on);
    }
    if (road.converted) {
        json.key(key::QrOnOff);
        writeOutputs(json, calc::outputsOfPattern(real.pattern));
    }
    if (road.designed)
        json.key(key::ResistanceCalcul1).string(design.R2Caption);
    if (road.converted) {
        const Lists &items = lists(road.series, real.separator);
        json.key(key::ResistanceCombo0).beginObject()
            .key(key::items).raw(items.fixed)
            .key(key::selected).integer(road.series.selected)
            .endObject();
        json.key(key::ResistanceCombo1).beginObject()
            .key(key::items).raw(items.potentiometer)
            .key(key::selected).integer(0)
            .endObject();
        json.key(key::T1_reel).string(real.shown.T1_reel);
        json.key(key::T_reel).string(real.shown.T_reel);
        json.key(key::ValeurRs).string(real.shown.ValeurRs);
    }
    if (road.alarmsKnown) {
        json.key(key::alarmes).beginArray();
        for (int alarm : road.alarms)
            json.integer(alarm);
        json.endArray();
    }
    if (road.stop != calc::Stop::None)
        json.key(key::arret).string(stopSentence(road.stop));
    if (sections.chronogramme && road.converted) {
        json.key(key::chronogramme);
        writeChronogram(json, real);
    }
    if (sections.circuit) {
        json.key(key::circuit);
        writeCircuit(json, real);
    }
    if (line > 0)
        json.key(key::ligne).integer(line);
    if (sections.nomenclature) {
        json.key(key::nomenclature);
        writeNomenclature(json, real);
    }
    if (const std::optional<calc::Precision> precision = precisionOf(road, sections)) {
        json.key(key::precision);
        writePrecision(json, *precision, real, sections);
    }
    json.key(key::valeurs).beginObject();
    for (const Value &value : values(road))
        if (value.number)
            json.key(value.key).number(*value.number);
    json.endObject();
    json.endObject();
}

// Keys sorted, as QJsonObject keeps them: a batch line reads like --json.
void appendLongJson(std::string &out, const calc::LongRoad &road, const calc::RealDesign &real,
                    const Sections &sections, long long line)
{
    JsonWriter json(out);
    const calc::LongDesign &d = road.design;
    const bool timed = road.timing.has_value();
    json.beginObject();
    if (d.refusal != calc::LongRefusal::None)
        json.key(key::arret).string(longRefusalSentence(road));
    if (sections.chronogramme && timed) {
        json.key(key::chronogramme);
        writeChronogram(json, real);
    }
    if (sections.circuit && timed) {
        json.key(key::circuit);
        writeCircuit(json, real);
    }
    if (line > 0)
        json.key(key::ligne).integer(line);
    json.key(key::montage).beginObject().key(key::compteur2).string(calc::counterName(road.entry.counter));
    if (d.stage > 0) // none before the road chose one (T or T1 refused)
        json.key(key::etage).integer(d.stage);
    json.key(key::type).string(key::cascade).endObject();
    if (sections.nomenclature && timed) {
        json.key(key::nomenclature);
        writeNomenclature(json, real);
    }
    if (sections.precision && timed) {
        json.key(key::precision);
        writePrecision(json, calc::assessPrecision(real, real.tolerances), real, sections);
    }
    if (timed)
        json.key(key::regles).raw(rulesJson(road.timing->rules));
    json.key(key::valeurs).beginObject();
    for (const Value &value : longValues(road)) {
        if (value.key == key::talon && timed) {
            json.key(key::sorties).beginArray();
            for (std::uint64_t marks = road.parts.marks; marks != 0; marks &= marks - 1)
                json.integer(std::countr_zero(marks) + 1);
            json.endArray();
        }
        if (value.number)
            json.key(value.key).number(*value.number);
        else if (value.key == key::ajustable && timed)
            json.key(value.key).null(); // no standard trimmer reaches the setting
    }
    json.endObject().endObject();
}

QByteArray longJson(const calc::LongRoad &road, const calc::RealDesign &real, const Sections &sections)
{
    std::string compact;
    appendLongJson(compact, road, real, sections);
    return QJsonDocument::fromJson(QByteArray::fromStdString(compact)).toJson(QJsonDocument::Indented);
}

void appendJsonError(std::string &out, long long line, std::string_view message)
{
    JsonWriter(out).beginObject().key(key::erreur).string(message).key(key::ligne).integer(line).endObject();
}

QByteArray jsonDocument(const calc::Road &road, const Sections &sections)
{
    std::string compact;
    JsonResults().append(compact, road, sections);
    return QJsonDocument::fromJson(QByteArray::fromStdString(compact)).toJson(QJsonDocument::Indented);
}

} // namespace report
