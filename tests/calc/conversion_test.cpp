#include "calc/conversion.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace calc;

namespace {

struct PatternCase {
    const char *name;
    int motif, realisable, alarm;
};

class Realisable : public testing::TestWithParam<PatternCase> {};

TEST_P(Realisable, MovesOntoExistingOutputs)
{
    const auto &c = GetParam();
    const RealisablePattern result = realisablePattern(c.motif);
    EXPECT_EQ(result.pattern, c.realisable);
    EXPECT_EQ(result.alarm, c.alarm);
}

INSTANTIATE_TEST_SUITE_P(WorkedPatterns, Realisable,
                         testing::Values(PatternCase{"m1639", 1639, 2048, 8},
                                         PatternCase{"m4096", 4096, 4096, -1},
                                         PatternCase{"m2731", 2731, 2728, 8},
                                         PatternCase{"m273", 273, 272, 8},
                                         PatternCase{"m23", 23, 24, 8},
                                         PatternCase{"m0", 0, 8, -1},
                                         PatternCase{"m12", 12, 16, 8},
                                         PatternCase{"m1024", 1024, 1016, 8},
                                         PatternCase{"m2040", 2040, 2048, 8},
                                         PatternCase{"m8191", 8191, 7160, 8}),
                         [](const auto &info) { return std::string(info.param.name); });

struct SeriesCase {
    const char *name;
    double r2;
    const char *e24, *e12;
};

class SeriesSelection : public testing::TestWithParam<SeriesCase> {};

TEST_P(SeriesSelection, SelectsNearest)
{
    const auto &c = GetParam();
    const Conversion e24 = convertToSeries(c.r2, 0, "1.5 nF", PasE24, '.');
    const Conversion e12 = convertToSeries(c.r2, 0, "1.5 nF", PasE12, '.');
    EXPECT_EQ(e24.fixedItems.at(static_cast<std::size_t>(e24.fixedSelected)), c.e24);
    EXPECT_EQ(e12.fixedItems.at(static_cast<std::size_t>(e12.fixedSelected)), c.e12);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, SeriesSelection,
    testing::Values(SeriesCase{"r145_32", 145.32, "150", "150"},
                    SeriesCase{"r128_23", 128.23, "130", "120"},
                    SeriesCase{"r166_97", 166.97, "160", "180"},
                    SeriesCase{"r392_37", 392.37, "390", "390"},
                    SeriesCase{"r46_38", 46.38, "47", "47"},
                    SeriesCase{"r10_stays_in_lower_decade", 10, "9.1", "8.2"},
                    SeriesCase{"r10_5", 10.5, "10", "10"},
                    SeriesCase{"r0_5", 0.5, "1", "1"},
                    SeriesCase{"r0", 0, "1", "1"},
                    SeriesCase{"r1000", 1000, "910", "820"},
                    SeriesCase{"tie_12_5_keeps_smaller", 12.5, "12", "12"},
                    SeriesCase{"tie_45_keeps_smaller", 45, "43", "47"},
                    SeriesCase{"unequal_distances_25_5", 25.5, "24", "27"},
                    SeriesCase{"beyond_16_bit_decade", 250000, "240000", "270000"},
                    SeriesCase{"infinite_r2_selects_the_first_item", std::numeric_limits<double>::infinity(), "1", "1"},
                    SeriesCase{"nan_r2_selects_the_first_item", std::numeric_limits<double>::quiet_NaN(), "1", "1"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Conversion, E24ListsForTheRoadOfOneDesign)
{
    const Conversion c = convertToSeries(145.32, 1639, "1.5 nF", PasE24, '.');
    EXPECT_EQ(c.fixedItems,
              (std::vector<std::string>{"100", "110", "120", "130", "150", "160", "180", "200",
                                        "220", "240", "270", "300", "330", "360", "390", "430",
                                        "470", "510", "560", "620", "680", "750", "820", "910"}));
    EXPECT_EQ(c.potItems,
              (std::vector<std::string>{"0",  "10", "11", "12", "13", "15", "16", "18", "20",
                                        "22", "24", "27", "30", "33", "36", "39", "43", "47",
                                        "51", "56", "62", "68", "75", "82", "91"}));
    EXPECT_EQ(c.fixedSelected, 4);
    EXPECT_EQ(c.capacitorText, "1.5 ");
    EXPECT_EQ(c.outputs.pattern, 2048);
    EXPECT_EQ(c.outputs.alarm, 8);
}

TEST(Conversion, E12ListsInBothSeparators)
{
    const Conversion point = convertToSeries(4.638, 0, "1.5 nF", PasE12, '.');
    EXPECT_EQ(point.fixedItems,
              (std::vector<std::string>{"1", "1.2", "1.5", "1.8", "2.2", "2.7", "3.3", "3.9",
                                        "4.7", "5.6", "6.8", "8.2"}));
    EXPECT_EQ(point.potItems,
              (std::vector<std::string>{"0", "0.1", "0.12", "0.15", "0.18", "0.22", "0.27",
                                        "0.33", "0.39", "0.47", "0.56", "0.68", "0.82"}));
    const Conversion comma = convertToSeries(4.638, 0, "1,5 nF", PasE12, ',');
    EXPECT_EQ(comma.potItems.back(), "0,82");
    EXPECT_EQ(comma.fixedItems[1], "1,2");
    EXPECT_EQ(comma.capacitorText, "1,5 ");
}

TEST(Conversion, CapacitorTextDropsEveryExactNf)
{
    EXPECT_EQ(convertToSeries(1, 0, "470.0 nF", PasE24, '.').capacitorText, "470.0 ");
    EXPECT_EQ(convertToSeries(1, 0, "nF1nF", PasE24, '.').capacitorText, "1");
    EXPECT_EQ(convertToSeries(1, 0, "1 NF", PasE24, '.').capacitorText, "1 NF");
    EXPECT_EQ(convertToSeries(1, 0, "??? ", PasE24, '.').capacitorText, "??? ");
}

} // namespace
