#include "calc/realtiming.h"

#include <gtest/gtest.h>

#include <string>

using namespace calc;

namespace {

constexpr double K = 2.8e-6;

TEST(RealTiming, WorkedExampleRawAndFourDigits)
{
    const RealTiming raw = realTiming("150", "0", "1.5 ", 2048, K, 0, '.');
    EXPECT_EQ(raw.FrequenceOscillateur, "0,63 ms");
    EXPECT_EQ(raw.T_reel, "10,322");
    EXPECT_EQ(raw.T1_reel, "1,29024");
    EXPECT_EQ(raw.ValeurRs, "560 Kohm");

    const RealTiming four = realTiming("150", "0", "1.5 ", 2048, K, 4, '.');
    EXPECT_EQ(four.FrequenceOscillateur, "0,63 ms");
    EXPECT_EQ(four.T_reel, "10,32");
    EXPECT_EQ(four.T1_reel, "1,290");
    EXPECT_EQ(four.ValeurRs, "560 Kohm");
}

TEST(RealTiming, EitherSeparatorInTheFieldsGivesTheSameResult)
{
    const RealTiming comma = realTiming("4,7", "0,5", "2,2", 8, K, 5, ',');
    const RealTiming point = realTiming("4.7", "0.5", "2.2", 8, K, 5, '.');
    EXPECT_EQ(comma.FrequenceOscillateur, point.FrequenceOscillateur);
    EXPECT_EQ(comma.T_reel, point.T_reel);
    EXPECT_EQ(comma.T1_reel, point.T1_reel);
}

TEST(RealTiming, PotentiometerAddsToFixedResistor)
{
    const RealTiming split = realTiming("100", "22", "1", 4096, K, 0, '.');
    const RealTiming whole = realTiming("122", "0", "1", 4096, K, 0, '.');
    EXPECT_EQ(split.T_reel, whole.T_reel);
    EXPECT_EQ(split.T1_reel, whole.T1_reel);
    EXPECT_EQ(split.ValeurRs, whole.ValeurRs);
}

TEST(RealTiming, EmptyFieldsGiveZeros)
{
    const RealTiming four = realTiming("0", "0", "0", 0, K, 4, '.');
    EXPECT_EQ(four.FrequenceOscillateur, "0 ms");
    EXPECT_EQ(four.T_reel, "0");
    EXPECT_EQ(four.T1_reel, "0");
    EXPECT_EQ(four.ValeurRs, "100 Kohm");
    const RealTiming raw = realTiming("", "", "", 0, K, 0, '.');
    EXPECT_EQ(raw.FrequenceOscillateur, "0, ms");
    EXPECT_EQ(raw.T_reel, "0,");
}

TEST(RealTiming, AllThirteenOutputsCount)
{
    // 8191 periods of 1 ms (R = 1000 kilohm / 2.8, C = 1 nF would not be exact: use K).
    EXPECT_EQ(realTiming("1", "0", "1", 8191, 0.001, 0, '.').T1_reel, "8,191");
}

TEST(RealTiming, TinyPulseIsNotReadAsItsMantissa)
{
    // 1 period of 0.0224 ns: 2.24E-08 s in exponent form would read back as 2,24.
    EXPECT_EQ(realTiming("1", "0", "0.008", 1, K, 4, '.').T1_reel, "0,0000000224");
}

TEST(RealTiming, OverflowShowsQuestionMark)
{
    const std::string huge(320, '9');
    const RealTiming t = realTiming(huge, "0", huge, 1, K, 4, '.');
    EXPECT_EQ(t.T_reel, "0"); // a text beyond a double reads as 0
    const RealTiming product = realTiming("1" + std::string(200, '0'), "0",
                                          "1" + std::string(200, '0'), 1, K, 4, '.');
    EXPECT_EQ(product.T_reel, "?");
    EXPECT_EQ(product.FrequenceOscillateur, "? ms");
}

struct RsCase {
    const char *name;
    const char *r2;
    const char *rs;
    Notation notation = Notation::French;
};

class SeriesResistor : public testing::TestWithParam<RsCase> {};

TEST_P(SeriesResistor, BoundsBelongToUpperRow)
{
    EXPECT_EQ(realTiming(GetParam().r2, "0", "1", 0, K, 4, '.', GetParam().notation).ValeurRs, GetParam().rs);
}

INSTANTIATE_TEST_SUITE_P(Bounds, SeriesResistor,
                         testing::Values(RsCase{"below_25", "24.99", "100 Kohm"},
                                         RsCase{"at_25", "25", "270 Kohm"},
                                         RsCase{"at_50", "50", "390 Kohm"},
                                         RsCase{"at_100", "100", "560 Kohm"},
                                         RsCase{"below_200", "199.9", "560 Kohm"},
                                         RsCase{"at_200", "200", "1 Mo"},
                                         RsCase{"english_below_25", "24.99", "100 kΩ", Notation::English},
                                         RsCase{"english_at_200", "200", "1 MΩ", Notation::English}),
                         [](const auto &info) { return std::string(info.param.name); });

struct WarningCase {
    const char *name;
    const char *capacitor, *r2, *pot;
    int capacitorAlarm, resistorAlarm;
};

class RangeWarnings : public testing::TestWithParam<WarningCase> {};

TEST_P(RangeWarnings, ReadTheValueTheTimingUses)
{
    const auto &c = GetParam();
    EXPECT_EQ(capacitorWarning(c.capacitor), c.capacitorAlarm);
    EXPECT_EQ(resistorWarning(c.r2, c.pot), c.resistorAlarm);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, RangeWarnings,
    testing::Values(WarningCase{"at_limits", "2200", "450", "50", -1, -1},
                    WarningCase{"above_limits", "2201", "470", "47", 0, 1},
                    WarningCase{"comma_fraction_counts", "2200,5", "249,6", "250,6", 0, 1},
                    WarningCase{"point_fraction_counts", "2200.1", "500.01", "0", 0, 1},
                    WarningCase{"empty_fields", "", "", "", -1, -1}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
