#include "report/kicadschematic.h"
#include "report/sexpr.h"

#include "calc/circuit.h"
#include "calc/longperiod.h"
#include "calc/realtiming.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <map>
#include <optional>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One line per net, its members ("U1/3 U2/3") in order, the lines in order.
QString sortedNets(QStringList nets)
{
    for (QString &net : nets)
        net = [](QStringList members) { return members.sort(), members.join(u' '); }(
            net.split(u' ', Qt::SkipEmptyParts));
    nets.sort();
    return nets.join(u'\n');
}

// What KiCad's netlist export read: "nets", "U1/value", "U1/footprint", "CD4060/16" (the pin's
// name and type), "title" and "note" (the title block's second comment).
std::map<QString, QString> readNetlist(const QString &path)
{
    std::map<QString, QString> texts;
    QStringList nets;
    QXmlStreamReader xml(contents(path));
    QString part, parent;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        const auto attribute = [&xml](const char *key) {
            return xml.attributes().value(QLatin1String(key)).toString();
        };
        if (name == u"net")
            nets << QString();
        else if (name == u"node")
            nets.last() += attribute("ref") + u'/' + attribute("pin") + u' ';
        else if (name == u"comp" || name == u"libpart")
            part = attribute(name == u"comp" ? "ref" : "part"), parent = name;
        else if (parent == u"comp" && (name == u"value" || name == u"footprint"))
            texts[part + u'/' + name] = xml.readElementText();
        else if (parent == u"libpart" && name == u"pin")
            texts[part + u'/' + attribute("num")] = attribute("name") + u' ' + attribute("type");
        else if (name == u"title")
            texts[name] = xml.readElementText();
        else if (name == u"comment" && attribute("number") == u"2")
            texts[QStringLiteral("note")] = attribute("value");
    }
    texts[QStringLiteral("nets")] = sortedNets(nets);
    return texts;
}

struct SchematicCase {
    const char *name;
    std::string talon, potentiometer, capacitor;
    int pattern;
    QString title, note;
    // A timer of two counters designed by the long road for T and T1 (seconds), its own parts.
    std::optional<calc::SecondCounter> counter = {};
    double T = 0, T1 = 0;
};

calc::RealDesign designOf(const SchematicCase &c)
{
    if (c.counter) {
        const calc::LongRoad road = calc::longRoad({.T = c.T, .T1 = c.T1, .counter = *c.counter, .stage = {}, .tolerances = {}});
        return calc::realDesignOf(road.entry, road.design.stage, road.parts, 4, '.', calc::Notation::French);
    }
    return {.T = 3600, .T1 = 2, .talonText = c.talon, .potentiometerText = c.potentiometer,
            .capacitorText = c.capacitor, .pattern = static_cast<std::uint64_t>(c.pattern), .cascade = {},
            .tolerances = {}, .shown = calc::realTiming(c.talon, c.potentiometer, c.capacitor, c.pattern, 2.8e-6, 4, '.')};
}

// Kept out of KiCad's text markup by the writer, and invisible on the sheet.
constexpr QChar WordJoiner(0x2060);

class KicadSchematic : public testing::TestWithParam<SchematicCase> {};

// The same bytes twice; and KiCad itself as the judge: its rules check finds nothing but the
// libraries this machine lacks, its netlist holds the circuit's nets, values, footprints,
// pinouts and title.
TEST_P(KicadSchematic, PassesKicadsChecksWithTheCircuitsNets)
{
    const SchematicCase &c = GetParam();
    const calc::RealDesign design = designOf(c);
    const report::KicadTitle title{c.title, c.note, QDate(2025, 3, 14)};
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("montage.kicad_sch"));
    const QString again = dir.filePath(QStringLiteral("bis.kicad_sch"));
    ASSERT_TRUE(report::writeKicadSchematic(design, title, path).isEmpty()
                && report::writeKicadSchematic(design, title, again).isEmpty());
    EXPECT_EQ(contents(path), contents(again));
    const QString kicadCli = QStandardPaths::findExecutable(QStringLiteral("kicad-cli"));
    if (kicadCli.isEmpty())
        GTEST_SKIP() << "kicad-cli is not installed";

    // A clean user: KiCad keeps its settings under HOME.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), dir.path());
    for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "KICAD_CONFIG_HOME"})
        environment.remove(QLatin1String(variable));
    const QString erc = dir.filePath(QStringLiteral("erc.json")), netlist = dir.filePath(QStringLiteral("net.xml"));
    for (QStringList arguments : {QStringLiteral("sch erc --severity-all --format json -o").split(u' ') << erc,
                                  QStringLiteral("sch export netlist --format kicadxml -o").split(u' ') << netlist}) {
        QProcess kicad;
        kicad.setProcessEnvironment(environment);
        kicad.start(kicadCli, arguments << path);
        ASSERT_TRUE(kicad.waitForFinished(120000) && kicad.exitStatus() == QProcess::NormalExit
                    && kicad.exitCode() == 0)
            << arguments.join(u' ').toStdString() << kicad.readAllStandardError().toStdString();
    }
    QStringList violations;
    for (const QJsonValue sheet : QJsonDocument::fromJson(contents(erc)).object().value(u"sheets").toArray())
        for (const QJsonValue violation : sheet.toObject().value(u"violations").toArray()) {
            const QString type = violation.toObject().value(u"type").toString();
            if (type != u"lib_symbol_issues" && type != u"footprint_link_issues")
                violations << type + QStringLiteral(": ") + violation.toObject().value(u"description").toString();
        }
    EXPECT_TRUE(violations.isEmpty()) << violations.join(u'\n').toStdString();

    const calc::Circuit circuit = calc::circuitOf(design);
    QStringList expected;
    for (const calc::Net &net : circuit.nets) {
        expected << QString();
        for (const calc::NetMember &member : net.members)
            expected.last() += QString::fromStdString(member.reference + '/' + member.pin + ' ');
    }
    std::map<QString, QString> read = readNetlist(netlist);
    auto text = [&read](const QString &key) { return read[key].remove(WordJoiner); };
    for (const calc::Component &component : circuit.components) {
        const QString reference = QString::fromStdString(component.reference);
        EXPECT_EQ(text(reference + QStringLiteral("/value")).toStdString(), component.value);
        EXPECT_EQ(text(reference + QStringLiteral("/footprint")).toStdString(), component.footprint);
        const calc::Package &package = calc::package(component.kind);
        for (const calc::PinDefinition &pin : package.pins) {
            if (!circuit.netOf(component.reference, pin.number)) // alone on a net of its own
                expected << reference + u'/' + QLatin1String(pin.number);
            const char *types[] = {"input", "output", "bidirectional", "passive", "power_in"}; // PinType's order
            EXPECT_EQ(text(QLatin1String(package.symbol) + u'/' + QLatin1String(pin.number)),
                      QString::fromUtf8(pin.name) + u' ' + QLatin1String(types[static_cast<int>(pin.type)]));
        }
    }
    EXPECT_EQ(text(QStringLiteral("nets")), sortedNets(expected));
    EXPECT_EQ(text(QStringLiteral("title")),
              c.title.isEmpty() ? QStringLiteral("Multivibrateur longue période") : c.title.simplified());
    EXPECT_EQ(text(QStringLiteral("note")), c.note.simplified());
}

const std::string Huge(300, '9');
const QString Hostile = QStringLiteral("Réveil \"cuisine\" \\ (été) ((a) b\nc) ~{Q} ${X} _{1}");

INSTANTIATE_TEST_SUITE_P(
    Designs, KicadSchematic,
    testing::Values(SchematicCase{"no_mark", "150", "0", "1000", 0, {}, {}},
                    SchematicCase{"one_mark", "150", "0", "1000", 1 << 12, QStringLiteral("Aquarium"), {}},
                    SchematicCase{"every_mark", "150", "0", "1000", 8191, {}, {}},
                    SchematicCase{"pinless_marks_only", "150", "0", "1000", 1 | 2 | 4 | 1 << 10, {}, {}},
                    SchematicCase{"trimmer_not_designed", "", "51", "", 1 << 5 | 1 << 8, {}, {}},
                    SchematicCase{"trimmer", "150", "51,215", "1000", 1 << 5 | 1 << 8, {}, {}},
                    SchematicCase{"largest_parts", Huge, Huge, Huge, 8191, {}, {}},
                    SchematicCase{"hostile_texts", "15\"0\\\n\t(${R}", "0", "1000", 1 << 3, Hostile, Hostile},
                    // Diodes on both counters, U1's Q14 among them; the top stage on each counter's last pin.
                    SchematicCase{"cd4040_day", {}, {}, {}, 0, {}, {}, calc::SecondCounter::CD4040, 86400, 30000},
                    SchematicCase{"cd4020_month", {}, {}, {}, 0, {}, {}, calc::SecondCounter::CD4020, 2592000, 1000000},
                    SchematicCase{"cd4060_week", {}, {}, {}, 0, {}, {}, calc::SecondCounter::CD4060, 604800, 200000}),
    [](const auto &info) { return std::string(info.param.name); });

// Bytes KiCad's reader would take for the end of a line or of a string, and lengths in mils.
TEST(SexprWriter, EscapesEveryStringAndWritesMillimetres)
{
    report::SexprWriter w;
    w.list("t").string("a\"b\\c\nd\re\x01" "7é").mm(50).mm(-300).mm(1).mm(0).close();
    EXPECT_EQ(w.take(), QByteArray("(t \"a\\\"b\\\\c\\nd\\re\\0017é\" 1.27 -7.62 0.0254 0)\n"));
}

// A folder, or a folder that is not there: a message naming the file, and no file.
TEST(KicadSchematicSave, RefusedPathGivesAMessageAndNoFile)
{
    const QTemporaryDir dir;
    for (const QString &path : {dir.path(), dir.filePath(QStringLiteral("absent/montage.kicad_sch"))})
        EXPECT_TRUE(report::writeKicadSchematic({}, {}, path).contains(path));
    EXPECT_TRUE(report::writeKicadSchematic({}, {}, dir.path()).contains(QStringLiteral("dossier")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

} // namespace
