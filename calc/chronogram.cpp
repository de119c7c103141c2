#include "calc/chronogram.h"

#include "calc/realtiming.h"
#include "calc/tables.h"

#include <algorithm>
#include <cmath>

namespace calc {

namespace {

// Beyond these, two periods and the zoom's scale would leave the range of a double.
constexpr double ShortestP = 1e-200;
constexpr double LongestT = 1e200;

// The smallest count from `count` on that has every bit of `mask`: `count` itself, or the
// count that keeps its bits above some clear bit, sets that bit and below it only the mask's.
std::uint64_t nextSuperset(std::uint64_t count, std::uint64_t mask)
{
    if ((count & mask) == mask)
        return count;
    for (int bit = 0; bit < 64; ++bit) {
        const std::uint64_t one = std::uint64_t{1} << bit, below = one - 1;
        if (count & one)
            continue;
        const std::uint64_t kept = count & ~below & ~one;
        if ((kept & mask & ~below & ~one) == (mask & ~below & ~one))
            return kept | one | (mask & below);
    }
    return ~std::uint64_t{0};
}

// A lane that repeats: high over [first, second] counts from the start of each repetition.
struct Repeat {
    double start = 0;  // counts
    double length = 1; // counts per repetition
    std::vector<std::pair<double, double>> high;
};

class Window {
public:
    Window(double P, double from, double to, std::size_t limit)
        : m_P(P), m_from(std::max(from, 0.0)), m_to(to), m_limit(limit) {}

    bool full() const { return m_out.size() >= m_limit; }
    void add(double beginCount, double endCount, bool dense)
    {
        const double begin = std::max(beginCount * m_P, m_from), end = std::min(endCount * m_P, m_to);
        if (begin < end && !full())
            m_out.push_back({begin, end, dense});
    }
    void whole(bool dense)
    {
        if (m_from < m_to && !full())
            m_out.push_back({m_from, m_to, dense});
    }
    void repeat(const Repeat &r, bool dense)
    {
        double k = std::max(0.0, std::floor((m_from / m_P - r.start) / r.length));
        while (!full()) {
            const double base = r.start + k * r.length;
            if (!(base * m_P < m_to))
                return;
            for (const auto &[first, second] : r.high)
                add(base + first, base + second, dense);
            if (!(r.start + (k + 1) * r.length > base))
                return; // counts beyond the whole numbers a double holds
            k += 1;
        }
    }
    // Every run of counts, in periods of 2^`top` counts from 0, that holds all the stages of
    // `mask` high: runs as long as the lowest stage's half period. Made as they come into the
    // window, as a period of 28 stages may hold millions.
    void supersets(std::uint64_t mask, int top, bool dense)
    {
        const double length = std::ldexp(1.0, top);
        const std::uint64_t block = mask & -mask, end = std::uint64_t{1} << top;
        double k = std::max(0.0, std::floor(m_from / m_P / length));
        while (!full()) {
            const double base = k * length;
            if (!(base * m_P < m_to) || !(base + 1 > base))
                return; // past the window, or counts beyond the whole numbers a double holds
            // The block where the window starts: the runs before it are cut away.
            const double skipped = std::clamp(std::floor(m_from / m_P - base), 0.0, length);
            std::uint64_t count = nextSuperset(static_cast<std::uint64_t>(skipped) & ~(block - 1), mask);
            for (; count < end && !full(); count = nextSuperset(count + block, mask)) {
                const double begin = base + static_cast<double>(count);
                if (!(begin * m_P < m_to))
                    return;
                add(begin, begin + static_cast<double>(block), dense);
            }
            if (!((k + 1) * length > base))
                return; // counts beyond the whole numbers a double holds
            k += 1;
        }
    }
    std::vector<Interval> take() { return std::move(m_out); }

private:
    double m_P, m_from, m_to;
    std::size_t m_limit;
    std::vector<Interval> m_out;
};

} // namespace

double largestRuledResistance()
{
    // Rs tops at 1 MΩ, so Rs >= 2 x R holds up to half of it, within the 1 MΩ of the range.
    return std::min(1000.0, seriesResistor(1000) / 2);
}

bool Chronogram::hasPin(int stage) const
{
    if (cascade)
        return stage >= 1 && stage <= top && stageHasPin(cascade->counter, stage);
    return stage >= 1 && stage <= 14 && !isPinless(stage);
}

Chronogram chronogram(const RealDesign &design)
{
    Chronogram c;
    c.designed = design.hasParts();
    c.Mode_Affichage = design.Mode_Affichage;
    c.separator = design.separator;
    c.notation = design.notation;
    c.top = design.topStage();
    c.cascade = design.cascade;
    c.marks = design.pattern & ((std::uint64_t{1} << (c.top - 1)) - 1);
    for (int m = 1; m < c.top; ++m)
        if ((c.marks >> (m - 1) & 1) && c.hasPin(m))
            c.wired |= std::uint64_t{1} << (m - 1);
    const double P = design.oscillatorPeriod();
    if (P >= ShortestP && std::ldexp(P, c.top) <= LongestT) {
        c.P = P;
        const double longest = std::ldexp(design.capacitance() * largestRuledResistance() * design.K, c.top);
        c.longestPeriod = std::isfinite(longest) ? longest : 0;
    }
    return c;
}

std::vector<Lane> lanes(const Chronogram &chronogram)
{
    std::vector<Lane> all{{Signal::Oscillator, 0}};
    for (int m = 1; m < chronogram.top; ++m)
        if (chronogram.marks >> (m - 1) & 1)
            all.push_back({Signal::Output, m});
    all.push_back({Signal::Output, chronogram.top});
    all.push_back({Signal::DiodeLine, 0});
    all.push_back({Signal::Led, 0});
    return all;
}

double outputPeriod(const Chronogram &chronogram, int output) { return std::ldexp(chronogram.P, output); }

std::vector<Interval> highIntervals(const Chronogram &c, Lane lane, double from, double to, double resolution,
                                    std::size_t limit)
{
    if (!(c.P > 0) || !(from < to) || !(to > 0))
        return {};
    Window window(c.P, from, to, limit);
    const double counts = std::max(resolution, 0.0) / c.P; // resolution in oscillator periods
    switch (lane.signal) {
    case Signal::Oscillator:
        // Low for the first half of each period: the counter steps on the falling edge.
        if (counts > 0.5)
            window.whole(true);
        else
            window.repeat({0, 1, {{0.5, 1}}}, false);
        break;
    case Signal::Output: {
        const double half = std::ldexp(1.0, std::clamp(lane.output, 1, c.top) - 1);
        if (half < counts)
            window.whole(true);
        else
            window.repeat({0, 2 * half, {{half, 2 * half}}}, false);
        break;
    }
    case Signal::DiodeLine: {
        if (c.wired == 0) {
            window.whole(false); // no diode: the pull-up holds it high
            break;
        }
        // Outputs faster than the resolution only chop the runs of the slower ones.
        std::uint64_t slow = 0;
        for (int bit = 0; bit < c.top; ++bit)
            if ((c.wired >> bit & 1) && std::ldexp(1.0, bit) >= counts)
                slow |= std::uint64_t{1} << bit;
        if (slow == 0)
            window.whole(true);
        else
            window.supersets(slow, c.top, slow != c.wired);
        break;
    }
    case Signal::Led:
        if (c.wired == 0)
            break; // reset for good: never lit
        const double half = std::ldexp(1.0, c.top - 1), wired = static_cast<double>(c.wired);
        if (half - wired < counts) {
            window.whole(true);
            break;
        }
        window.add(0, wired, false); // set at power-on
        window.repeat({half, 2 * half, {{0, wired}}}, false);
        break;
    }
    return window.take();
}

} // namespace calc
