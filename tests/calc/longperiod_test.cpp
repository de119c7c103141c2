#include "calc/longperiod.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

// Expected figures from tests/calc/longperiod_expected.py (exact fractions, counts searched one by
// one): S, C2, R2, the marked count, talon and trimmer, the trimmer covering the tolerances.
struct LongCase {
    const char *name;
    double T, T1;
    calc::SecondCounter counter;
    std::optional<int> stage;
    int Pas_Serie;
    int S;
    double C2, R2;
    std::uint64_t marks;
    double talon, trimmer;
};

class LongRoad : public testing::TestWithParam<LongCase> {};

calc::LongEntry entryOf(double T, double T1, calc::SecondCounter counter = calc::SecondCounter::CD4040,
                        std::optional<int> stage = {}, int Pas_Serie = 1)
{
    calc::LongEntry entry;
    entry.T = T;
    entry.T1 = T1;
    entry.counter = counter;
    entry.stage = stage;
    entry.Pas_Serie = Pas_Serie;
    return entry;
}

TEST_P(LongRoad, StageCapacitorResistorMarksAndParts)
{
    const LongCase &c = GetParam();
    const calc::LongEntry entry = entryOf(c.T, c.T1, c.counter, c.stage, c.Pas_Serie);
    const calc::LongDesign d = calc::designLong(entry);
    ASSERT_EQ(d.refusal, calc::LongRefusal::None);
    EXPECT_EQ(d.stage, c.S);
    EXPECT_DOUBLE_EQ(d.C2, c.C2);
    EXPECT_NEAR(d.R2, c.R2, 1e-9 * c.R2);
    EXPECT_EQ(d.marks, c.marks);
    EXPECT_DOUBLE_EQ(d.talon, c.talon);
    EXPECT_DOUBLE_EQ(d.trimmer, c.trimmer);
    EXPECT_TRUE(d.trimmerAdvised);
    for (int s = 1; s <= 64; ++s)
        if (d.marks & (std::uint64_t{1} << (s - 1))) {
            EXPECT_TRUE(s < d.stage && calc::stageHasPin(c.counter, s)) << "stage " << s;
        }

    // The parts as designed give the wanted T exactly, and the pulse of the marks.
    const calc::LongTiming t = calc::longTiming(entry, d.stage, {d.talon, d.setting, d.C2, d.marks});
    EXPECT_NEAR(t.T, c.T, 1e-9 * c.T);
    EXPECT_NEAR(*t.errorT, 0, 1e-9);
    EXPECT_DOUBLE_EQ(t.T1, static_cast<double>(c.marks) * c.T / std::ldexp(1.0, c.S));
}

using enum calc::SecondCounter;
INSTANTIATE_TEST_SUITE_P(
    Designs, LongRoad,
    testing::Values(
        LongCase{"half_day_cd4040", 43200, 60, CD4040, {}, 1, 21, 47, 156.53013096029636, 2912, 120, 100},
        LongCase{"day_cd4040", 86400, 60, CD4040, {}, 1, 22, 47, 156.53013096029636, 2912, 120, 100},
        LongCase{"two_days_cd4020", 172800, 120, CD4020, {}, 1, 25, 12, 153.26908656529017, 23304, 120, 100},
        LongCase{"week_cd4060", 604800, 600, CD4060, {}, 1, 27, 10, 160.9325408935547, 133152, 120, 220},
        LongCase{"month_cd4020", 2592000, 3600, CD4020, {}, 1, 24, 390, 141.47915682949863, 23304, 110, 100},
        LongCase{"day_chosen_stage", 86400, 60, CD4040, 20, 1, 20, 220, 133.76211191152598, 728, 100, 100},
        LongCase{"day_finest_pulse", 86400, 0.7, CD4040, {}, 1, 24, 12, 153.26908656529017, 136, 120, 100},
        LongCase{"day_near_half", 86400, 43170, CD4040, {}, 1, 24, 12, 153.26908656529017, 8382784, 120, 100},
        LongCase{"e12_day", 86400, 60, CD4040, {}, 2, 22, 47, 156.53013096029636, 2912, 120, 100},
        LongCase{"month_top_stage", 2592000, 3600, CD4020, 28, 1, 28, 22, 156.7524748963195, 393216, 120, 100},
        LongCase{"minute_cd4060", 60, 1, CD4060, {}, 1, 18, 0.47, 173.9223677336626, 4368, 130, 220}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LongRoad, RefusesWhatItCannotBuild)
{
    struct Case {
        double T, T1;
        calc::SecondCounter counter;
        std::optional<int> stage;
        calc::LongRefusal refusal;
    };
    using enum calc::LongRefusal;
    for (const Case &c : {Case{59.9, 1, CD4040, {}, PeriodOutOfRange}, Case{1.1e7, 60, CD4040, {}, PeriodOutOfRange},
                          Case{86400, 0, CD4040, {}, PulseOutOfRange}, Case{86400, 86400 / 2.001, CD4040, {}, PulseOutOfRange},
                          Case{86400, 60, CD4040, 27, StageOutOfRange}, Case{86400, 60, CD4060, 14, StageOutOfRange},
                          Case{86400, 60, CD4020, 16, StageWithoutPin}, Case{604800, 250000, CD4060, 25, StageWithoutPin},
                          Case{86400, 0.01, CD4040, {}, PulseTooShort}}) {
        const calc::LongDesign d = calc::designLong(entryOf(c.T, c.T1, c.counter, c.stage));
        EXPECT_EQ(d.refusal, c.refusal) << c.T << " " << c.T1;
        if (c.refusal == PulseTooShort) {
            EXPECT_GT(d.finestPulse, c.T1);
        }
    }
}

TEST(LongRoad, PinsOfEachCounter)
{
    // Stages without a pin: Q1-Q3 and Q11 of the first CD4060, then the second counter's.
    const std::map<calc::SecondCounter, std::vector<int>> pinless = {
        {CD4040, {1, 2, 3, 11}}, {CD4020, {1, 2, 3, 11, 16, 17}}, {CD4060, {1, 2, 3, 11, 15, 16, 17, 25}}};
    for (const auto &[counter, stages] : pinless)
        for (int s = 1; s <= calc::lastTopStage(counter); ++s)
            EXPECT_EQ(calc::stageHasPin(counter, s), std::find(stages.begin(), stages.end(), s) == stages.end())
                << calc::counterName(counter) << " stage " << s;
    // The road never proposes a top stage that could not clock the flip-flop.
    for (const auto &[counter, stages] : pinless)
        for (double T = 60; T <= 1e7; T *= 1.7)
            for (double ratio : {2.5, 4.0, 1000.0}) {
                const int proposed = calc::designLong(entryOf(T, T / ratio, counter, {})).proposedStage;
                EXPECT_TRUE(calc::stageHasPin(counter, proposed)) << calc::counterName(counter) << " T " << T;
            }
}

// Parts beyond the data sheets are computed, their broken rules said.
TEST(LongRoad, BrokenRulesShown)
{
    const calc::LongTiming t = calc::longTiming(entryOf(86400, 60), 14, {1300, 500, 1000, 2048});
    EXPECT_FALSE(t.rules[0].met); // R above 1 MΩ
    EXPECT_FALSE(t.rules[3].met); // Rs below 2 R
    EXPECT_DOUBLE_EQ(t.T, 16384 * 2.8e-6 * 1800 * 1000);
}

} // namespace
