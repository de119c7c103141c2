#include "calc/precision.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

namespace {

using Verdict = calc::TrimmerAdvice::Verdict;

// Expected figures from tests/calc/precision_expected.py (exact rational arithmetic).
struct PrecisionCase {
    const char *name;
    double T, T1;
    const char *talon, *pot, *C;
    std::uint64_t pattern;
    int Pas_Serie;
    double K;
    calc::Tolerances tolerances;
    double errorT, errorT1;
    std::pair<double, double> worstT, statisticalT;
    Verdict verdict;
    double talonAdvised, trimmer, setting, travel; // trimmer and after: when found
    std::pair<double, double> sweep;
    std::pair<std::uint64_t, std::uint64_t> pulses;
    std::vector<std::pair<double, double>> solutions; // (C2, talon)
    double bestError;
    std::array<bool, 4> rules;
    std::optional<calc::Cascade> cascade = {};
    std::vector<std::pair<double, double>> calibrations = {}; // (measured T, K4060)
};

class Precision : public testing::TestWithParam<PrecisionCase> {};

void expectNear(double actual, double expected, const char *what)
{
    EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::fabs(expected))) << what;
}

TEST_P(Precision, MatchesIndependentFigures)
{
    const PrecisionCase &c = GetParam();
    calc::RealDesign design;
    design.T = c.T;
    design.T1 = c.T1;
    design.talonText = c.talon;
    design.potentiometerText = c.pot;
    design.capacitorText = c.C;
    design.pattern = c.pattern;
    design.Pas_Serie = c.Pas_Serie;
    design.K = c.K;
    design.cascade = c.cascade;
    const calc::Precision p = calc::assessPrecision(design, c.tolerances);
    ASSERT_TRUE(p.assessable);
    expectNear(*p.errorT, c.errorT, "ecart T");
    expectNear(*p.errorT1, c.errorT1, "ecart T1");
    expectNear(p.worstT.low, c.worstT.first, "T min");
    expectNear(p.worstT.high, c.worstT.second, "T max");
    expectNear(p.statisticalT.low, c.statisticalT.first, "T stat min");
    expectNear(p.statisticalT.high, c.statisticalT.second, "T stat max");
    EXPECT_EQ(p.trimmer.verdict, c.verdict);
    if (c.verdict != Verdict::NoTalon) {
        EXPECT_DOUBLE_EQ(p.trimmer.talon, c.talonAdvised);
    }
    if (c.verdict == Verdict::Found) {
        EXPECT_DOUBLE_EQ(p.trimmer.trimmer, c.trimmer);
        expectNear(p.trimmer.setting, c.setting, "reglage");
        expectNear(p.trimmer.travel, c.travel, "course");
        expectNear(p.trimmer.sweep.low, c.sweep.first, "T reglable min");
        expectNear(p.trimmer.sweep.high, c.sweep.second, "T reglable max");
    }
    EXPECT_EQ(p.pulses[0].n, c.pulses.first);
    EXPECT_EQ(p.pulses[1].n, c.pulses.second);
    ASSERT_EQ(p.solutions.size(), c.solutions.size());
    for (std::size_t i = 0; i < c.solutions.size(); ++i) {
        EXPECT_NEAR(p.solutions[i].C2, c.solutions[i].first, 1e-12) << "solution " << i;
        EXPECT_DOUBLE_EQ(p.solutions[i].talon, c.solutions[i].second) << "solution " << i;
    }
    expectNear(p.solutions.front().error, c.bestError, "best error");
    for (std::size_t i = 0; i < c.rules.size(); ++i)
        EXPECT_EQ(p.rules[i].met, c.rules[i]) << "rule " << i;
    for (const auto &[measured, k4060] : c.calibrations)
        EXPECT_DOUBLE_EQ(*calc::calibratedK4060(design, measured), k4060) << measured;
}

const calc::Tolerances Defaults;

INSTANTIATE_TEST_SUITE_P(
    Designs, Precision,
    testing::Values(
        PrecisionCase{"one_hour_E12", 3600, 2, "180", "0", "470", 8, 2, 2.8e-6, Defaults,
                      7.80672, -5.248, {2986.46175744, 4930.86375936}, {3298.885632, 4463.198208},
                      Verdict::Found, 120, 220, 46.96547302431611, 21.34794228378005,
                      {2587.36128, 7330.85696}, {8, 16},
                      {{680, 120}, {820, 100}, {1000, 82}, {270, 270}, {220, 330}}, 3.9837866666666666,
                      {true, true, true, true}},
        PrecisionCase{"road_example_E24_comma", 10, 1, "150", "0", "1,5", 2048, 1, 2.8e-6, Defaults,
                      3.2192, 29.024, {7.94271744, 13.11399936}, {8.773632, 11.870208},
                      Verdict::Found, 110, 100, 35.321800595238095, 35.321800595238095,
                      {7.569408, 14.450688}, {1016, 2048},
                      {{3.9, 56}, {1.2, 180}, {12, 18}, {1.0, 220}, {2.2, 100}}, 0.1914368,
                      {true, true, true, true}},
        PrecisionCase{"small_R_with_potentiometer", 100, 5, "4.7", "0.5", "1000", 24, 1, 2.8e-6, Defaults,
                      138.55104, -93.0112, {183.56502528, 303.07909632}, {202.768384, 274.333696},
                      Verdict::Found, 1.6, 2.2, 0.5798270089285714, 26.355773133116884,
                      {73.40032, 174.32576}, {336, 344},
                      {{39, 56}, {12, 180}, {120, 18}, {10, 220}, {22, 100}}, 0.1914368,
                      {false, true, true, true}},
        PrecisionCase{"large_talon_small_C_ties", 60, 3, "820", "0", "0.047", 4608, 2, 2.2e-6, {1, 2, 10, 10},
                      -97.68472234666666, -86.9765632, {1.21299248480256, 1.57423136538624},
                      {1.2468193752606012, 1.531513808739399}, Verdict::NoTrimmer, 8200, 0, 0, 0, {0, 0},
                      {7160, 0}, {{3.3, 470}, {4.7, 330}, {33, 47}, {47, 33}, {10, 180}}, -6.824192,
                      {true, true, false, false}},
        PrecisionCase{"no_trimmer_big_enough", 1e6, 100, "9100", "0", "1", 8, 1, 2.8e-6, Defaults,
                      -99.958253568, -99.79616, {321.23879424, 530.38841856}, {354.844672, 480.083968},
                      Verdict::NoTrimmer, 9100, 0, 0, 0, {0, 0}, {3064, 4096},
                      {{1000, 470}, {1000, 430}, {1000, 390}, {820, 470}, {1000, 360}}, -97.8438656,
                      {false, true, true, false}},
        // Every error near -100 %: the first must still be the best, not the end of a chain of
        // near ties.
        PrecisionCase{"far_period_best_first", 1e13, 1, "100", "0", "10", 8, 1, 2.8e-6, Defaults,
                      -99.99999999954125, -97.76, {35.3009664, 58.2844416}, {38.99392, 52.75648},
                      Verdict::NoTrimmer, 9100, 0, 0, 0, {0, 0}, {352, 360},
                      {{1000, 470}, {1000, 430}, {1000, 390}, {820, 470}, {1000, 360}}, -99.99999978438656,
                      {true, true, true, true}},
        PrecisionCase{"no_talon_small_enough", 0.03, 0.01, "1", "0", "1000", 8, 1, 2.8e-6, Defaults,
                      152817.33333333334, 124.0, {35.3009664, 58.2844416}, {38.99392, 52.75648},
                      Verdict::NoTalon, 0, 0, 0, 0, {0, 0}, {0, 8},
                      {{0.47, 10}, {0.47, 11}, {0.47, 12}, {0.47, 13}, {0.68, 10}}, 618.7114666666666,
                      {false, true, true, true}},
        // Two counters: 2^24 and 2^28 oscillator periods; the pulses of pinned stages of both.
        PrecisionCase{"cascade_day_CD4040", 86400, 60, "180", "3.9", "10", 11256, 1, 2.8e-6, Defaults,
                      -0.012452977777777778, -3.401008, {66476.5206626304, 109757.5302168576},
                      {73430.85453311999, 99347.62672127999}, Verdict::Found, 130, 220, 53.922903878348215,
                      24.510410853794642, {61069.06624, 164416.7168}, {11256, 12288},
                      {{6.8, 270}, {27, 68}, {68, 27}, {3.9, 470}, {4.7, 390}}, -0.1755648, {true, true, true, true},
                      calc::Cascade{calc::SecondCounter::CD4040, 24}, {{86400, 280}, {90000, 291.7}}},
        PrecisionCase{"cascade_week_CD4020", 604800, 3600, "150", "21.2", "4.7", 1597872, 2, 2.8e-6, Defaults,
                      -0.0028216130370370372, -0.00019908266666666667, {465380.46839350887, 768376.7187705692},
                      {514065.4946516992, 695500.3751170047}, Verdict::Found, 120, 220, 51.20483073782414,
                      23.274923062647336, {423913.2721152, 1201087.6043264}, {1597872, 1597880},
                      {{6.8, 120}, {12, 68}, {68, 12}, {8.2, 100}, {10, 82}}, 1.4089500444444445,
                      {true, true, true, true}, calc::Cascade{calc::SecondCounter::CD4020, 28},
                      {{604800, 280}, {580000, 268.5}}}),
    [](const auto &info) { return std::string(info.param.name); });

// Bad input: no parts, nothing wanted, tolerances out of range, values too large to multiply.
TEST(PrecisionBadInput, NeverDividesByZeroNorShowsNonFinite)
{
    calc::RealDesign empty; // before any conversion: texts empty
    EXPECT_FALSE(calc::assessPrecision(empty, {}).assessable);
    empty.talonText = "180";
    empty.capacitorText = "0";
    EXPECT_FALSE(calc::assessPrecision(empty, {}).assessable);

    calc::RealDesign huge;
    huge.talonText = "1e300";
    huge.capacitorText = "1e300";
    EXPECT_FALSE(calc::assessPrecision(huge, {}).assessable);

    calc::RealDesign unwanted; // parts, but T and T1 fields emptied
    unwanted.talonText = "100";
    unwanted.capacitorText = "10";
    unwanted.pattern = 8;
    const calc::Precision p = calc::assessPrecision(unwanted, {80, -1, 10, 10});
    ASSERT_TRUE(p.assessable);
    EXPECT_FALSE(p.errorT && p.errorT1);
    EXPECT_EQ(p.trimmer.verdict, Verdict::NoPeriod);
    EXPECT_TRUE(p.solutions.empty());
    EXPECT_EQ(p.pulses[0].n, 0);
    EXPECT_EQ(p.pulses[1].n, 8);
    EXPECT_FALSE(p.pulses[1].error);
    // Out-of-range tolerances count as 0: only k = 10 % widens the worst case.
    EXPECT_DOUBLE_EQ(p.worstT.high, p.T_reel * 1.1);

    EXPECT_FALSE(calc::isTolerance(50.01));
    EXPECT_FALSE(calc::isTolerance(-0.5));
    EXPECT_TRUE(calc::isTolerance(50));
}

TEST(PrecisionCalibration, FourSignificantDigitsOrNothing)
{
    calc::RealDesign design; // T_reel = 16384 x 2.8e-6 x 150 x 1.5 = 10.32192 s
    design.talonText = "150";
    design.capacitorText = "1.5";
    // 280 x 11 / 10.32192 = 298.3941...
    EXPECT_DOUBLE_EQ(*calc::calibratedK4060(design, 11), 298.4);
    EXPECT_DOUBLE_EQ(*calc::calibratedK4060(design, 10.32192), 280);
    EXPECT_DOUBLE_EQ(*calc::calibratedK4060(design, 1e5), 2713000); // 2712673.6...
    // Far exponents: the double nearest the four digits, which rounds to itself.
    for (const auto &[measured, k4060] : {std::pair{1.11e42, 3.011e43}, std::pair{1e-290, 2.713e-289}}) {
        EXPECT_EQ(*calc::calibratedK4060(design, measured), k4060) << measured;
        EXPECT_EQ(calc::fourSignificantDigits(k4060), k4060) << k4060;
    }
    for (double bad : {0.0, -3.0, double(INFINITY), double(NAN)})
        EXPECT_FALSE(calc::calibratedK4060(design, bad)) << bad;
    EXPECT_FALSE(calc::calibratedK4060(calc::RealDesign{}, 11));
    for (const auto &[k4060, inReach] : {std::pair{150.0, true}, std::pair{450.0, true}, std::pair{149.9, false},
                                         std::pair{450.1, false}, std::pair{2713000.0, false}})
        EXPECT_EQ(calc::CalibrationRange.contains(k4060), inReach) << k4060;
    for (const calc::ChipConstant &chip : calc::ChipConstants)
        EXPECT_TRUE(calc::CalibrationRange.contains(chip.K * 1e8)) << chip.name;
    EXPECT_EQ(calc::outputsOf(4096 + 512 + 8), (std::vector<int>{4, 10, 13}));
    EXPECT_EQ(calc::outputsOf((std::uint64_t{1} << 63) | (1 << 27) | 8), (std::vector<int>{4, 28, 64}));
}

} // namespace
