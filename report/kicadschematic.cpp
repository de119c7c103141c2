#include "report/kicadschematic.h"

#include "report/savefile.h"
#include "report/sexpr.h"
#include "report/words.h"

#include "calc/circuit.h"
#include "calc/nomenclature.h"
#include "calc/numbertext.h"
#include "calc/tables.h"

#include <QCoreApplication>
#include <QUuid>

#include <algorithm>
#include <compare>
#include <cstdlib>
#include <deque>
#include <map>
#include <set>
#include <vector>

namespace report {

namespace {

struct KicadWords {
    Q_DECLARE_TR_FUNCTIONS(KicadSchematic)
};

// KiCad 6.0's format: KiCad 6 opens it and every later KiCad upgrades it.
constexpr int FileVersion = 20211123;
constexpr char Generator[] = "chronalys_cd4060";
constexpr char Library[] = "Chronalys";
constexpr int TextSize = 50; // mils, KiCad's 1.27 mm
// Title-block lines are one line each; a longer note stays whole in the design file.
constexpr qsizetype MaxTitleText = 200;
// Identifiers are name-based in a namespace of the program's own: the same design, the same file.
const QUuid Namespace(QStringLiteral("{3f0c4060-4013-5c47-9b1e-6c4a1f2d0e55}"));
// KiCad's own field names, which it reads in every language.
const QString Reference = QStringLiteral("Reference"), Value = QStringLiteral("Value"),
              Footprint = QStringLiteral("Footprint"), Datasheet = QStringLiteral("Datasheet");

QString identifier(const QString &name)
{
    return QUuid::createUuidV5(Namespace, name).toString(QUuid::WithoutBraces);
}

QString qtext(const std::string &text) { return QString::fromStdString(text); }

// KiCad reads "${…}" in a text as a variable, and "~{", "^{", "_{" as overbar, superscript and
// subscript: an invisible word joiner after the sign keeps a design's own text as it was typed.
QString literal(QString text)
{
    for (qsizetype i = text.size() - 1; i > 0; --i)
        if (text[i] == u'{' && QStringView(u"$~^_").contains(text[i - 1]))
            text.insert(i, QChar(0x2060));
    return text;
}

// Mils, on KiCad's 50-mil connection grid wherever something connects.
struct Point {
    int x = 0;
    int y = 0; // down on the sheet, up in a library symbol, as KiCad has them
    auto operator<=>(const Point &) const = default;
};
Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
QString pointName(Point p) { return QString::number(p.x) + u',' + QString::number(p.y); }

enum class Justify { Left, Right, Center };

struct LibPin {
    const char *number;
    Point at;   // the end a wire joins
    int angle;  // from that end to the body: 0 right, 90 up, 180 left, 270 down
    int length;
    bool clock = false;
};

struct Shape {
    enum Kind { Rectangle, Polyline, Circle } kind;
    std::vector<Point> points; // a rectangle's corners, a circle's centre
    int radius = 0;
    bool filled = false; // a rectangle with the body colour, a polyline with the ink
    int width = 10;
};

struct Unit {
    std::vector<Shape> shapes;
    std::vector<LibPin> pins;
};

struct SymbolDef {
    QByteArray name;
    const calc::Package *package = nullptr; // pin names and types; none for a power symbol
    QByteArray prefix;
    bool pinNames = false;   // shown
    bool pinNumbers = false; // shown
    std::vector<Unit> units;
    // A power symbol: its one hidden pin, named after the net (PWR_FLAG's drives it).
    const char *powerPin = nullptr;
    const char *powerPinType = nullptr;
    Point valueAt;

    QByteArray libraryId() const
    {
        return (package ? QByteArray(Library) : QByteArray("power")) + ':' + name;
    }
};

Shape box(Point a, Point b) { return {Shape::Rectangle, {a, b}, 0, true}; }
Shape line(std::vector<Point> points, int width = 10)
{
    return {Shape::Polyline, std::move(points), 0, false, width};
}
Shape solid(std::vector<Point> points) { return {Shape::Polyline, std::move(points), 0, true, 10}; }

SymbolDef part(calc::PackageKind kind, const char *prefix, bool pinNames, std::vector<Unit> units)
{
    const calc::Package &package = calc::package(kind);
    return {package.symbol, &package, prefix, pinNames, pinNames, std::move(units), nullptr, nullptr, {}};
}

SymbolDef powerSymbol(const char *name, const char *pin, const char *type, std::vector<Shape> shapes,
                      Point valueAt)
{
    return {name, nullptr, qstrcmp(name, "PWR_FLAG") == 0 ? "#FLG" : "#PWR", false, false,
            {Unit{std::move(shapes), {{"1", {0, 0}, 90, 0}}}}, pin, type, valueAt};
}

// The outputs a design can mark that the CD4060 brings out, in the order of its right side.
std::vector<int> pinnedOutputs()
{
    std::vector<int> outputs;
    for (int n = 1; n <= calc::OutputCount; ++n)
        if (!calc::isPinless(n))
            outputs.push_back(n);
    return outputs;
}

struct Symbols {
    SymbolDef counter, flipFlop, npn, diode, led, resistor, capacitor, trimmer, cd4040, cd4020, vdd, vss, flag;

    const SymbolDef &of(calc::PackageKind kind) const
    {
        for (const SymbolDef *s : {&counter, &flipFlop, &npn, &diode, &led, &resistor, &capacitor,
                                   &trimmer, &cd4040, &cd4020})
            if (s->package->kind == kind)
                return *s;
        return resistor;
    }
};

const Symbols &symbols()
{
    using enum calc::PackageKind;
    static const Symbols all = [] {
        Symbols s;
        // Deeper below: the supply pin's name stands clear of the bottom rows.
        Unit counter{{box({-300, 700}, {300, -800})},
                     {{"11", {-500, 500}, 0, 200}, {"10", {-500, 400}, 0, 200}, {"9", {-500, 300}, 0, 200},
                      {"12", {-500, -500}, 0, 200}, {"16", {0, 900}, 270, 200}, {"8", {0, -1000}, 90, 200}}};
        int row = 500;
        for (int output : pinnedOutputs()) {
            counter.pins.push_back({calc::counterPin(output), {500, row}, 180, 200});
            row -= 100;
        }
        // Q14, which clocks the flip-flop, apart under them.
        counter.pins.push_back({calc::counterPin(14), {500, -500}, 180, 200});
        s.counter = part(CD4060, "U", true, {counter});

        // The ripple counters of a cascade: clock and reset on the left as on the CD4060, their
        // outputs on the right from Q1 down.
        auto ripple = [](calc::PackageKind kind, int stages) {
            Unit unit{{box({-300, 700}, {300, -800})},
                      {{"10", {-500, 500}, 0, 200, true}, {"11", {-500, -500}, 0, 200}, {"16", {0, 900}, 270, 200},
                       {"8", {0, -1000}, 90, 200}}};
            int row = 500;
            for (int output = 1; output <= stages; ++output)
                if (const char *pin = calc::counterPin(kind, output)) {
                    unit.pins.push_back({pin, {500, row}, 180, 200});
                    row -= 100;
                }
            return part(kind, "U", true, {unit});
        };
        s.cd4040 = ripple(CD4040, calc::stageCount(calc::SecondCounter::CD4040));
        s.cd4020 = ripple(CD4020, calc::stageCount(calc::SecondCounter::CD4020));

        // Both flip-flops drawn alike; the supply pins are a unit of their own.
        auto flipFlop = [](const char *d, const char *clk, const char *q, const char *qBar, const char *set,
                           const char *reset) {
            return Unit{{box({-300, 400}, {300, -400})},
                        {{d, {-500, 200}, 0, 200}, {clk, {-500, -200}, 0, 200, true}, {q, {500, 200}, 180, 200},
                         {qBar, {500, -200}, 180, 200}, {set, {0, 600}, 270, 200}, {reset, {0, -600}, 90, 200}}};
        };
        s.flipFlop = part(CD4013, "U", true,
                          {flipFlop("5", "3", "1", "2", "6", "4"), flipFlop("9", "11", "13", "12", "8", "10"),
                           Unit{{box({-200, 300}, {200, -300})},
                                {{"14", {0, 500}, 270, 200}, {"7", {0, -500}, 90, 200}}}});

        s.npn = part(Npn, "TR", false,
                     {Unit{{{Shape::Circle, {{30, 0}}, 130}, line({{-40, 60}, {-40, -60}}, 20),
                            line({{-40, 30}, {100, 100}}), line({{-40, -30}, {100, -100}}),
                            solid({{79, -90}, {55, -50}, {33, -94}, {79, -90}})},
                           {{"2", {-200, 0}, 0, 160}, {"1", {100, 200}, 270, 100}, {"3", {100, -200}, 90, 100}}}});
        // The cathode on the left: the output it joins is on the left of the diodes.
        s.diode = part(Diode, "D", false,
                       {Unit{{solid({{50, 50}, {50, -50}, {-50, 0}, {50, 50}}), line({{-50, 50}, {-50, -50}}),
                              line({{-50, 0}, {50, 0}})},
                             {{"1", {-150, 0}, 0, 100}, {"2", {150, 0}, 180, 100}}}});
        // Upright, the cathode down to the transistor.
        s.led = part(Led, "LED", false,
                     {Unit{{solid({{-50, 50}, {50, 50}, {0, -50}, {-50, 50}}), line({{-50, -50}, {50, -50}}),
                            line({{70, 0}, {120, 50}}, 6), line({{95, 48}, {120, 50}, {118, 25}}, 6),
                            line({{70, -45}, {120, 5}}, 6), line({{95, 3}, {120, 5}, {118, -20}}, 6)},
                           {{"1", {0, -150}, 90, 100}, {"2", {0, 150}, 270, 100}}}});
        s.resistor = part(Resistor, "R", false,
                          {Unit{{box({-40, 100}, {40, -100})}, {{"1", {0, 150}, 270, 50}, {"2", {0, -150}, 90, 50}}}});
        s.capacitor = part(Capacitor, "C", false,
                           {Unit{{line({{-80, 30}, {80, 30}}, 15), line({{-80, -30}, {80, -30}}, 15)},
                                 {{"1", {0, 150}, 270, 120}, {"2", {0, -150}, 90, 120}}}});
        s.trimmer = part(Trimmer, "P", false,
                         {Unit{{box({-40, 100}, {40, -100}), solid({{40, 0}, {65, 20}, {65, -20}, {40, 0}})},
                               {{"1", {0, 150}, 270, 50}, {"3", {0, -150}, 90, 50}, {"2", {150, 0}, 180, 85}}}});
        s.vdd = powerSymbol("VDD", "VDD", "power_in", {line({{0, 0}, {0, 50}}, 0), line({{-50, 50}, {50, 50}}, 0)},
                            {0, 120});
        s.vss = powerSymbol("VSS", "VSS", "power_in",
                            {line({{0, 0}, {0, -50}}, 0), line({{-50, -50}, {50, -50}, {0, -100}, {-50, -50}}, 0)},
                            {0, -170});
        s.flag = powerSymbol("PWR_FLAG", "pwr", "power_out",
                             {line({{0, 0}, {0, 50}, {-40, 75}, {0, 100}, {40, 75}, {0, 50}}, 0)}, {0, 150});
        return s;
    }();
    return all;
}

const char *pinTypeToken(calc::PinType type)
{
    switch (type) {
    case calc::PinType::Input: return "input";
    case calc::PinType::Output: return "output";
    case calc::PinType::Bidirectional: return "bidirectional";
    case calc::PinType::PowerInput: return "power_in";
    case calc::PinType::Passive: break;
    }
    return "passive";
}

struct Field {
    Point at;
    Justify justify = Justify::Left;
};

struct Instance {
    const SymbolDef *def;
    QString reference, value, footprint, datasheet;
    Point at;
    int angle = 0; // counter-clockwise on the sheet
    int unit = 1;
    Field referenceField, valueField;
    QString setting; // what to dial on a trimmer, shown under its value
    Field settingField;

    QString key() const
    {
        return def->units.size() > 1 ? reference + u'/' + QString::number(unit) : reference;
    }
    const Unit &drawing() const { return def->units[static_cast<std::size_t>(unit - 1)]; }
    Point onSheet(Point lib) const
    {
        const Point p{lib.x, -lib.y};
        switch (angle) {
        case 90: return at + Point{p.y, -p.x};
        case 180: return at + Point{-p.x, -p.y};
        case 270: return at + Point{-p.y, p.x};
        default: return at + p;
        }
    }
};

struct Label {
    QString net;
    Point at;
    int angle; // 0: the text to the right of its point, 180: to the left
};

struct Text {
    QString text;
    Point at;
};

class SheetLayout {
public:
    explicit SheetLayout(const calc::Circuit &circuit) : m_circuit(circuit) {}

    Instance &place(const std::string &reference, Point at, int angle = 0, int unit = 1)
    {
        const calc::Component &c = *m_circuit.component(reference);
        const SymbolDef &def = symbols().of(c.kind);
        m_instances.push_back({&def, qtext(c.reference), literal(qtext(c.value)), qtext(c.footprint),
                               QString::fromLatin1(calc::package(c.kind).datasheet), at, angle, unit, {}, {}, {}, {}});
        return m_instances.back();
    }
    void power(const SymbolDef &def, Point at)
    {
        int &count = m_powerCount[def.prefix];
        const QString reference =
            QString::fromLatin1(def.prefix) + QStringLiteral("%1").arg(++count, 2, 10, QChar(u'0'));
        m_instances.push_back({&def, reference, QString::fromLatin1(def.name), {}, {}, at, 0, 1, {}, {}, {}, {}});
        Instance &added = m_instances.back();
        added.referenceField = {at, Justify::Center};
        added.valueField = {added.onSheet(def.valueAt), Justify::Center};
    }
    Point pin(const QString &reference, const char *number) const
    {
        for (const Instance &s : m_instances)
            if (s.reference == reference)
                for (const LibPin &p : s.drawing().pins)
                    if (qstrcmp(p.number, number) == 0)
                        return s.onSheet(p.at);
        return {};
    }
    Point pin(const char *reference, const char *number) const
    {
        return pin(QString::fromLatin1(reference), number);
    }
    // A path of straight runs; a corner every time it turns.
    void wire(std::initializer_list<Point> path)
    {
        std::vector<Point> corners;
        for (const Point &p : path) {
            if (!corners.empty() && corners.back() == p)
                continue;
            // A point in the middle of a straight run is no corner.
            if (corners.size() >= 2) {
                const Point a = corners[corners.size() - 2], b = corners.back();
                if ((a.x == b.x && b.x == p.x) || (a.y == b.y && b.y == p.y))
                    corners.pop_back();
            }
            corners.push_back(p);
        }
        for (std::size_t i = 1; i < corners.size(); ++i)
            m_wires.push_back({corners[i - 1], corners[i]});
    }
    void label(const char *net, Point at, int angle = 0) { label(QString::fromLatin1(net), at, angle); }
    void label(const QString &net, Point at, int angle = 0) { m_labels.push_back({net, at, angle}); }
    void text(const QString &text, Point at) { m_texts.push_back({literal(text), at}); }

    QByteArray write(const calc::RealDesign &design, const KicadTitle &title);

private:
    void splitWires();
    void writeTitle(SexprWriter &w, const calc::RealDesign &design, const KicadTitle &title) const;

    const calc::Circuit &m_circuit;
    std::deque<Instance> m_instances; // a part placed stays where it is while others are added
    std::vector<std::pair<Point, Point>> m_wires;
    std::vector<Label> m_labels;
    std::vector<Text> m_texts;
    std::map<QByteArray, int> m_powerCount;
};

// KiCad joins a wire only at its ends: a run that passes a wire's end or a pin's is cut there.
void SheetLayout::splitWires()
{
    std::vector<Point> ends;
    for (const auto &[a, b] : m_wires)
        ends.insert(ends.end(), {a, b});
    for (const Instance &s : m_instances)
        for (const LibPin &p : s.drawing().pins)
            ends.push_back(s.onSheet(p.at));
    std::vector<std::pair<Point, Point>> cut;
    std::set<std::pair<Point, Point>> drawn; // a run twice would be two wires of one identifier
    auto add = [&](Point from, Point to) {
        if (drawn.insert(std::minmax(from, to)).second)
            cut.push_back({from, to});
    };
    for (const auto &wire : m_wires) {
        const Point a = wire.first, b = wire.second; // copies: clang 14 captures no structured binding
        std::vector<Point> inside;
        for (const Point &p : ends) {
            const bool between =
                (a.x == b.x && p.x == a.x && p.y > std::min(a.y, b.y) && p.y < std::max(a.y, b.y))
                || (a.y == b.y && p.y == a.y && p.x > std::min(a.x, b.x) && p.x < std::max(a.x, b.x));
            if (between)
                inside.push_back(p);
        }
        std::sort(inside.begin(), inside.end(), [a](Point p, Point q) {
            return std::abs(p.x - a.x) + std::abs(p.y - a.y) < std::abs(q.x - a.x) + std::abs(q.y - a.y);
        });
        inside.erase(std::unique(inside.begin(), inside.end()), inside.end());
        Point from = a;
        for (const Point &p : inside) {
            add(from, p);
            from = p;
        }
        add(from, b);
    }
    m_wires = std::move(cut);
}

void writeEffects(SexprWriter &w, Justify justify, bool hidden, bool bottom = false)
{
    w.list("effects").list("font").list("size").mm(TextSize).mm(TextSize).close().close();
    if (justify != Justify::Center || bottom) {
        w.list("justify");
        if (justify != Justify::Center)
            w.keyword(justify == Justify::Left ? "left" : "right");
        if (bottom)
            w.keyword("bottom");
        w.close();
    }
    if (hidden)
        w.keyword("hide");
    w.close();
}

void writeAt(SexprWriter &w, Point at, int angle) { w.list("at").mm(at.x).mm(at.y).integer(angle).close(); }

void writeProperty(SexprWriter &w, const QString &name, const QString &value, int id, Field field, int angle,
                   bool hidden)
{
    w.block("property").string(name).string(value).list("id").integer(id).close();
    writeAt(w, field.at, angle);
    writeEffects(w, field.justify, hidden);
    w.close();
}

void writeStroke(SexprWriter &w, int width)
{
    w.list("stroke").list("width").mm(width).close().list("type").keyword("default").close();
    w.list("color").integer(0).integer(0).integer(0).integer(0).close().close();
}

void writeShape(SexprWriter &w, const Shape &shape)
{
    const char *fill = "none";
    switch (shape.kind) {
    case Shape::Rectangle:
        w.block("rectangle").list("start").mm(shape.points[0].x).mm(shape.points[0].y).close();
        w.list("end").mm(shape.points[1].x).mm(shape.points[1].y).close();
        fill = shape.filled ? "background" : "none";
        break;
    case Shape::Circle:
        w.block("circle").list("center").mm(shape.points[0].x).mm(shape.points[0].y).close();
        w.list("radius").mm(shape.radius).close();
        break;
    case Shape::Polyline:
        w.block("polyline").list("pts");
        for (const Point &p : shape.points)
            w.list("xy").mm(p.x).mm(p.y).close();
        w.close();
        fill = shape.filled ? "outline" : "none";
        break;
    }
    writeStroke(w, shape.width);
    w.list("fill").list("type").keyword(fill).close().close().close();
}

void writeLibrarySymbol(SexprWriter &w, const SymbolDef &s)
{
    w.block("symbol").string(s.libraryId());
    if (s.powerPin)
        w.list("power").close();
    if (!s.pinNumbers)
        w.list("pin_numbers").keyword("hide").close();
    w.list("pin_names").list("offset").mm(s.pinNames ? 40 : 0).close();
    if (!s.pinNames)
        w.keyword("hide");
    w.close().list("in_bom").keyword("yes").close().list("on_board").keyword("yes").close();
    const bool power = s.powerPin != nullptr;
    const Field origin{{0, 0}, Justify::Center};
    writeProperty(w, Reference, QString::fromLatin1(s.prefix), 0, origin, 0, power);
    writeProperty(w, Value, QString::fromLatin1(s.name), 1, {s.valueAt, Justify::Center}, 0, false);
    writeProperty(w, Footprint, power ? QString() : QString::fromLatin1(s.package->footprint), 2, origin, 0, true);
    writeProperty(w, Datasheet, power ? QString() : QString::fromLatin1(s.package->datasheet), 3, origin, 0, true);
    for (std::size_t u = 0; u < s.units.size(); ++u) {
        w.block("symbol").string(s.name + '_' + QByteArray::number(qulonglong(u + 1)) + "_1");
        for (const Shape &shape : s.units[u].shapes)
            writeShape(w, shape);
        for (const LibPin &pin : s.units[u].pins) {
            const char *type = s.powerPinType;
            QString name = QString::fromLatin1(s.powerPin);
            if (!power) {
                const auto found = std::find_if(
                    s.package->pins.begin(), s.package->pins.end(),
                    [&pin](const calc::PinDefinition &p) { return qstrcmp(p.number, pin.number) == 0; });
                type = pinTypeToken(found->type);
                name = QString::fromUtf8(found->name);
            }
            w.block("pin").keyword(type).keyword(pin.clock ? "clock" : "line");
            w.list("at").mm(pin.at.x).mm(pin.at.y).integer(pin.angle).close().list("length").mm(pin.length).close();
            if (power)
                w.keyword("hide");
            // "~" is KiCad's empty name.
            w.list("name").string(name.isEmpty() ? QStringLiteral("~") : name);
            writeEffects(w, Justify::Center, false);
            w.close().list("number").string(pin.number);
            writeEffects(w, Justify::Center, false);
            w.close().close();
        }
        w.close();
    }
    w.close();
}

QString oneLine(const QString &text)
{
    const QString line = text.simplified();
    return literal(line.size() > MaxTitleText ? line.left(MaxTitleText - 1) + u'…' : line);
}

void SheetLayout::writeTitle(SexprWriter &w, const calc::RealDesign &d, const KicadTitle &title) const
{
    const QString dash = QStringLiteral("—");
    auto wanted = [&](double seconds) {
        return seconds > 0 ? qtext(calc::formatGeneral(seconds, d.separator)) + QStringLiteral(" s") : dash;
    };
    auto real = [&](const std::string &caption) {
        return m_circuit.designed ? qtext(caption) + QStringLiteral(" s") : dash;
    };
    const QString name = oneLine(title.name);
    w.block("title_block").block("title");
    w.string(name.isEmpty() ? KicadWords::tr("Multivibrateur longue période") : name).close();
    if (title.date.isValid())
        w.block("date").string(title.date.toString(Qt::ISODate)).close();
    // KiCad stacks comment 1 at the bottom of the block: numbered upwards, they read downwards.
    const QStringList comments = {
        KicadWords::tr("Dessiné par Chronalys CD4060 %1").arg(QStringLiteral(CHRONALYS_VERSION)),
        oneLine(title.note),
        oneLine(KicadWords::tr("Pulse T1 demandé : %1 — réel : %2").arg(wanted(d.T1), real(d.shown.T1_reel))),
        oneLine(KicadWords::tr("Période T demandée : %1 — réelle : %2").arg(wanted(d.T), real(d.shown.T_reel))),
    };
    for (qsizetype i = 0; i < comments.size(); ++i)
        if (!comments[i].isEmpty())
            w.block("comment").integer(i + 1).string(comments[i]).close();
    w.close();
}

QByteArray SheetLayout::write(const calc::RealDesign &design, const KicadTitle &title)
{
    splitWires();
    SexprWriter w;
    w.list("kicad_sch").list("version").integer(FileVersion).close().list("generator").string(Generator).close();
    w.block("uuid").string(identifier(QStringLiteral("sheet"))).close();
    w.block("paper").string("A4").close();
    writeTitle(w, design, title);

    w.block("lib_symbols");
    std::vector<const SymbolDef *> used;
    for (const Instance &s : m_instances)
        if (std::find(used.begin(), used.end(), s.def) == used.end())
            used.push_back(s.def);
    for (const SymbolDef *s : used)
        writeLibrarySymbol(w, *s);
    w.close();

    // A dot wherever three or more ends meet.
    std::map<Point, int> ends;
    for (const auto &[a, b] : m_wires) {
        ++ends[a];
        ++ends[b];
    }
    for (const Instance &s : m_instances)
        for (const LibPin &p : s.drawing().pins)
            ++ends[s.onSheet(p.at)];
    for (const auto &[at, count] : ends)
        if (count >= 3) {
            w.block("junction").list("at").mm(at.x).mm(at.y).close().list("diameter").integer(0).close();
            w.list("color").integer(0).integer(0).integer(0).integer(0).close();
            w.list("uuid").string(identifier(QStringLiteral("junction/") + pointName(at))).close().close();
        }
    // A pin on no net is left open on purpose, and says so.
    for (const Instance &s : m_instances)
        for (const LibPin &p : s.drawing().pins)
            if (s.def->package && !m_circuit.netOf(s.reference.toStdString(), p.number)) {
                const Point at = s.onSheet(p.at);
                w.block("no_connect").list("at").mm(at.x).mm(at.y).close();
                const QString name = s.reference + QStringLiteral("/no_connect/") + QLatin1String(p.number);
                w.list("uuid").string(identifier(name)).close().close();
            }
    for (const auto &[a, b] : m_wires) {
        w.block("wire").list("pts").list("xy").mm(a.x).mm(a.y).close().list("xy").mm(b.x).mm(b.y).close().close();
        writeStroke(w, 0);
        w.list("uuid").string(identifier(QStringLiteral("wire/") + pointName(a) + u'/' + pointName(b)));
        w.close().close();
    }
    for (const Label &label : m_labels) {
        w.block("label").string(label.net);
        writeAt(w, label.at, label.angle);
        writeEffects(w, label.angle == 180 ? Justify::Right : Justify::Left, false, true);
        w.list("uuid").string(identifier(QStringLiteral("label/") + label.net + u'/' + pointName(label.at)));
        w.close().close();
    }
    for (std::size_t i = 0; i < m_texts.size(); ++i) {
        w.block("text").string(m_texts[i].text);
        writeAt(w, m_texts[i].at, 0);
        writeEffects(w, Justify::Left, false, true);
        w.list("uuid").string(identifier(QStringLiteral("text/%1").arg(i))).close().close();
    }
    for (const Instance &s : m_instances) {
        w.block("symbol").list("lib_id").string(s.def->libraryId()).close();
        writeAt(w, s.at, s.angle);
        w.list("unit").integer(s.unit).close();
        w.block("in_bom").keyword("yes").close().list("on_board").keyword("yes").close();
        w.block("uuid").string(identifier(QStringLiteral("symbol/") + s.key())).close();
        // A field's angle is the symbol's own: 90 keeps it level on a symbol turned a quarter.
        const int fieldAngle = s.angle % 180 == 0 ? 0 : 90;
        const bool power = s.def->powerPin != nullptr;
        writeProperty(w, Reference, s.reference, 0, s.referenceField, fieldAngle, power);
        writeProperty(w, Value, s.value, 1, s.valueField, fieldAngle, false);
        writeProperty(w, Footprint, s.footprint, 2, {s.at, Justify::Center}, fieldAngle, true);
        writeProperty(w, Datasheet, s.datasheet, 3, {s.at, Justify::Center}, fieldAngle, true);
        if (!s.setting.isEmpty())
            writeProperty(w, KicadWords::tr("Réglage"), s.setting, 4, s.settingField, fieldAngle, false);
        for (const LibPin &p : s.drawing().pins) {
            w.block("pin").string(p.number);
            w.list("uuid").string(identifier(s.reference + u'/' + QLatin1String(p.number))).close().close();
        }
        w.close();
    }
    w.block("sheet_instances").block("path").string("/").list("page").string("1").close().close().close();
    w.block("symbol_instances");
    for (const Instance &s : m_instances) {
        w.block("path").string(u'/' + identifier(QStringLiteral("symbol/") + s.key()));
        w.list("reference").string(s.reference).close().list("unit").integer(s.unit).close();
        w.list("value").string(s.value).close().list("footprint").string(s.footprint).close().close();
    }
    return w.take();
}

// Fields beside an upright part: to its right, or to its left when `dx` is negative.
void beside(Instance &s, int dx)
{
    const Justify justify = dx > 0 ? Justify::Left : Justify::Right;
    s.referenceField = {s.at + Point{dx, -50}, justify};
    s.valueField = {s.at + Point{dx, 50}, justify};
}

// Fields over and under a lying part.
void overUnder(Instance &s)
{
    s.referenceField = {s.at + Point{0, -100}, Justify::Center};
    s.valueField = {s.at + Point{0, 100}, Justify::Center};
}

// The second counter at `u3`, under the oscillator: its clock and reset named on the left, its
// top stage named on the right; the diodes of its marked stages (and of U1's Q14, named) upright
// in a row under it, each output turning down at its own column, the lower outputs nested inside
// the upper ones so no run crosses another; their anodes on a named run of the diode line.
// Returns where the notes can go.
int layOutSecondCounter(SheetLayout &sheet, const calc::Circuit &circuit, Point u3)
{
    const Symbols &sym = symbols();
    const QString reference = QLatin1String(calc::SecondCounterReference);
    Instance &counter = sheet.place(calc::SecondCounterReference, u3);
    counter.referenceField = {u3 + Point{-300, -760}, Justify::Left};
    counter.valueField = {u3 + Point{80, 860}, Justify::Left};
    auto pin = [&](const calc::NetMember &member) { return sheet.pin(qtext(member.reference), member.pin.c_str()); };
    auto pinOf = [&](const char *number) { return sheet.pin(reference, number); };
    const calc::PackageKind kind = circuit.component(calc::SecondCounterReference)->kind;

    const Point vdd = pinOf("16"), vss = pinOf("8");
    sheet.wire({vdd, vdd + Point{0, -200}});
    sheet.power(sym.vdd, vdd + Point{0, -200});
    sheet.wire({vss, vss + Point{0, 200}});
    sheet.power(sym.vss, vss + Point{0, 200});
    const Point clock = pinOf(calc::clockPin(kind)), reset = pinOf(calc::resetPin(kind));
    sheet.wire({clock, clock + Point{-200, 0}});
    sheet.label("Q14", clock + Point{-200, 0}, 180);
    sheet.wire({reset, reset + Point{-200, 0}});
    sheet.label("RAZ", reset + Point{-200, 0}, 180);
    const calc::Net &top = *circuit.netOf("U2", "3");
    for (const calc::NetMember &member : top.members)
        if (member.reference == calc::SecondCounterReference) {
            sheet.wire({pin(member), pin(member) + Point{200, 0}});
            sheet.label(qtext(top.name), pin(member) + Point{200, 0});
        }

    // Each diode with the pin its cathode joins, from the highest output down; U1's Q14 last.
    struct Marked {
        std::string diode;
        Point output;
        bool named; // joined by name: U1's Q14
    };
    std::vector<Marked> marked;
    for (std::size_t d = 0; d < circuit.diodeOutputs.size(); ++d) {
        const int stage = circuit.diodeOutputs[d];
        if (stage <= calc::OutputCount)
            continue;
        const std::string diode = "D" + std::to_string(d + 1);
        if (stage == 14) {
            marked.push_back({diode, {}, true});
            continue;
        }
        // Its cathode's net holds U3's pin of that stage, and only that one of U3's.
        for (const calc::NetMember &member : circuit.netOf(diode, "1")->members)
            if (member.reference == calc::SecondCounterReference)
                marked.push_back({diode, pin(member), false});
    }
    std::stable_sort(marked.begin(), marked.end(), [](const Marked &a, const Marked &b) {
        return !a.named && (b.named || a.output.y < b.output.y);
    });
    // The row and its line stay above the title block, the columns left of it.
    const int columns = static_cast<int>(marked.size());
    const int right = sheet.pin(reference, "16").x + 500, row = u3.y + 900;
    const int first = right + 500, pitch = columns > 10 ? 420 : 500, bus = row + 250;
    for (int i = 0; i < columns; ++i) {
        const Marked &m = marked[static_cast<std::size_t>(i)];
        const int x = first + pitch * (m.named ? columns - 1 : columns - 1 - i - (marked.back().named ? 1 : 0));
        Instance &diode = sheet.place(m.diode, {x, row}, 270);
        beside(diode, 100);
        const Point cathode = sheet.pin(qtext(m.diode), "1"), anode = sheet.pin(qtext(m.diode), "2");
        if (m.named) {
            sheet.wire({cathode, cathode + Point{0, -200}});
            sheet.label("Q14", cathode + Point{0, -200});
        } else {
            sheet.wire({m.output, {x, m.output.y}, cathode});
        }
        sheet.wire({anode, {x, bus}, {first - 200, bus}});
    }
    if (columns > 0)
        sheet.label("DIODES", {first - 200, bus}, 180);
    return bus + 250;
}

// The sheet is laid out around the counter U1 (mils; A4 is 11693 by 8268): its oscillator above
// on the left, its power-on reset below on the left, the diodes of the marked outputs on its
// right, fanned out to rows far enough apart for their names, the diode line, then the
// flip-flop and the LED driver; the unused flip-flop and the supply unit under them.
void layOut(SheetLayout &sheet, const calc::Circuit &circuit)
{
    const Symbols &sym = symbols();
    const Point u1{4400, 3500};
    Instance &counter = sheet.place("U1", u1);
    counter.referenceField = {u1 + Point{-300, -760}, Justify::Left};
    counter.valueField = {u1 + Point{80, 860}, Justify::Left};
    auto pin = [&](const char *reference, const char *number) { return sheet.pin(reference, number); };

    // Supply of U1, with the flags that tell the rules check the supply comes from outside.
    const Point vdd = pin("U1", "16"), vss = pin("U1", "8");
    sheet.wire({vdd, vdd + Point{0, -200}});
    sheet.power(sym.vdd, vdd + Point{0, -200});
    sheet.wire({vdd + Point{0, -100}, vdd + Point{300, -100}});
    sheet.power(sym.flag, vdd + Point{300, -100});
    sheet.wire({vss, vss + Point{0, 200}});
    sheet.power(sym.vss, vss + Point{0, 200});
    sheet.wire({vss + Point{0, 100}, vss + Point{-300, 100}});
    sheet.power(sym.flag, vss + Point{-300, 100});
    beside(sheet.place("C4", u1 + Point{700, 1200}), 130);
    sheet.power(sym.vdd, pin("C4", "1"));
    sheet.power(sym.vss, pin("C4", "2"));

    // Oscillator: each part's column nests inside the next, so no run crosses another.
    const int top = u1.y - 1500, rs = u1.x - 1000, talon = u1.x - 2000, c2 = u1.x - 2800;
    beside(sheet.place("R1", {rs, top + 300}), 100);
    beside(sheet.place("R2", {talon, top + 300}), 100);
    beside(sheet.place("C2", {c2, top + 300}), 130);
    sheet.wire({pin("C2", "1"), {c2, top}, {rs, top}, pin("R1", "1")});
    sheet.wire({{talon, top}, pin("R2", "1")});
    sheet.wire({pin("R1", "2"), {rs, pin("U1", "11").y}, pin("U1", "11")});
    const Point phiBar = pin("U1", "10");
    if (const calc::Component *trimmer = circuit.component("P1")) {
        Instance &p1 = sheet.place("P1", {talon, top + 700});
        beside(p1, 250);
        p1.referenceField.at.y -= 50;
        p1.valueField.at.y -= 50;
        if (!trimmer->setting.empty()) {
            p1.setting = literal(KicadWords::tr("réglé à %1").arg(qtext(trimmer->setting)));
            p1.settingField = {p1.at + Point{250, 100}, Justify::Left};
        }
        sheet.wire({pin("R2", "2"), pin("P1", "1")});
        sheet.wire({pin("P1", "3"), {talon, phiBar.y}, phiBar});
        sheet.wire({pin("P1", "2"), {pin("P1", "2").x, phiBar.y}});
    } else {
        sheet.wire({pin("R2", "2"), {talon, phiBar.y}, phiBar});
    }
    sheet.wire({pin("C2", "2"), {c2, pin("U1", "9").y}, pin("U1", "9")});

    // Power-on reset, also named at the flip-flop's set input.
    const Point reset = pin("U1", "12"), node = reset + Point{-800, 0};
    beside(sheet.place("C3", node + Point{0, -150}), -130);
    beside(sheet.place("R6", node + Point{0, 150}), -100);
    sheet.power(sym.vdd, pin("C3", "1"));
    sheet.power(sym.vss, pin("R6", "2"));
    sheet.wire({reset, node});
    sheet.label("RAZ", reset + Point{-500, 0});

    // Diodes: output i of the right side turns up at its own column to the row of its diode;
    // the rows are 300 mils apart, off the pins' rows, the last level with its pin.
    const std::vector<int> outputs = pinnedOutputs();
    const int last = static_cast<int>(outputs.size()) - 1;
    auto row = [&](int i) {
        const int lastRow = pin("U1", calc::counterPin(outputs.back())).y;
        return i == last ? lastRow : lastRow - 350 - 300 * (last - 1 - i);
    };
    const int cathodes = u1.x + 1700, diodeLine = u1.x + 2200;
    auto slot = [&](int output) {
        return static_cast<int>(std::find(outputs.begin(), outputs.end(), output) - outputs.begin());
    };
    // Stages beyond Q13 take their diodes by the second counter (layOutSecondCounter).
    std::vector<int> onU1;
    for (int output : circuit.diodeOutputs)
        if (output <= calc::OutputCount)
            onU1.push_back(output);
    for (std::size_t d = 0; d < onU1.size(); ++d) {
        const int i = slot(onU1[d]);
        const std::string reference = "D" + std::to_string(d + 1);
        overUnder(sheet.place(reference, {cathodes + 150, row(i)}));
        const Point output = pin("U1", calc::counterPin(onU1[d]));
        const int column = u1.x + 700 + 100 * i;
        sheet.wire({output, {column, output.y}, {column, row(i)}, sheet.pin(qtext(reference), "1")});
        sheet.wire({sheet.pin(qtext(reference), "2"), {diodeLine, row(i)}});
    }
    // The pull-up tops the line, just over its first diode.
    const int firstRow = row(onU1.empty() ? last : slot(onU1.front()));
    beside(sheet.place("R3", {diodeLine, firstRow - 350}), 100);
    sheet.power(sym.vdd, pin("R3", "1"));

    // The flip-flop: the counter's Q14 clocks it, the diode line resets it.
    const Point u2{u1.x + 3400, u1.y - 500};
    Instance &flipFlop = sheet.place("U2", u2);
    flipFlop.referenceField = {u2 + Point{-300, -460}, Justify::Left};
    flipFlop.valueField = {u2 + Point{80, 460}, Justify::Left};
    const int lineBottom = u1.y + 600;
    sheet.wire({pin("R3", "2"), {diodeLine, lineBottom}, {u2.x, lineBottom}, pin("U2", "4")});
    // The diodes by the second counter join the line by its name.
    if (onU1.size() < circuit.diodeOutputs.size()) {
        sheet.wire({{diodeLine, lineBottom}, {diodeLine, lineBottom + 200}});
        sheet.label("DIODES", {diodeLine, lineBottom + 200});
    }
    const Point q14 = pin("U1", calc::counterPin(14)), clock = pin("U2", "3"), set = pin("U2", "6");
    sheet.wire({q14, q14 + Point{300, 0}});
    sheet.label("Q14", q14 + Point{300, 0});
    sheet.wire({clock, clock + Point{-300, 0}});
    sheet.label(qtext(circuit.netOf("U2", "3")->name), clock + Point{-300, 0}, 180);
    sheet.wire({set, set + Point{0, -200}});
    sheet.label("RAZ", set + Point{0, -200});
    sheet.wire({pin("U2", "5"), pin("U2", "5") + Point{-100, 0}});
    sheet.power(sym.vdd, pin("U2", "5") + Point{-100, 0});

    // The LED driver.
    overUnder(sheet.place("R4", u2 + Point{900, -200}, 90));
    const Point tr1 = u2 + Point{1450, -200};
    beside(sheet.place("TR1", tr1), 250);
    beside(sheet.place("LED1", tr1 + Point{100, -450}), 250);
    beside(sheet.place("R5", tr1 + Point{100, -900}), 100);
    sheet.wire({pin("U2", "1"), pin("R4", "1")});
    sheet.wire({pin("R4", "2"), pin("TR1", "2")});
    sheet.wire({pin("TR1", "3"), pin("TR1", "3") + Point{0, 100}});
    sheet.power(sym.vss, pin("TR1", "3") + Point{0, 100});
    sheet.wire({pin("TR1", "1"), pin("LED1", "1")});
    sheet.wire({pin("LED1", "2"), pin("R5", "2")});
    sheet.power(sym.vdd, pin("R5", "1"));

    // The other flip-flop, every input tied low, and the supply unit.
    // With a second counter under U1, the spare half and the supply unit go right of the sheet.
    const bool cascade = circuit.component(calc::SecondCounterReference) != nullptr;
    const Point spare = cascade ? Point{u1.x + 5200, u1.y + 1100} : Point{u1.x + 2200, u1.y + 1950};
    Instance &unused = sheet.place("U2", spare, 0, 2);
    unused.referenceField = {spare + Point{-300, -460}, Justify::Left};
    unused.valueField = {spare + Point{80, 460}, Justify::Left};
    const int tie = spare.x - 800;
    sheet.wire({pin("U2", "8"), pin("U2", "8") + Point{0, -100}, {tie, spare.y - 700},
                {tie, spare.y + 900}});
    sheet.wire({pin("U2", "9"), {tie, pin("U2", "9").y}});
    sheet.wire({pin("U2", "11"), {tie, pin("U2", "11").y}});
    sheet.wire({pin("U2", "10"), pin("U2", "10") + Point{0, 100}, {tie, spare.y + 700}});
    sheet.power(sym.vss, {tie, spare.y + 900});
    const Point supply{cascade ? spare.x + 1100 : u1.x + 3700, spare.y};
    beside(sheet.place("U2", supply, 0, 3), 250);
    sheet.wire({pin("U2", "14"), pin("U2", "14") + Point{0, -100}});
    sheet.power(sym.vdd, pin("U2", "14") + Point{0, -100});
    sheet.wire({pin("U2", "7"), pin("U2", "7") + Point{0, 100}});
    sheet.power(sym.vss, pin("U2", "7") + Point{0, 100});

    // What the parts list notes: outputs that could not be wired, no diode, no design yet.
    const calc::Words words = report::words();
    int y = cascade ? layOutSecondCounter(sheet, circuit, {c2 - 200, u1.y + 1950}) : u1.y + 1825;
    for (const std::string &note : calc::nomenclatureNotes(calc::nomenclature(circuit, words), words)) {
        sheet.text(qtext(note), {c2 - 200, y});
        y += 150;
    }
}

} // namespace

QByteArray kicadSchematic(const calc::RealDesign &design, const KicadTitle &title)
{
    const calc::Circuit circuit = calc::circuitOf(design, report::words());
    SheetLayout sheet(circuit);
    layOut(sheet, circuit);
    return sheet.write(design, title);
}

QString writeKicadSchematic(const calc::RealDesign &design, const KicadTitle &title, const QString &path)
{
    const QString why = saveWhole(path, kicadSchematic(design, title));
    if (why.isEmpty())
        return {};
    return KicadWords::tr("Le schéma KiCad n'a pas pu être enregistré dans « %1 » : %2 ; le fichier d'avant, s'il y en "
                          "avait un, est intact.")
        .arg(path, why);
}

} // namespace report
