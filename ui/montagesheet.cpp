#include "ui/montagesheet.h"

#include "ui/pagetext.h"

#include "calc/numbertext.h"
#include "report/words.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>

namespace {

QString qtext(const std::string &text) { return QString::fromStdString(text); }

const QString Dash = QStringLiteral("—");

// Page units: tenths of a millimetre on the A4 landscape page.
constexpr double PageWidth = SheetWidthMm * 10;
constexpr double PageHeight = SheetHeightMm * 10;
constexpr double Margin = 100;

// The schematic is laid out in units of its own (those of the schematic picture), then scaled;
// a second counter stands right of the LED, on a wider drawing.
constexpr QRectF SchematicBounds(0, 8, 790, 284);
constexpr QRectF CascadeBounds(0, 8, 1045, 284);
constexpr QRectF SchematicArea(Margin, Margin, PageWidth - 2 * Margin, 980);

const QColor Ink(0, 0, 0);
const QColor Supply(0xb3, 0x26, 0x1e);
const QColor Caption(0x14, 0x3c, 0x82);
const QColor PinNumber(0x55, 0x55, 0x55);
const QColor ResetNet(0x6a, 0x1b, 0x6a);
const QColor ChipFill(0xf4, 0xf7, 0xfc);
const QColor Led(0xe5, 0x39, 0x35);
const QColor Note(0xb3, 0x26, 0x1e);

QString secondsText(const std::string &caption) { return qtext(caption) + QStringLiteral(" s"); }

QString wanted(double seconds, char separator)
{
    return seconds > 0 ? qtext(calc::formatGeneral(seconds, separator)) + QStringLiteral(" s") : Dash;
}

// Draws in page units; the schematic's own units go through pt().
class SheetPainter {
    Q_DECLARE_TR_FUNCTIONS(Sheet)

public:
    SheetPainter(QPainter &painter, const Sheet &sheet)
        : p(painter), circuit(calc::circuitOf(sheet.design, report::words())),
          parts(calc::nomenclature(circuit, report::words())), sheet(sheet)
    {
        const QRectF bounds = sheet.design.cascade ? CascadeBounds : SchematicBounds;
        scale = std::min(SchematicArea.width() / bounds.width(), SchematicArea.height() / bounds.height());
        origin = QPointF(SchematicArea.center().x() - bounds.center().x() * scale,
                         SchematicArea.top() - bounds.top() * scale);
    }

    void schematic();
    void notes(double top);
    void partsTable(QRectF area);
    void titleBlockTable(QRectF area);

private:
    QPointF pt(double x, double y) const { return origin + QPointF(x, y) * scale; }
    double u(double length) const { return length * scale; }

    void pen(const QColor &color, double width)
    {
        p.setPen(QPen(color, u(width), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
    }
    void wire(std::initializer_list<QPointF> points) // schematic units
    {
        QPolygonF line;
        for (const QPointF &point : points)
            line << pt(point.x(), point.y());
        p.drawPolyline(line);
    }
    void dot(double x, double y)
    {
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawEllipse(pt(x, y), u(2.5), u(2.5));
        p.restore();
    }
    void box(double x, double y, double w, double h, const QColor &fill = Qt::white)
    {
        p.save();
        p.setBrush(fill);
        p.drawRect(QRectF(pt(x, y), pt(x + w, y + h)));
        p.restore();
    }
    void filled(std::initializer_list<QPointF> points, const QColor &fill)
    {
        QPolygonF polygon;
        for (const QPointF &point : points)
            polygon << pt(point.x(), point.y());
        p.save();
        p.setBrush(fill);
        p.drawPolygon(polygon);
        p.restore();
    }
    void terminal(double x, double y, const QColor &color)
    {
        p.save();
        p.setPen(QPen(color, u(1.5)));
        p.setBrush(Qt::white);
        p.drawEllipse(pt(x, y), u(3), u(3));
        p.restore();
    }

    // Text at a baseline point of the schematic; `align`: -1 left, 0 centre, 1 right. Too long a
    // text (a value typed with hundreds of digits) is cut with an ellipsis to `maxWidth`.
    void label(double x, double y, const QString &text, double size, const QColor &color,
               int align = -1, bool bold = false, double maxWidth = 0, bool overline = false)
    {
        pageText(pt(x, y), text, size * scale, color, align, bold, maxWidth * scale, overline);
    }
    void pageText(QPointF at, const QString &text, double size, const QColor &color, int align = -1,
                  bool bold = false, double maxWidth = 0, bool overline = false)
    {
        QFont font = pageFont(size, bold);
        font.setOverline(overline);
        ::pageText(p, at, text, font, color, align, maxWidth);
    }

    QString partValue(const char *reference) const
    {
        const calc::Component *component = circuit.component(reference);
        return component ? qtext(component->value) : Dash;
    }
    // "R4 10 kΩ": reference and value, as the parts list has them.
    QString part(const char *reference) const { return QString::fromLatin1(reference) + QLatin1Char(' ') + partValue(reference); }
    // The pin of `reference` on the net `net`, or the pin so named when it is left open.
    QString pin(const char *reference, const char *net) const
    {
        for (const calc::Net &n : circuit.nets)
            if (n.name == net)
                for (const calc::NetMember &member : n.members)
                    if (member.reference == reference)
                        return qtext(member.pin);
        const calc::Component *component = circuit.component(reference);
        for (const calc::PinDefinition &definition : calc::package(component->kind).pins)
            if (std::string_view(definition.name) == net)
                return QString::fromLatin1(definition.number);
        return {};
    }

    void supply();
    void oscillator();
    void counter();
    void diodes();
    void flipFlop();
    void output();
    void secondCounter();
    // The flip-flop's clock: U1's Q14, or the second counter's top stage.
    std::string clockNet() const { return circuit.netOf("U2", "3")->name; }

    QPainter &p;
    const calc::Circuit circuit;
    const calc::Nomenclature parts;
    const Sheet &sheet;
    double scale = 1;
    QPointF origin;
};

// Output rows of the CD4060 as the schematic picture shows them.
constexpr std::array<int, 10> Outputs{4, 5, 6, 7, 8, 9, 10, 12, 13, 14};
constexpr double FirstOutputY = 78;
constexpr double OutputStep = 17;
constexpr double DiodeLineX = 440;
constexpr double ResetInputY = 155; // R of the flip-flop, fed by the diode line, between two rows

void SheetPainter::schematic()
{
    supply();
    oscillator();
    counter();
    diodes();
    flipFlop();
    output();
    if (sheet.design.cascade)
        secondCounter();
}

void SheetPainter::supply()
{
    const double end = sheet.design.cascade ? 1000 : 736;
    pen(Supply, 1.5);
    wire({{20, 30}, {end, 30}});
    label(8, 20, tr("+5 à 12 V"), 11, Supply, -1, true);
    terminal(17, 30, Supply);
    pen(Ink, 1.5);
    wire({{20, 275}, {end, 275}});
    label(8, 268, QStringLiteral("0 V"), 11, Ink, -1, true);
    terminal(17, 275, Ink);
    wire({{60, 275}, {60, 280}});
    wire({{52, 280}, {68, 280}});
    wire({{55, 284}, {65, 284}});
    wire({{58, 288}, {62, 288}});
}

void SheetPainter::oscillator()
{
    pen(Ink, 1.2);
    // Common node of Rs, the talon and C2.
    wire({{40, 80}, {40, 170}});
    dot(40, 125);
    wire({{40, 80}, {100, 80}});
    box(100, 75, 40, 10);
    wire({{140, 80}, {260, 80}});
    label(120, 69, part("R1"), 10, Caption, 0, true, 150);

    wire({{40, 125}, {65, 125}});
    box(65, 120, 40, 10);
    label(85, 108, tr("R2 talon"), 9, Caption, 0, true);
    label(85, 146, partValue("R2"), 10, Caption, 0, false, 72);
    if (const calc::Component *trimmer = circuit.component("P1")) {
        wire({{105, 125}, {140, 125}});
        box(140, 120, 40, 10);
        wire({{180, 125}, {260, 125}});
        wire({{134, 136}, {179, 117}});
        filled({{186, 114}, {177.5, 121.8}, {175.2, 115.5}}, Ink);
        label(160, 108, tr("P1 ajustable"), 9, Caption, 0, true);
        label(170, 146, qtext(trimmer->value), 10, Caption, 0, false, 72);
        if (!trimmer->setting.empty())
            label(170, 158, tr("réglé à %1").arg(qtext(trimmer->setting)), 9, Caption, 0, false, 150);
    } else {
        wire({{105, 125}, {260, 125}});
    }

    wire({{40, 170}, {95, 170}});
    pen(Ink, 2.2);
    wire({{95, 160}, {95, 180}});
    wire({{101, 160}, {101, 180}});
    pen(Ink, 1.2);
    wire({{101, 170}, {260, 170}});
    label(98, 195, QStringLiteral("C2  ") + partValue("C2"), 10, Caption, 0, true, 150);

    // Power-on reset of the counter; the same pulse sets the flip-flop (net RAZ).
    terminal(125, 228, Supply);
    label(118, 232, QStringLiteral("+V"), 11, Supply, 1, true);
    wire({{128, 228}, {150, 228}});
    pen(Ink, 2.2);
    wire({{150, 218}, {150, 238}});
    wire({{156, 218}, {156, 238}});
    pen(Ink, 1.2);
    wire({{156, 228}, {260, 228}});
    dot(205, 228);
    wire({{205, 228}, {205, 235}});
    box(201, 235, 8, 22);
    wire({{205, 257}, {205, 275}});
    dot(205, 275);
    label(153, 213, part("C3"), 10, Caption, 0);
    label(197, 253, part("R6"), 10, Caption, 1);
    label(213, 250, tr("RAZ"), 10, ResetNet, -1, true);
}

void SheetPainter::counter()
{
    pen(Ink, 1.5);
    box(260, 55, 110, 200, ChipFill);
    pen(Ink, 1.2);
    wire({{315, 30}, {315, 55}});
    wire({{315, 255}, {315, 275}});
    dot(315, 30);
    dot(315, 275);
    label(321, 46, pin("U1", "VDD"), 9, PinNumber);
    label(321, 268, pin("U1", "VSS"), 9, PinNumber);
    label(250, 76, pin("U1", "PHI_I"), 9, PinNumber, 0);
    label(250, 121, pin("U1", "PHI_O_N"), 9, PinNumber, 0);
    label(250, 166, pin("U1", "PHI_O"), 9, PinNumber, 0);
    label(250, 224, pin("U1", "RAZ"), 9, PinNumber, 0);
    label(265, 84, QStringLiteral("φI"), 10, Ink);
    label(265, 129, QStringLiteral("φO"), 10, Ink, -1, false, 0, true);
    label(265, 174, QStringLiteral("φO"), 10, Ink);
    label(265, 232, QStringLiteral("RESET"), 10, Ink);
    label(315, 69, QStringLiteral("VDD"), 10, Ink, 0);
    label(315, 250, QStringLiteral("VSS"), 10, Ink, 0);
    // C4 between pin 16 and a ground of its own, the shortest way from VDD to VSS.
    dot(345, 30);
    wire({{345, 30}, {345, 35}});
    pen(Ink, 2.2);
    wire({{338, 35}, {352, 35}});
    wire({{338, 40}, {352, 40}});
    pen(Ink, 1.2);
    wire({{345, 40}, {345, 44}});
    wire({{339, 44}, {351, 44}});
    wire({{341, 47.5}, {349, 47.5}});
    wire({{343, 51}, {347, 51}});
    label(357, 42, part("C4"), 10, Caption);
    label(315, 140, QStringLiteral("U1"), 11, Caption, 0);
    label(315, 156, partValue("U1"), 12, Caption, 0, true);
    for (std::size_t row = 0; row < Outputs.size(); ++row) {
        const double y = FirstOutputY + OutputStep * static_cast<double>(row);
        label(366, y + 4, QStringLiteral("Q%1").arg(Outputs[row]), 10, Ink, 1);
        label(380, y - 3, QString::fromLatin1(calc::counterPin(Outputs[row])), 8, PinNumber, 0);
        wire({{370, y}, {388, y}});
    }
}

void SheetPainter::diodes()
{
    pen(Ink, 1.2);
    double lowest = ResetInputY;
    int number = 0;
    for (std::size_t row = 0; row < Outputs.size(); ++row) {
        const auto marked = std::find(circuit.diodeOutputs.begin(), circuit.diodeOutputs.end(), Outputs[row]);
        if (marked == circuit.diodeOutputs.end())
            continue;
        const double y = FirstOutputY + OutputStep * static_cast<double>(row);
        lowest = std::max(lowest, y);
        // Cathode on the output: the line stays high only while every marked output is high.
        wire({{388, y}, {395, y}});
        filled({{395, y}, {409, y - 5}, {409, y + 5}}, Ink);
        pen(Ink, 1.6);
        wire({{395, y - 5}, {395, y + 5}});
        pen(Ink, 1.2);
        wire({{409, y}, {DiodeLineX, y}});
        dot(DiodeLineX, y);
        const std::string diode = "D" + std::to_string(marked - circuit.diodeOutputs.begin() + 1);
        label(424, y - 3, qtext(diode), 8, Caption, 0);
        ++number;
    }
    wire({{DiodeLineX, 30}, {DiodeLineX, 38}});
    box(DiodeLineX - 4, 38, 8, 22);
    wire({{DiodeLineX, 60}, {DiodeLineX, lowest}});
    dot(DiodeLineX, 30);
    if (lowest > ResetInputY)
        dot(DiodeLineX, ResetInputY);
    label(DiodeLineX + 8, 47, QStringLiteral("R3"), 10, Caption);
    label(DiodeLineX + 8, 59, partValue("R3"), 10, Caption);
    if (!circuit.diodeOutputs.empty())
        label(DiodeLineX + 4, 266, QStringLiteral("%1 × %2").arg(circuit.diodeOutputs.size()).arg(partValue("D1")), 10,
              Caption, 0);
    if (number < static_cast<int>(circuit.diodeOutputs.size()))
        label((DiodeLineX + 530) / 2, ResetInputY - 4, QStringLiteral("DIODES"), 9, ResetNet, 0, true);
}

void SheetPainter::flipFlop()
{
    pen(Ink, 1.5);
    box(530, 110, 80, 90, ChipFill);
    pen(Ink, 1.2);
    wire({{DiodeLineX, ResetInputY}, {530, ResetInputY}});
    wire({{505, 30}, {505, 125}, {530, 125}});
    dot(505, 30);
    // Q14: one full period of the counter clocks the flip-flop, or the second counter, named.
    const double q14 = FirstOutputY + OutputStep * 9;
    if (!sheet.design.cascade) {
        wire({{388, q14}, {490, q14}, {490, 180}, {530, 180}});
    } else {
        if (!std::count(circuit.diodeOutputs.begin(), circuit.diodeOutputs.end(), 14)) {
            wire({{388, q14}, {398, q14}});
            label(401, q14 + 4, QStringLiteral("Q14"), 9, ResetNet, -1, true);
        }
        wire({{500, 180}, {530, 180}});
        label(498, 184, qtext(clockNet()), 9, ResetNet, 1, true);
    }
    wire({{530, 174}, {538, 180}, {530, 186}});
    wire({{570, 95}, {570, 110}});
    wire({{610, 180}, {625, 180}});
    label(570, 91, tr("RAZ"), 10, ResetNet, 0, true);
    label(576, 106, pin("U2", "RAZ"), 9, PinNumber);
    label(520, 122, pin("U2", "D1"), 9, PinNumber, 0);
    label(520, 152, pin("U2", "DIODES"), 9, PinNumber, 0);
    label(520, 177, pin("U2", clockNet().c_str()), 9, PinNumber, 0);
    label(620, 122, pin("U2", "SORTIE"), 9, PinNumber, 0);
    label(620, 177, pin("U2", "~{Q1}"), 9, PinNumber, 0);
    label(535, 129, QStringLiteral("D"), 10, Ink);
    label(535, 159, QStringLiteral("R"), 10, Ink);
    label(541, 184, QStringLiteral("CLK"), 10, Ink);
    label(570, 124, QStringLiteral("S"), 10, Ink, 0);
    label(605, 129, QStringLiteral("Q"), 10, Ink, 1);
    label(605, 184, QStringLiteral("Q"), 10, Ink, 1, false, 0, true);
    label(570, 216, QStringLiteral("U2A"), 11, Caption, 0);
    label(570, 230, QStringLiteral("½ ") + partValue("U2"), 11, Caption, 0, true);
}

void SheetPainter::output()
{
    pen(Ink, 1.2);
    wire({{610, 125}, {635, 125}});
    box(635, 120, 40, 10);
    wire({{675, 125}, {690, 125}, {690, 180}, {720, 180}});
    label(655, 114, part("R4"), 10, Caption, 0);
    // BC547: base bar, collector up to the LED, emitter to 0 V.
    p.drawEllipse(pt(728, 180), u(16), u(16));
    pen(Ink, 2.5);
    wire({{720, 168}, {720, 192}});
    pen(Ink, 1.2);
    wire({{720, 174}, {736, 164}, {736, 134}});
    wire({{720, 186}, {736, 196}, {736, 275}});
    filled({{733, 195}, {724.5, 193}, {728.7, 187.4}}, Ink);
    label(750, 177, QStringLiteral("TR1"), 10, Caption);
    label(750, 190, partValue("TR1"), 10, Caption);
    wire({{736, 30}, {736, 50}});
    box(732, 50, 8, 22);
    wire({{736, 72}, {736, 120}});
    label(746, 64, part("R5"), 10, Caption);
    p.setPen(QPen(Ink, u(1)));
    filled({{736, 134}, {728, 120}, {744, 120}}, Led);
    pen(Ink, 1.8);
    wire({{728, 134}, {744, 134}});
    pen(Led, 1.2);
    wire({{746, 124}, {754, 117.6}});
    wire({{748, 132}, {756, 125.6}});
    label(760, 131, QStringLiteral("LED1"), 10, Caption);
}

// The second counter right of the LED: clocked by U1's Q14 and reset by RAZ, both named; on its
// right the outputs it uses, the top stage named for the flip-flop's clock and the marked ones
// with their diodes on a run of the diode line, named too.
void SheetPainter::secondCounter()
{
    const std::string reference = calc::SecondCounterReference;
    const calc::Cascade &cascade = *sheet.design.cascade;
    const double left = 850, right = 950, top = 55, bottom = 255, middle = (left + right) / 2;
    pen(Ink, 1.5);
    box(left, top, right - left, bottom - top, ChipFill);
    pen(Ink, 1.2);
    wire({{middle, 30}, {middle, top}});
    wire({{middle, bottom}, {middle, 275}});
    dot(middle, 30);
    dot(middle, 275);
    label(middle + 6, 46, pin(reference.c_str(), "VDD"), 9, PinNumber);
    label(middle + 6, 268, pin(reference.c_str(), "VSS"), 9, PinNumber);
    label(middle, 69, QStringLiteral("VDD"), 10, Ink, 0);
    label(middle, 250, QStringLiteral("VSS"), 10, Ink, 0);
    label(middle, 140, QString::fromLatin1(calc::SecondCounterReference), 11, Caption, 0);
    label(middle, 156, partValue(calc::SecondCounterReference), 12, Caption, 0, true);

    const bool oscillatorInput = cascade.counter == calc::SecondCounter::CD4060;
    const double resetY = 100, clockY = 231;
    wire({{left - 18, resetY}, {left, resetY}});
    wire({{left - 18, clockY}, {left, clockY}});
    wire({{left, clockY - 6}, {left + 8, clockY}, {left, clockY + 6}});
    label(left - 20, resetY + 4, tr("RAZ"), 9, ResetNet, 1, true);
    label(left - 20, clockY + 4, QStringLiteral("Q14"), 9, ResetNet, 1, true);
    label(left - 9, resetY - 3, pin(reference.c_str(), "RAZ"), 8, PinNumber, 0);
    label(left - 9, clockY - 3, pin(reference.c_str(), "Q14"), 8, PinNumber, 0);
    label(left + 5, resetY + 4, QStringLiteral("RESET"), 10, Ink);
    label(left + 11, clockY + 4, oscillatorInput ? QStringLiteral("φI") : QStringLiteral("CLK"), 10, Ink);

    // Its outputs in use, from Q1 down: the marked stages and the top stage.
    std::vector<int> used;
    for (int stage : circuit.diodeOutputs)
        if (stage > 14)
            used.push_back(stage);
    used.push_back(cascade.stage);
    const double step = used.size() > 1 ? std::min(OutputStep, 150 / static_cast<double>(used.size() - 1)) : 0;
    const double lineX = 1020;
    double last = 0;
    for (std::size_t row = 0; row < used.size(); ++row) {
        const int stage = used[row];
        const double y = FirstOutputY + step * static_cast<double>(row);
        const std::string net = "Q" + std::to_string(stage);
        label(right - 4, y + 4, QStringLiteral("Q%1").arg(stage - 14), 10, Ink, 1);
        label(right + 9, y - 3, pin(reference.c_str(), net.c_str()), 8, PinNumber, 0);
        wire({{right, y}, {right + 18, y}});
        if (stage == cascade.stage) {
            label(right + 21, y + 4, qtext(net), 9, ResetNet, -1, true);
            continue;
        }
        wire({{right + 18, y}, {right + 24, y}});
        filled({{right + 24, y}, {right + 38, y - 5}, {right + 38, y + 5}}, Ink);
        pen(Ink, 1.6);
        wire({{right + 24, y - 5}, {right + 24, y + 5}});
        pen(Ink, 1.2);
        wire({{right + 38, y}, {lineX, y}});
        const auto marked = std::find(circuit.diodeOutputs.begin(), circuit.diodeOutputs.end(), stage);
        label(right + 45, y - 3, QStringLiteral("D%1").arg(marked - circuit.diodeOutputs.begin() + 1), 8, Caption, 0);
        if (row > 0)
            dot(lineX, y);
        last = y;
    }
    if (used.size() > 1) {
        wire({{lineX, FirstOutputY}, {lineX, last + 12}});
        label(lineX, last + 24, QStringLiteral("DIODES"), 9, ResetNet, 0, true);
    }
}

void SheetPainter::notes(double top)
{
    double y = top;
    for (const std::string &note : calc::nomenclatureNotes(parts, report::words())) {
        pageText({Margin, y}, qtext(note), 30, Note, -1, true, PageWidth - 2 * Margin);
        y += 40;
    }
}

void SheetPainter::partsTable(QRectF area)
{
    pageText(area.topLeft() + QPointF(0, 36), tr("Nomenclature"), 38, Caption, -1, true);
    // Room for "Quantité" in DejaVu Sans, the widest face; the roles need the rest.
    const std::array<double, 4> widths{200, 180, 360, area.width() - 740};
    const std::array<QString, 4> headers{tr("Référence"), tr("Quantité"), tr("Valeur"), tr("Rôle")};
    const double rowHeight = 38;
    double y = area.top() + 56;
    auto row = [&](const std::array<QString, 4> &cells, bool bold, const QColor &fill) {
        p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1.5));
        p.setBrush(fill);
        p.drawRect(QRectF(area.left(), y, area.width(), rowHeight));
        double x = area.left();
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0)
                p.drawLine(QPointF(x, y), QPointF(x, y + rowHeight));
            pageText({x + 12, y + 27}, cells[c], 27, Ink, -1, bold, widths[c] - 24);
            x += widths[c];
        }
        y += rowHeight;
    };
    row(headers, true, QColor(0xe8, 0xee, 0xf8));
    for (const calc::NomenclatureLine &line : parts.lines)
        row({qtext(line.reference), QString::number(line.quantity), qtext(line.value), qtext(line.role)},
            false, Qt::white);
}

void SheetPainter::titleBlockTable(QRectF area)
{
    p.setPen(QPen(Ink, 3));
    p.setBrush(QColor(0xff, 0xfb, 0xe8));
    p.drawRect(area);
    pageText({area.left() + 20, area.top() + 50}, tr("Multivibrateur longue période"), 44,
             Caption, -1, true, area.width() - 40);
    pageText({area.left() + 20, area.top() + 92}, tr("Feuille de montage — Chronalys CD4060"),
             28, Ink, -1, false, area.width() - 40);
    const auto rows = titleBlock(sheet);
    const double rowHeight = (area.bottom() - area.top() - 120) / static_cast<double>(rows.size());
    double y = area.top() + 120;
    const double split = area.left() + area.width() * 0.5;
    for (const auto &[caption, value] : rows) {
        p.setPen(QPen(QColor(0xb0, 0x8a, 0x2e), 1.5));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        pageText({area.left() + 20, y + rowHeight * 0.7}, caption, 28, Ink, -1, false, split - area.left() - 30);
        pageText({split, y + rowHeight * 0.7}, value, 28, Ink, -1, true, area.right() - split - 20);
        y += rowHeight;
    }
}

} // namespace

QList<std::pair<QString, QString>> titleBlock(const Sheet &sheet)
{
    const calc::RealDesign &d = sheet.design;
    const bool designed = d.hasParts();
    QList<std::pair<QString, QString>> rows;
    if (!sheet.name.isEmpty())
        rows.append({SheetPainter::tr("Conception"), sheet.name});
    rows += QList<std::pair<QString, QString>>{
        {SheetPainter::tr("Période T demandée"), wanted(d.T, d.separator)},
        {SheetPainter::tr("Pulse T1 demandé"), wanted(d.T1, d.separator)},
        {SheetPainter::tr("Période T réelle"), designed ? secondsText(d.shown.T_reel) : Dash},
        {SheetPainter::tr("Pulse T1 réel"), designed ? secondsText(d.shown.T1_reel) : Dash},
        {SheetPainter::tr("Période oscillateur"), designed ? qtext(d.shown.FrequenceOscillateur) : Dash},
        {SheetPainter::tr("Constante K4060"), qtext(calc::formatGeneral(d.K * 1e8, d.separator))},
        {SheetPainter::tr("Série"), d.Pas_Serie == 2 ? QStringLiteral("E12") : QStringLiteral("E24")},
        {SheetPainter::tr("Date"), sheet.date.isValid() ? sheet.date.toString(SheetPainter::tr("dd/MM/yyyy")) : Dash},
    };
    // One line in the block: a long note is cut there, and kept whole in the file.
    if (!sheet.note.isEmpty())
        rows.append({SheetPainter::tr("Note"), sheet.note.simplified()});
    return rows;
}

QString sheetText(const Sheet &sheet)
{
    QString text = SheetPainter::tr("Multivibrateur longue période") + QLatin1Char('\n');
    for (const auto &[caption, value] : titleBlock(sheet))
        text += SheetPainter::tr("%1 : %2").arg(caption, value) + QLatin1Char('\n');
    text += QLatin1Char('\n') + SheetPainter::tr("Nomenclature") + QLatin1Char('\n');
    text += qtext(calc::nomenclatureText(calc::nomenclature(sheet.design, report::words()), "    ", report::words()));
    return text;
}

bool beginSheetPage(QPainter &painter, QRectF page)
{
    if (page.width() <= 0 || page.height() <= 0)
        return false;
    painter.save();
    const double scale = std::min(page.width() / PageWidth, page.height() / PageHeight);
    painter.translate(page.center());
    painter.scale(scale, scale);
    painter.translate(-PageWidth / 2, -PageHeight / 2);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, PageWidth, PageHeight), Qt::white);
    return true;
}

void draw(QPainter &painter, const Sheet &sheet, QRectF page)
{
    if (!beginSheetPage(painter, page))
        return;

    SheetPainter sheetPainter(painter, sheet);
    sheetPainter.schematic();
    // Up to three notes under the schematic, then the parts list and the title block side by side.
    sheetPainter.notes(SchematicArea.bottom() + 30);
    const double top = SchematicArea.bottom() + 134;
    const double bottom = PageHeight - Margin;
    sheetPainter.partsTable(QRectF(Margin, top, 1840, bottom - top));
    sheetPainter.titleBlockTable(QRectF(Margin + 1900, top, PageWidth - 2 * Margin - 1900, bottom - top));
    painter.restore();
}
