#include "calc/chronogram.h"

#include "calc/realtiming.h"
#include "calc/tables.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace calc {

namespace {

constexpr int HalfPeriod = 8192; // counts before Q14 first rises
constexpr int AllOutputs = (1 << OutputCount) - 1;
// Beyond these, two periods and the zoom's scale would leave the range of a double.
constexpr double ShortestP = 1e-200;
constexpr double LongestT = 1e200;

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
    std::vector<Interval> take() { return std::move(m_out); }

private:
    double m_P, m_from, m_to;
    std::size_t m_limit;
    std::vector<Interval> m_out;
};

// The counts, over one period T, at which every output of `mask` is high: runs as long as the
// lowest output's half period, and never two runs closer than that.
Repeat diodeRuns(int mask)
{
    const int low = std::countr_zero(static_cast<unsigned>(mask));
    const int top = static_cast<int>(CountsPerPeriod) >> low;
    const int high = mask >> low;
    Repeat runs{0, CountsPerPeriod, {}};
    for (int j = high; j < top; j = (j + 1) | high) // the supersets of `high`, increasing
        runs.high.emplace_back(std::ldexp(j, low), std::ldexp(j + 1, low));
    return runs;
}

} // namespace

double largestRuledResistance()
{
    // Rs tops at 1 MΩ, so Rs >= 2 x R holds up to half of it, within the 1 MΩ of the range.
    return std::min(1000.0, seriesResistor(1000) / 2);
}

Chronogram chronogram(const RealDesign &design)
{
    Chronogram c;
    c.designed = design.hasParts();
    c.Mode_Affichage = design.Mode_Affichage;
    c.separator = design.separator;
    c.notation = design.notation;
    c.marks = design.pattern & AllOutputs;
    for (int m = 1; m <= OutputCount; ++m)
        if ((c.marks >> (m - 1) & 1) && !isPinless(m))
            c.wired |= 1 << (m - 1);
    const double P = design.oscillatorPeriod();
    if (P >= ShortestP && P * CountsPerPeriod <= LongestT) {
        c.P = P;
        const double longest = design.capacitance() * largestRuledResistance() * design.K * CountsPerPeriod;
        c.longestPeriod = std::isfinite(longest) ? longest : 0;
    }
    return c;
}

std::vector<Lane> lanes(const Chronogram &chronogram)
{
    std::vector<Lane> all{{Signal::Oscillator, 0}};
    for (int m = 1; m <= OutputCount; ++m)
        if (chronogram.marks >> (m - 1) & 1)
            all.push_back({Signal::Output, m});
    all.push_back({Signal::Output, OutputCount + 1});
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
        const double half = std::ldexp(1.0, std::clamp(lane.output, 1, OutputCount + 1) - 1);
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
        int slow = 0;
        for (int bit = 0; bit < OutputCount; ++bit)
            if ((c.wired >> bit & 1) && std::ldexp(1.0, bit) >= counts)
                slow |= 1 << bit;
        if (slow == 0)
            window.whole(true);
        else
            window.repeat(diodeRuns(slow), slow != c.wired);
        break;
    }
    case Signal::Led:
        if (c.wired == 0)
            break; // reset for good: never lit
        if (HalfPeriod - c.wired < counts) {
            window.whole(true);
            break;
        }
        window.add(0, c.wired, false); // set at power-on
        window.repeat({HalfPeriod, CountsPerPeriod, {{0, static_cast<double>(c.wired)}}}, false);
        break;
    }
    return window.take();
}

} // namespace calc
