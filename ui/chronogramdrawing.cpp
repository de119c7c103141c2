#include "ui/chronogramdrawing.h"

#include "ui/pagetext.h"

#include "report/precisiontext.h"

#include "calc/numbertext.h"
#include "calc/precision.h"
#include "calc/tables.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

QString qtext(const std::string &text) { return QString::fromStdString(text); }

// Drawing units: the width of the sheet's A4 landscape page is 2970 (tenths of a millimetre); a
// narrower area on screen keeps its tick labels 10 pixels high and gets fewer units.
constexpr double PageWidth = 2970;
constexpr double SmallestText = 10.0 / 24; // device pixels per unit: 24-unit labels stay readable
constexpr double Pad = 30;
constexpr double MarkerRow = 58;
constexpr double AxisRow = 60;
constexpr double ViewGap = 80; // room for the lines that join the zoom to its place
constexpr double LargestLane = 140;
constexpr double LabelGap = 24; // between two tick labels, at the least
constexpr double FinestPixel = PageWidth / 3508; // a 300 dpi pixel: no file is drawn finer

const QColor Ink(0x20, 0x20, 0x20);
const QColor Wave(0x14, 0x3c, 0x82);
const QColor WaveFill(0xdd, 0xe7, 0xf7);
const QColor Band(0xa9, 0xbe, 0xe3);
const QColor Alert(0xb3, 0x26, 0x1e);
const QColor AlertFill(0xf6, 0xdc, 0xda);
const QColor Guide(0x8a, 0x8a, 0x8a);
const QColor Rule(0xe2, 0xe2, 0xe2);
const QColor Zoom(0xff, 0xf4, 0xcc);

struct Unit {
    double seconds;
    const char *name;
};
constexpr std::array<Unit, 5> Units{{{1e-6, "µs"}, {1e-3, "ms"}, {1, "s"}, {60, "min"}, {3600, "h"}}};

// The largest unit that still counts `seconds` `atLeast` times: 20 s, 129 min, 630 µs.
const Unit &unitFor(double seconds, double atLeast)
{
    const Unit *chosen = &Units[0];
    for (const Unit &unit : Units)
        if (seconds / unit.seconds >= atLeast)
            chosen = &unit;
    return *chosen;
}

struct View {
    double from = 0, to = 1; // seconds
    double x0 = 0, x1 = 1;   // the plot, drawing units
    double top = 0, lanesTop = 0, laneHeight = 0, markerY = 0, axisY = 0, bottom = 0;
    QString caption;
    // Where the tick labels count from when the times are too long to read ("T/2 + 200 ms"):
    // a zoom of a second into a period of days. Never so for the CD4060 alone, whose T/2 is 8192 P.
    double origin = 0; // seconds
    QString originName;

    double x(double t) const { return x0 + (t - from) / (to - from) * (x1 - x0); }
};

struct Tick {
    double x;
    QString label;
};

class ChronogramPainter {
    Q_DECLARE_TR_FUNCTIONS(Chronogramme)

public:
    ChronogramPainter(QPainter &painter, const calc::Chronogram &c, QSizeF size, double pixel)
        : p(painter), c(c), m_lanes(calc::lanes(c)), m_width(size.width()), m_height(size.height()), m_pixel(pixel) {}

    void paint();

private:
    QString seconds(double value) const
    {
        return qtext(calc::formatSeconds(value, c.Mode_Affichage, c.separator, c.notation)) + QStringLiteral(" s");
    }
    // In the largest unit that counts it once at least; the oscillator period in ms, as zone D.
    QString duration(double value, bool oscillator = false) const
    {
        const Unit &unit = oscillator && value >= Units[1].seconds / 1000 && value < 10 ? Units[1] : unitFor(value, 1);
        return qtext(calc::Valeur_Significatif(calc::formatGeneral(value / unit.seconds, c.separator),
                                               c.Mode_Affichage, c.notation)) +
               QLatin1Char(' ') + QString::fromUtf8(unit.name); // the same in every language
    }
    QString laneName(calc::Lane lane) const;
    bool alarming(calc::Lane lane) const;
    QStringList notes() const;
    std::vector<Tick> ticks(const View &v, const QFont &font) const;
    // Height of `text` wrapped across the drawing at `top`, drawn unless only measured.
    double paragraph(double top, const QString &text, const QFont &font, const QColor &color, bool drawn = true);

    void view(const View &v);
    void lane(const View &v, calc::Lane lane, double top);
    void axis(const View &v, bool broken);
    void dimension(const View &v, double from, double to, const QString &label);
    void guide(const View &v, double t);

    QPainter &p;
    const calc::Chronogram &c;
    const std::vector<calc::Lane> m_lanes;
    double m_width, m_height;
    double m_pixel; // two of them: the closest edges drawn one by one
    double m_nameWidth = 0;
    QFont m_nameFont;
    std::vector<QRectF> m_markerLabels; // of the view being drawn, so that none covers another
};

QString ChronogramPainter::laneName(calc::Lane lane) const
{
    switch (lane.signal) {
    case calc::Signal::Oscillator:
        return tr("Oscillateur");
    case calc::Signal::Output:
        if (c.cascade)
            return alarming(lane) ? tr("%1, sans broche").arg(report::stageName(c.cascade, lane.output))
                                  : report::stageName(c.cascade, lane.output);
        return alarming(lane) ? tr("Q%1 (sans broche)").arg(lane.output) : QStringLiteral("Q%1").arg(lane.output);
    case calc::Signal::DiodeLine:
        return tr("Ligne des diodes");
    case calc::Signal::Led:
        break;
    }
    return tr("Sortie (LED)");
}

bool ChronogramPainter::alarming(calc::Lane lane) const
{
    if (lane.signal == calc::Signal::Output)
        return lane.output < c.top && !c.hasPin(lane.output);
    return lane.signal != calc::Signal::Oscillator && c.wired == 0;
}

QStringList ChronogramPainter::notes() const
{
    QStringList pinless;
    for (int m = 1; m < c.top; ++m)
        if ((c.marks >> (m - 1) & 1) && !c.hasPin(m))
            pinless << report::stageName(c.cascade, m);
    QStringList lines;
    if (c.marks == 0)
        lines << tr("Aucune sortie marquée « On » : la ligne des diodes reste haute, la bascule à zéro "
                    "et la LED éteinte.");
    else if (c.wired == 0)
        lines << tr("Aucune sortie marquée n'a de broche (%1) : la ligne des diodes reste haute et la LED "
                    "éteinte.")
                     .arg(pinless.join(QStringLiteral(", ")));
    else if (!pinless.isEmpty() && c.cascade)
        lines << tr("%1 : pas de broche, donc pas de diode ; le pulse réel dure %2, non les %3 du calcul.")
                     .arg(pinless.join(QStringLiteral(", ")), seconds(c.pulse()),
                          seconds(static_cast<double>(c.marks) * c.P));
    else if (!pinless.isEmpty())
        lines << tr("%1 : pas de broche sur le CD4060, donc pas de diode ; le pulse réel dure %2, non les "
                    "%3 de la zone D.")
                     .arg(pinless.join(QStringLiteral(", ")), seconds(c.pulse()),
                          seconds(static_cast<double>(c.marks) * c.P));
    return lines;
}

// Steps of 1, 2 or 5 x 10^k in the unit that reads best, the smallest whose labels keep apart.
std::vector<Tick> ChronogramPainter::ticks(const View &v, const QFont &font) const
{
    const Unit &unit = unitFor(v.to - v.from, 3);
    const QString name = QLatin1Char(' ') + QString::fromUtf8(unit.name);
    const bool relative = !v.originName.isEmpty() && std::max(std::fabs(v.from), std::fabs(v.to)) >= 1e5 * (v.to - v.from);
    const double origin = relative ? v.origin : 0;
    const double a = (v.from - origin) / unit.seconds, b = (v.to - origin) / unit.seconds;
    auto label = [&](double value) {
        const QString number = qtext(calc::formatGeneral(std::fabs(value), c.separator)) + name;
        if (!relative)
            return qtext(calc::formatGeneral(value, c.separator)) + name;
        if (value == 0)
            return v.originName;
        return v.originName + (value > 0 ? QStringLiteral(" + ") : QStringLiteral(" − ")) + number;
    };
    if (!(b > a))
        return {};
    const QFontMetricsF metrics(font);
    const double perUnit = (v.x1 - v.x0) / (b - a);
    const double narrowest = metrics.horizontalAdvance(QLatin1Char('0') + name) + LabelGap;
    double decade = std::pow(10.0, std::floor(std::log10(b - a)) - 3);
    for (int i = 0; i < 60; ++i, decade *= i % 3 == 0 ? 10 : 1) {
        const double step = decade * std::array{1.0, 2.0, 5.0}[static_cast<std::size_t>(i % 3)];
        const double first = std::ceil(a / step), last = std::floor(b / step);
        if (last - first > 400 || step * perUnit < narrowest || !(first + 1 > first))
            continue; // too many, too close, or beyond the whole numbers a double counts
        std::vector<Tick> made;
        double widest = 0;
        for (double k = first; k <= last; ++k) {
            made.push_back({v.x0 + (k * step - a) * perUnit, label(k * step)});
            widest = std::max(widest, metrics.horizontalAdvance(made.back().label));
        }
        if (step * perUnit >= widest + LabelGap)
            return made;
    }
    return {};
}

void ChronogramPainter::guide(const View &v, double t)
{
    p.setPen(QPen(Guide, 1.5, Qt::DashLine));
    p.drawLine(QPointF(v.x(t), v.lanesTop), QPointF(v.x(t), v.markerY + MarkerRow - 10));
}

// A dimension line from `from` to `to` in the marker row, its label above it where it fits.
void ChronogramPainter::dimension(const View &v, double from, double to, const QString &label)
{
    const double a = v.x(from), b = std::max(v.x(to), a + 2 * m_pixel), y = v.markerY + MarkerRow - 10;
    p.setPen(QPen(Ink, 2));
    p.drawLine(QPointF(a, y), QPointF(b, y));
    for (const double end : {a, b})
        p.drawLine(QPointF(end, y - 9), QPointF(end, y + 9));
    if (b - a > 40) {
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawPolygon(QPolygonF({QPointF(a, y), QPointF(a + 16, y - 6), QPointF(a + 16, y + 6)}));
        p.drawPolygon(QPolygonF({QPointF(b, y), QPointF(b - 16, y - 6), QPointF(b - 16, y + 6)}));
    }
    const QFont font = pageFont(24, true);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(label), baseline = y - 16;
    // Centred over the line when it is longer than the text; else beside it, right or left.
    const std::array<double, 3> lefts{(a + b - width) / 2, b + 12, a - 12 - width};
    for (std::size_t i = width <= b - a ? 0 : 1; i < lefts.size(); ++i) {
        const QRectF box(lefts[i], baseline - metrics.ascent(), width, metrics.height());
        const bool inside = box.left() >= Pad && box.right() <= m_width - Pad;
        const bool free = std::none_of(m_markerLabels.begin(), m_markerLabels.end(),
                                       [&](const QRectF &taken) { return taken.intersects(box); });
        if (inside && free) {
            m_markerLabels.push_back(box);
            pageText(p, {lefts[i], baseline}, label, font, Ink);
            return;
        }
    }
}

void ChronogramPainter::lane(const View &v, calc::Lane lane, double top)
{
    const double high = top + v.laneHeight * 0.22, low = top + v.laneHeight * 0.78;
    const bool red = alarming(lane);
    const QColor ink = red ? Alert : Wave;
    const QFontMetricsF names(m_nameFont);
    pageText(p, {Pad, (high + low) / 2 + names.ascent() * 0.35}, laneName(lane), m_nameFont, red ? Alert : Ink, -1,
             m_nameWidth - 20);
    p.setPen(QPen(Rule, 1));
    p.drawLine(QPointF(Pad, top + v.laneHeight), QPointF(v.x1, top + v.laneHeight));

    const QFont inside = pageFont(std::min(24.0, (low - high) * 0.9));
    auto bandText = [&](const QString &text) {
        const QFontMetricsF metrics(inside);
        const double width = metrics.horizontalAdvance(text) + 16;
        if (width > v.x1 - v.x0 || inside.pixelSize() < 10)
            return; // no room for a readable text
        const QRectF box((v.x0 + v.x1 - width) / 2, high + 2, width, low - high - 4);
        p.fillRect(box, Qt::white);
        pageText(p, {box.center().x(), box.center().y() + metrics.ascent() * 0.35}, text, inside, ink, 0);
    };
    if (lane.signal == calc::Signal::Oscillator) {
        // One cycle in 2^14 or more of a period: a band, never its cycles.
        p.fillRect(QRectF(v.x0, high, v.x1 - v.x0, low - high), Band);
        p.setPen(QPen(ink, 2));
        p.drawLine(QPointF(v.x0, high), QPointF(v.x1, high));
        p.drawLine(QPointF(v.x0, low), QPointF(v.x1, low));
        bandText(QStringLiteral("P = ") + duration(c.P, true));
        return;
    }

    // Two device pixels of time: edges closer than that make a band.
    const double resolution = 2 * m_pixel * (v.to - v.from) / (v.x1 - v.x0);
    const auto limit = static_cast<std::size_t>((v.x1 - v.x0) / m_pixel) + 4;
    const std::vector<calc::Interval> intervals = calc::highIntervals(c, lane, v.from, v.to, resolution, limit);
    QPolygonF wave{{v.x0, low}};
    std::array<QList<QRectF>, 2> fills; // high, dense
    bool endsHigh = false;
    for (const calc::Interval &interval : intervals) {
        const double begin = v.x(interval.begin), end = std::max(v.x(interval.end), begin + m_pixel);
        fills[interval.dense ? 1 : 0].append(QRectF(begin, high, end - begin, low - high));
        if (interval.begin <= v.from)
            wave.back() = {begin, high};
        else
            wave << QPointF(begin, low) << QPointF(begin, high);
        wave << QPointF(end, high);
        endsHigh = interval.end >= v.to;
        if (!endsHigh)
            wave << QPointF(end, low);
    }
    if (!endsHigh)
        wave << QPointF(v.x1, low);
    // Edges are upright and levels flat: no smoothing needed.
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < fills.size(); ++i) {
        p.setBrush(i == 1 ? Band : red ? AlertFill : WaveFill);
        p.drawRects(fills[i]);
    }
    // A line of one device pixel or less is drawn without stroking: thousands of edges stay cheap.
    QPen pen(ink, 2.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (2.5 / m_pixel <= 1.5) {
        pen.setCosmetic(true);
        pen.setWidth(1);
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(wave);
    p.restore();
    if (intervals.size() == 1 && intervals.front().dense && lane.signal == calc::Signal::Output)
        bandText(tr("période %1").arg(duration(calc::outputPeriod(c, lane.output))));
}

void ChronogramPainter::axis(const View &v, bool broken)
{
    p.setPen(QPen(Ink, 2));
    p.drawLine(QPointF(v.x0, v.axisY), QPointF(v.x1, v.axisY));
    const QFont font = pageFont(24);
    const QFontMetricsF metrics(font);
    for (const Tick &tick : ticks(v, font)) {
        p.setPen(QPen(Ink, 2));
        p.drawLine(QPointF(tick.x, v.axisY), QPointF(tick.x, v.axisY + 10));
        const double width = metrics.horizontalAdvance(tick.label);
        if (tick.x - width / 2 >= Pad && tick.x + width / 2 <= m_width - Pad)
            pageText(p, {tick.x, v.axisY + 14 + metrics.ascent()}, tick.label, font, Ink, 0);
    }
    if (broken) {
        // Time cut out before the zoom: two strokes across the axis.
        for (const double dx : {14.0, 26.0}) {
            p.setPen(QPen(Qt::white, 6));
            p.drawLine(QPointF(v.x0 + dx - 6, v.axisY + 12), QPointF(v.x0 + dx + 6, v.axisY - 12));
            p.setPen(QPen(Ink, 2));
            p.drawLine(QPointF(v.x0 + dx - 6, v.axisY + 12), QPointF(v.x0 + dx + 6, v.axisY - 12));
        }
    }
}

double ChronogramPainter::paragraph(double top, const QString &text, const QFont &font, const QColor &color, bool drawn)
{
    const QRectF box(Pad, top, m_width - 2 * Pad, m_height);
    const double height = QFontMetricsF(font).boundingRect(box, Qt::TextWordWrap, text).height();
    if (drawn) {
        p.setFont(font);
        p.setPen(color);
        p.drawText(box, Qt::TextWordWrap, text);
    }
    return height;
}

void ChronogramPainter::view(const View &v)
{
    paragraph(v.top + 6, v.caption, pageFont(28, true), Ink);
    for (std::size_t i = 0; i < m_lanes.size(); ++i)
        lane(v, m_lanes[i], v.lanesTop + v.laneHeight * static_cast<double>(i));
}

void ChronogramPainter::paint()
{
    p.fillRect(QRectF(0, 0, m_width, m_height), Qt::white);
    const double T = c.period();
    const QString title = c.P > 0 ? tr("Chronogramme : oscillateur P = %1, période T = %2, pulse T1 = %3")
                                        .arg(duration(c.P, true), seconds(T), seconds(c.pulse()))
                                  : tr("Chronogramme");
    double y = Pad + paragraph(Pad, title, pageFont(36, true), Ink) + 14;
    if (!(c.P > 0)) {
        paragraph(y, c.designed ? tr("Ces composants donnent des périodes hors des limites d'un calcul : rien à dessiner.")
                                : tr("Montage non calculé : le chronogramme viendra du calcul et de la conversion "
                                     "E24/E12 de la fenêtre principale."),
                  pageFont(28, true), Alert);
        return;
    }
    const QString notesText = notes().join(QLatin1Char('\n'));
    const QFont notesFont = pageFont(27, true);
    const double notesTop = m_height - Pad - paragraph(0, notesText, notesFont, Alert, false);
    paragraph(notesTop, notesText, notesFont, Alert);

    const QFont captionFont = pageFont(28, true);
    const std::array<QString, 2> captions{
        tr("Mise sous tension, puis deux périodes T"),
        c.wired ? tr("Le deuxième pulse, T/2 après la mise sous tension : il finit quand toutes les sorties à diode "
                     "sont hautes")
                : c.cascade ? tr("Le premier front de %1, T/2 après la mise sous tension")
                                  .arg(report::stageName(c.cascade, c.top))
                            : tr("Le premier front de Q14, T/2 après la mise sous tension")};
    std::array<double, 2> captionHeights{};
    for (std::size_t i = 0; i < captions.size(); ++i)
        captionHeights[i] = paragraph(0, captions[i], captionFont, Ink, false) + 16;
    const double fixed = captionHeights[0] + captionHeights[1] + 2 * (MarkerRow + AxisRow) + ViewGap;
    const double count = static_cast<double>(m_lanes.size());
    const double laneHeight = std::min(LargestLane, (notesTop - 10 - y - fixed) / (2 * count));
    if (laneHeight < 8)
        return; // too small an area to say anything readable
    m_nameFont = pageFont(std::min(30.0, laneHeight * 0.62));
    const QFontMetricsF names(m_nameFont);
    for (const calc::Lane &lane : m_lanes)
        m_nameWidth = std::max(m_nameWidth, names.horizontalAdvance(laneName(lane)) + 30);
    m_nameWidth = std::min(m_nameWidth, m_width * 0.3);

    auto place = [&](std::size_t index, double top, double from, double to) {
        View v;
        v.from = from;
        v.to = to;
        v.x0 = Pad + m_nameWidth;
        v.x1 = m_width - Pad - 40;
        v.top = top;
        v.caption = captions[index];
        v.lanesTop = top + captionHeights[index];
        v.laneHeight = laneHeight;
        v.markerY = v.lanesTop + laneHeight * count;
        v.axisY = v.markerY + MarkerRow;
        v.bottom = v.axisY + AxisRow;
        return v;
    };
    const View overview = place(0, y, 0, 2 * T);
    const double wired = static_cast<double>(c.wired);
    const double half = T / 2, margin = c.wired ? std::max(wired / 4, static_cast<double>(c.wired & -c.wired)) : 1024;
    View zoom = place(1, overview.bottom + ViewGap, half - margin * c.P, half + (wired + margin) * c.P);
    zoom.origin = half;
    zoom.originName = QStringLiteral("T/2");

    // Where the zoom comes from, shaded in both views and joined.
    const double zoomLeft = overview.x(zoom.from), zoomRight = std::max(overview.x(zoom.to), zoomLeft + 6);
    p.fillRect(QRectF(zoomLeft, overview.lanesTop, zoomRight - zoomLeft, overview.bottom - overview.lanesTop), Zoom);
    p.fillRect(QRectF(zoom.x0, zoom.lanesTop, zoom.x1 - zoom.x0, zoom.markerY - zoom.lanesTop), Zoom);
    p.setPen(QPen(Guide, 1.5, Qt::DashLine));
    p.drawLine(QPointF(zoomLeft, overview.bottom), QPointF(zoom.x0, zoom.top));
    p.drawLine(QPointF(zoomRight, overview.bottom), QPointF(zoom.x1, zoom.top));
    p.drawLine(QPointF(zoom.x1, zoom.top), QPointF(zoom.x1, zoom.lanesTop));

    view(overview);
    for (const double t : {half, half + T})
        guide(overview, t);
    m_markerLabels.clear();
    dimension(overview, 0, half, QStringLiteral("T/2 = ") + seconds(half));
    dimension(overview, half, half + T, QStringLiteral("T = ") + seconds(T));
    axis(overview, false);

    view(zoom);
    m_markerLabels.clear();
    guide(zoom, half);
    if (c.wired) {
        guide(zoom, half + c.pulse());
        dimension(zoom, half, half + c.pulse(), QStringLiteral("T1 = ") + seconds(c.pulse()));
    }
    axis(zoom, true);
}

} // namespace

void draw(QPainter &painter, const calc::Chronogram &chronogram, QRectF area)
{
    if (!(area.width() > 0) || !(area.height() > 0))
        return;
    auto perUnit = [&painter] { // device pixels
        const QTransform device = painter.deviceTransform();
        return std::hypot(device.m11(), device.m12());
    };
    painter.save();
    const double given = perUnit();
    const double scale = given > 0 ? std::max(area.width() / PageWidth, SmallestText / given) : area.width() / PageWidth;
    painter.translate(area.topLeft());
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double pixel = 1 / std::min(perUnit(), 1 / FinestPixel);
    ChronogramPainter(painter, chronogram, area.size() / scale, std::isfinite(pixel) ? pixel : 1).paint();
    painter.restore();
}
