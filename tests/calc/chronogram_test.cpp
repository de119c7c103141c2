#include "calc/chronogram.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace {

using calc::Lane;
using calc::Signal;

// 150 kΩ and 1.5 nF: P = 0.63 ms.
calc::RealDesign design(std::uint64_t pattern, const char *capacitor = "1.5", double K = 2.8e-6,
                        std::optional<calc::Cascade> cascade = {})
{
    calc::RealDesign d;
    d.talonText = "150";
    d.potentiometerText = "0";
    d.capacitorText = capacitor;
    d.pattern = pattern;
    d.K = K;
    d.cascade = cascade;
    return d;
}

// Expected intervals from tests/calc/chronogram_expected.py (the circuit stepped count by count);
// times in oscillator periods.
struct IntervalCase {
    const char *name;
    std::uint64_t marks;
    Lane lane;
    double from, to, resolution;
    std::size_t limit;
    std::vector<std::array<double, 3>> expected; // begin, end, dense
    std::optional<calc::Cascade> cascade = {};
};

class Intervals : public testing::TestWithParam<IntervalCase> {};

TEST_P(Intervals, MatchTheCircuitSteppedCountByCount)
{
    const IntervalCase &c = GetParam();
    const calc::Chronogram chronogram = calc::chronogram(design(c.marks, "1.5", 2.8e-6, c.cascade));
    const double P = chronogram.P;
    ASSERT_NEAR(P, 0.00063, 1e-15);
    const auto found = calc::highIntervals(chronogram, c.lane, c.from * P, c.to * P, c.resolution * P, c.limit);
    ASSERT_EQ(found.size(), c.expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_NEAR(found[i].begin, c.expected[i][0] * P, 1e-12) << i;
        EXPECT_NEAR(found[i].end, c.expected[i][1] * P, 1e-12) << i;
        EXPECT_EQ(found[i].dense, c.expected[i][2] != 0) << i;
    }
}

const Lane Led{Signal::Led, 0}, Diodes{Signal::DiodeLine, 0};
Lane Q(int m) { return {Signal::Output, m}; }
constexpr std::size_t All = 100;
const calc::Cascade CD4040At20{calc::SecondCounter::CD4040, 20}, CD4020At28{calc::SecondCounter::CD4020, 28};
constexpr double Half28 = 1 << 27; // counts before the CD4020's Q14 first rises

INSTANTIATE_TEST_SUITE_P(
    Designs, Intervals,
    testing::Values(
        IntervalCase{"led_q12_two_periods", 2048, Led, 0, 32768, 0, All, {{0, 2048, 0}, {8192, 10240, 0}, {24576, 26624, 0}}},
        IntervalCase{"q14_two_periods", 2048, Q(14), 0, 32768, 0, All, {{8192, 16384, 0}, {24576, 32768, 0}}},
        IntervalCase{"q14_cut_by_the_window", 2048, Q(14), 10000, 30000, 0, All, {{10000, 16384, 0}, {24576, 30000, 0}}},
        IntervalCase{"diodes_q12_around_the_pulse", 2048, Diodes, 8000, 10500, 0, All, {{8000, 8192, 0}, {10240, 10500, 0}}},
        IntervalCase{"led_every_mark", 8191, Led, 0, 32768, 0, All, {{0, 7160, 0}, {8192, 15352, 0}, {24576, 31736, 0}}},
        IntervalCase{"diodes_every_mark", 8191, Diodes, 7000, 8200, 0, All, {{7160, 7168, 0}, {8184, 8192, 0}}},
        IntervalCase{"led_pinless_and_q5", 1 | 16, Led, 0, 32768, 0, All, {{0, 16, 0}, {8192, 8208, 0}, {24576, 24592, 0}}},
        IntervalCase{"led_no_mark", 0, Led, 0, 32768, 0, All, {}},
        IntervalCase{"diodes_no_mark", 0, Diodes, 100, 200, 0, All, {{100, 200, 0}}},
        IntervalCase{"led_pinless_only", 1024, Led, 0, 32768, 0, All, {}},
        IntervalCase{"q11_pinless_only", 1024, Q(11), 0, 5000, 0, All, {{1024, 2048, 0}, {3072, 4096, 0}}},
        IntervalCase{"oscillator", 0, Lane{}, 0.25, 3, 0, All, {{0.5, 1, 0}, {1.5, 2, 0}, {2.5, 3, 0}}},
        IntervalCase{"q1_limited", 1, Q(1), 0, 1000, 0, 3, {{1, 2, 0}, {3, 4, 0}, {5, 6, 0}}},
        IntervalCase{"diodes_q4_q12_coarse", 2056, Diodes, 0, 16384, 100, All,
                     {{2048, 4096, 1}, {6144, 8192, 1}, {10240, 12288, 1}, {14336, 16384, 1}}},
        // By hand: Q4 toggles every 8 periods, Q12's run and the LED's gaps are far longer.
        IntervalCase{"q4_finer_than_resolution", 8, Q(4), 0, 16384, 100, All, {{0, 16384, 1}}},
        IntervalCase{"led_pulse_finer_than_resolution", 8, Led, 0, 16384, 100, All, {{0, 8, 0}, {8192, 8200, 0}}},
        IntervalCase{"before_power_on", 2048, Q(12), -5000, 3000, 0, All, {{2048, 3000, 0}}},
        IntervalCase{"cascade_led_two_periods", 8 | 1 << 15, Led, 0, 1 << 21, 0, All,
                     {{0, 32776, 0}, {524288, 557064, 0}, {1572864, 1605640, 0}}, CD4040At20},
        IntervalCase{"cascade_top_stage", 8 | 1 << 15, Q(20), 0, 1 << 21, 0, All,
                     {{524288, 1048576, 0}, {1572864, 2097152, 0}}, CD4040At20},
        IntervalCase{"cascade_diodes_around_the_pulse", 8 | 1 << 15, Diodes, 524268, 557088, 0, All,
                     {{524268, 524272, 0}, {524280, 524288, 0}, {557064, 557072, 0}, {557080, 557088, 0}},
                     CD4040At20},
        IntervalCase{"cascade_led_pinless_cd4020", 1 << 15 | 1 << 17 | 1 << 19, Led, Half28, Half28 + 700000, 0, All,
                     {{Half28, Half28 + 655360, 0}}, CD4020At28},
        // By hand: Q4 is finer than the resolution; the CD4020's Q12 (stage 26) is high every
        // other 2^25 counts.
        IntervalCase{"cascade_diodes_coarse_28_stages", 8 | 1 << 25, Diodes, 0, 1 << 28, 100, All,
                     {{1 << 25, 1 << 26, 1}, {3 << 25, 1 << 27, 1}, {5 << 25, 3 << 26, 1}, {7 << 25, 1 << 28, 1}},
                     CD4020At28}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Chronogram, WiresOnlyMarksWithAPinAndKnowsItsLimits)
{
    const calc::Chronogram c = calc::chronogram(design(1 | 4 | 1024 | 2048 | 8));
    EXPECT_EQ(c.wired, 2048 | 8);
    EXPECT_NEAR(c.pulse(), 2056 * 0.00063, 1e-12);
    EXPECT_NEAR(c.longestPeriod, 16384 * 2.8e-6 * 500 * 1.5, 1e-9); // R = 500 kΩ: Rs = 1 MΩ is 2 R
    std::vector<int> outputs;
    for (const Lane &lane : calc::lanes(c))
        outputs.push_back(lane.signal == Signal::Output ? lane.output : -static_cast<int>(lane.signal));
    EXPECT_EQ(outputs, (std::vector<int>{0, 1, 3, 4, 11, 12, 14, -2, -3}));
    EXPECT_NEAR(calc::outputPeriod(c, 12), 4096 * 0.00063, 1e-12);

    // A CD4020 up to its Q14 (stage 28): its Q2 (stage 16) has no pin, marks from the top up do not count.
    const calc::Chronogram cascade =
        calc::chronogram(design(8 | 1 << 15 | 1 << 19 | 1 << 27 | std::uint64_t{1} << 40, "1.5", 2.8e-6, CD4020At28));
    EXPECT_EQ(cascade.wired, 8 | 1 << 19);
    EXPECT_NEAR(cascade.period(), 268435456 * 0.00063, 1e-6);
    outputs.clear();
    for (const Lane &lane : calc::lanes(cascade))
        outputs.push_back(lane.signal == Signal::Output ? lane.output : -static_cast<int>(lane.signal));
    EXPECT_EQ(outputs, (std::vector<int>{0, 4, 16, 20, 28, -2, -3}));

    // Nothing to draw without parts, or where two periods leave a double's range.
    EXPECT_EQ(calc::chronogram(design(8, "0")).P, 0);
    EXPECT_FALSE(calc::chronogram(design(8, "0")).designed);
    const calc::Chronogram far = calc::chronogram(design(8, "1e300"));
    EXPECT_TRUE(far.designed);
    EXPECT_EQ(far.P, 0);
    EXPECT_TRUE(calc::highIntervals(far, Led, 0, 1, 0, All).empty());
}

// Any design, window and resolution: finite, ordered intervals inside the window, never more
// than asked, and a bounded count at any resolution.
TEST(Chronogram, TotalOnDesignsAtTheEdges)
{
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    for (const char *capacitor : {"1.5", "1e-280", "1e190", "0.000001", "1e9"})
        for (double K : {2.8e-6, 1e-30, 1e30})
            for (int marks : {0, 8, 1024, 8191, -1, 1 << 20})
            for (const auto &cascade : {std::optional<calc::Cascade>{}, std::optional{CD4020At28}}) {
                const calc::Chronogram c = calc::chronogram(design(static_cast<std::uint64_t>(marks), capacitor, K, cascade));
                for (const Lane &lane : calc::lanes(c))
                    for (const auto &[from, to] : {std::pair{0.0, 2 * c.period()}, {c.period() / 3, c.period() / 2},
                                                   {-1.0, inf}, {nan, 1.0}, {1e300, 1e301}})
                        for (double resolution : {0.0, (to - from) / 2000}) {
                            const auto found = calc::highIntervals(c, lane, from, to, resolution, 5000);
                            EXPECT_LE(found.size(), 5000u);
                            if (resolution > 0 && std::isfinite(to)) {
                                EXPECT_LE(found.size(), 2002u) << capacitor << " " << marks;
                            }
                            double last = 0;
                            for (const calc::Interval &i : found) {
                                ASSERT_TRUE(std::isfinite(i.begin) && i.begin >= std::max(from, last) && i.begin < i.end &&
                                            i.end <= to)
                                    << capacitor << " " << K << " " << marks;
                                last = i.end;
                            }
                        }
            }
}

} // namespace
