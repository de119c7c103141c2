#include "calc/design.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace calc;

namespace {

constexpr double K = 2.8e-6; // default constant: 280 / 10^8

struct DesignCase {
    const char *name;
    double T, T1;
    int motif;
    std::vector<int> on, red;
    const char *c2Point, *r2Point, *c2Comma, *r2Comma;
};

class DesignTable : public testing::TestWithParam<DesignCase> {};

TEST_P(DesignTable, MatchesWorkedExample)
{
    const auto &c = GetParam();
    for (char separator : {'.', ','}) {
        SCOPED_TRACE(separator);
        const Design d = designTimer(c.T, c.T1, c.T / 16384, K, separator);
        ASSERT_TRUE(d.completed);
        EXPECT_EQ(d.Motif_Q, c.motif);
        std::vector<int> on, red;
        for (int n = 1; n <= 13; ++n) {
            if (d.on[n])
                on.push_back(n);
            if (d.red[n])
                red.push_back(n);
        }
        EXPECT_EQ(on, c.on);
        EXPECT_EQ(red, c.red);
        EXPECT_EQ(d.alarms, std::vector<int>(c.red.size(), 2));
        EXPECT_EQ(d.C2Caption, separator == '.' ? c.c2Point : c.c2Comma);
        EXPECT_EQ(d.R2Caption, separator == '.' ? c.r2Point : c.r2Comma);
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, DesignTable,
    testing::Values(
        DesignCase{"T10_T1_1", 10, 1, 1639, {1, 2, 3, 6, 7, 10, 11}, {1, 2, 3, 11},
                   "1.5 nF", "145.32 Kohm", "1,5 nF", "145,32 Kohm"},
        DesignCase{"T4_T1_1_tie_to_even", 4, 1, 4096, {13}, {}, "0.68 nF", "128.23 Kohm",
                   "0,68 nF", "128,23 Kohm"},
        DesignCase{"T60_T1_10", 60, 10, 2731, {1, 2, 4, 6, 8, 10, 12}, {1, 2}, "8.2 nF",
                   "159.5 Kohm", "8,2 nF", "159,5 Kohm"},
        DesignCase{"T3600_T1_60", 3600, 60, 273, {1, 5, 9}, {1}, "470.0 nF", "166.97 Kohm",
                   "470,0 nF", "166,97 Kohm"},
        DesignCase{"T18000_T1_25_clamped_high", 18000, 25, 23, {1, 2, 3, 5}, {1, 2, 3},
                   "1000.0 nF", "392.37 Kohm", "1000,0 nF", "392,37 Kohm"},
        DesignCase{"T1_T1_0_1_clamped_low", 1, 0.1, 1639, {1, 2, 3, 6, 7, 10, 11},
                   {1, 2, 3, 11}, "0.47 nF", "46.38 Kohm", "0,47 nF", "46,38 Kohm"}),
    [](const auto &info) { return std::string(info.param.name); });

struct PatternCase {
    const char *name;
    double T, T1;
    int motif;
};

class DesignPattern : public testing::TestWithParam<PatternCase> {};

TEST_P(DesignPattern, RoundsTiesToEven)
{
    const auto &c = GetParam();
    EXPECT_EQ(designTimer(c.T, c.T1, c.T / 16384, K, '.').Motif_Q, c.motif);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, DesignPattern,
    testing::Values(PatternCase{"below_half_gives_zero", 20000, 0.1, 0},
                    PatternCase{"product_2_5_to_2", 32766, 2.5, 1},
                    PatternCase{"product_4_5_to_4", 16383, 2.25, 2},
                    PatternCase{"product_1_5_to_2", 32766, 1.5, 1},
                    PatternCase{"negative_period_and_pulse", -10, -1, 1639}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Design, StopsOnZeroPulseOrSmallRatio)
{
    EXPECT_EQ(designTimer(10, 0, 0, K, '.').alarms, std::vector<int>{6});
    EXPECT_EQ(designTimer(2.0005, 1, 0, K, '.').alarms, std::vector<int>{5});
    EXPECT_FALSE(designTimer(2.0005, 1, 0, K, '.').completed);
    EXPECT_FALSE(designTimer(10, -1, 0, K, '.').completed); // negative ratio
    EXPECT_TRUE(designTimer(2.001, 1, 2.001 / 16384, K, '.').completed);
}

TEST(Design, ZeroPatternLightsNothing)
{
    const Design d = designTimer(20000, 0.1, 20000.0 / 16384, K, '.');
    for (int n = 1; n <= 13; ++n)
        EXPECT_FALSE(d.on[n]) << n;
    EXPECT_TRUE(d.alarms.empty());
}

struct CapacitorCase {
    const char *name;
    double c150; // nanofarads the 150 kilohm resistor would need
    const char *caption;
};

class CapacitorSnap : public testing::TestWithParam<CapacitorCase> {};

TEST_P(CapacitorSnap, SnapsToPreferredValue)
{
    const auto &c = GetParam();
    const double oscillator = c.c150 * K * 150; // inverse of C150 = Tosc / 150000 * 1000 / K
    EXPECT_EQ(designTimer(10, 1, oscillator, K, '.').C2Caption, c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, CapacitorSnap,
    testing::Values(CapacitorCase{"mantissa_ten_gives_8_2", 10, "8.2 nF"},
                    CapacitorCase{"hundred_gives_82", 100, "82.0 nF"},
                    CapacitorCase{"thousand_gives_820", 1000, "820.0 nF"},
                    CapacitorCase{"ninety_five_gives_82", 95, "82.0 nF"},
                    CapacitorCase{"below_one_nf", 0.95, "0.82 nF"},
                    CapacitorCase{"half_nf", 0.5, "0.47 nF"},
                    CapacitorCase{"just_below_clamp", 0.469, "0.47 nF"},
                    CapacitorCase{"just_above_clamp", 1000.1, "1000.0 nF"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Design, ZeroOscillatorPeriodGivesZeroResistor)
{
    const Design d = designTimer(10, 1, 0, K, '.');
    EXPECT_EQ(d.C2Caption, "0.47 nF");
    EXPECT_EQ(d.R2Caption, "0.0 Kohm");
}

} // namespace
