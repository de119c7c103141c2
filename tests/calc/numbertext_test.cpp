#include "calc/numbertext.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace calc;

namespace {

struct PatternCase {
    const char *name;
    double value;
    const char *pattern;
    char separator;
    const char *expected;
};

class FormatPattern : public testing::TestWithParam<PatternCase> {};

TEST_P(FormatPattern, Writes)
{
    const auto &c = GetParam();
    EXPECT_EQ(formatPattern(c.value, c.pattern, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatPattern,
    testing::Values(
        PatternCase{"C2_one_decimal_kept", 1.5, "0.0#", '.', "1.5"},
        PatternCase{"C2_whole_keeps_one_zero", 470, "0.0#", '.', "470.0"},
        PatternCase{"R2_two_decimals", 145.32, "0.0#", '.', "145.32"},
        PatternCase{"R2_rounded", 392.3705, "0.0#", '.', "392.37"},
        PatternCase{"comma_separator", 145.32, "0.0#", ',', "145,32"},
        PatternCase{"tie_2_675_rounds_up", 2.675, "0.0#", '.', "2.68"},
        PatternCase{"tie_0_125_rounds_up", 0.125, "0.0#", '.', "0.13"},
        PatternCase{"negative_tie_away_from_zero", -0.125, "0.0#", '.', "-0.13"},
        PatternCase{"carry_into_new_digit", 9.995, "0.0#", '.', "10.0"},
        PatternCase{"below_half_of_last_place", 0.004, "0.0#", '.', "0.0"},
        PatternCase{"negative_zero_has_no_sign", -0.001, "0.0#", '.', "0.0"},
        PatternCase{"whole_keeps_separator", 2, "0.###", '.', "2."},
        PatternCase{"whole_keeps_comma", 2, "0.###", ',', "2,"},
        PatternCase{"zero_keeps_separator", 0, "0.###", ',', "0,"},
        PatternCase{"period_three_decimals", 10.32192, "0.###", '.', "10.322"},
        PatternCase{"millis_six_decimals", 0.6103515625, "0.######", '.', "0.610352"},
        PatternCase{"millis_trailing_zeros_dropped", 0.63, "0.######", '.', "0.63"},
        PatternCase{"large_integer_no_grouping", 1098.6328125, "0.######", '.', "1098.632813"},
        PatternCase{"tiny_value", 0.00000152587890625 * 1000, "0.######", '.', "0.001526"},
        PatternCase{"huge_value_no_exponent", 1e20, "0.0#", '.', "100000000000000000000.0"},
        PatternCase{"infinity", std::numeric_limits<double>::infinity(), "0.0#", '.', "?"},
        PatternCase{"nan", std::numeric_limits<double>::quiet_NaN(), "0.###", '.', "?"}),
    [](const auto &info) { return std::string(info.param.name); });

struct GeneralCase {
    const char *name;
    double value;
    char separator;
    const char *expected;
};

class FormatGeneral : public testing::TestWithParam<GeneralCase> {};

TEST_P(FormatGeneral, Writes)
{
    const auto &c = GetParam();
    EXPECT_EQ(formatGeneral(c.value, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatGeneral,
    testing::Values(GeneralCase{"product_110", 100 * 1.1, '.', "110"},
                    GeneralCase{"whole", 1 * 2.0, '.', "2"},
                    GeneralCase{"fraction_point", (1 * 9.1) / 10, '.', "0.91"},
                    GeneralCase{"fraction_comma", (1 * 9.1) / 10, ',', "0,91"},
                    GeneralCase{"zero", 0, '.', "0"},
                    GeneralCase{"negative", -300, '.', "-300"},
                    GeneralCase{"real_pulse", 2048 * 0.00063, ',', "1,29024"},
                    GeneralCase{"tiny_without_exponent", 2.24e-08, '.', "0.0000000224"},
                    GeneralCase{"large_without_exponent", 1.5e17, '.', "150000000000000000"},
                    GeneralCase{"constant_back_to_280", 2.8e-6 * 1e8, '.', "280"},
                    GeneralCase{"fifteen_digits", 1.0 / 3, '.', "0.333333333333333"},
                    GeneralCase{"infinity", -std::numeric_limits<double>::infinity(), '.', "?"}),
    [](const auto &info) { return std::string(info.param.name); });

struct ReadCase {
    const char *name;
    const char *text;
    double leading; // leading-number rule
    double read;    // reading rule ("," read as ".")
};

class NumberReading : public testing::TestWithParam<ReadCase> {};

TEST_P(NumberReading, Reads)
{
    const auto &c = GetParam();
    EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.leading);
    EXPECT_DOUBLE_EQ(readNumber(c.text), c.read);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberReading,
    testing::Values(ReadCase{"point", "12.5", 12.5, 12.5},
                    ReadCase{"comma", "12,5", 12, 12.5},
                    ReadCase{"blanks_inside", "1 000", 1000, 1000},
                    ReadCase{"tab_and_line_feed", "\t1\n2", 12, 12},
                    ReadCase{"empty", "", 0, 0},
                    ReadCase{"letters", "abc", 0, 0},
                    ReadCase{"trailing_blank", "1.5 ", 1.5, 1.5},
                    ReadCase{"second_point_ends", "1.2.3", 1.2, 1.2},
                    ReadCase{"comma_then_point", "1,2.3", 1, 1.2},
                    ReadCase{"leading_point", ".5", 0.5, 0.5},
                    ReadCase{"sign", "-2.5", -2.5, -2.5},
                    ReadCase{"plus_sign", "+7", 7, 7},
                    ReadCase{"exponent", "1.5E3", 1500, 1500},
                    ReadCase{"exponent_lower_negative", "25e-3", 0.025, 0.025},
                    ReadCase{"incomplete_exponent", "12e", 12, 12},
                    ReadCase{"letter_after_number", "280abc", 280, 280},
                    ReadCase{"carriage_return_ends", "12\r3", 12, 12},
                    ReadCase{"overflow_reads_zero", "1e400", 0, 0},
                    ReadCase{"nan_text_reads_zero", "nan", 0, 0},
                    ReadCase{"inf_text_reads_zero", "inf", 0, 0},
                    ReadCase{"lone_sign", "-", 0, 0},
                    ReadCase{"blank_after_sign", "- 5", -5, -5},
                    ReadCase{"blank_before_exponent_digits", "1e 5", 1e5, 1e5},
                    ReadCase{"blank_inside_exponent", "1e5 3", 1e53, 1e53},
                    ReadCase{"trailing_blank_after_exponent", "2e3 \t", 2000, 2000}),
    [](const auto &info) { return std::string(info.param.name); });

struct SignificantCase {
    const char *name;
    const char *input;
    const char *raw, *three, *four, *five;
    Notation notation = Notation::French;
};

class ValeurSignificatif : public testing::TestWithParam<SignificantCase> {};

TEST_P(ValeurSignificatif, CutsToMode)
{
    const auto &c = GetParam();
    EXPECT_EQ(Valeur_Significatif(c.input, 0, c.notation), c.raw);
    EXPECT_EQ(Valeur_Significatif(c.input, 3, c.notation), c.three);
    EXPECT_EQ(Valeur_Significatif(c.input, 4, c.notation), c.four);
    EXPECT_EQ(Valeur_Significatif(c.input, 5, c.notation), c.five);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValeurSignificatif,
    testing::Values(
        SignificantCase{"integer", "12345", "12345", "12300", "12340", "12345"},
        SignificantCase{"long_integer_part", "12345.678", "12345,678", "12300", "12340", "12345"},
        SignificantCase{"separator_after_mode", "1234.5", "1234,5", "1230", "1234", "1234,5"},
        SignificantCase{"hundreds", "123.456", "123,456", "123", "123,4", "123,45"},
        SignificantCase{"cut_not_rounded", "99.99", "99,99", "99,9", "99,99", "99,99"},
        SignificantCase{"units", "1.23456", "1,23456", "1,23", "1,234", "1,2345"},
        SignificantCase{"below_one", "0.00123456", "0,00123456", "0,00123", "0,001234", "0,0012345"},
        SignificantCase{"half", "0.5", "0,5", "0,5", "0,5", "0,5"},
        SignificantCase{"zero_decimals", "0.000", "0,000", "0", "0", "0"},
        SignificantCase{"trailing_separator", "2.", "2,", "2,", "2,", "2,"},
        SignificantCase{"comma_input", "1,5", "1,5", "1,5", "1,5", "1,5"},
        SignificantCase{"zero_with_comma", "0,", "0,", "0", "0", "0"},
        SignificantCase{"real_period", "10.322", "10,322", "10,3", "10,32", "10,322"},
        // English: a point, and no separator left after the last digit.
        SignificantCase{"english_hundreds", "123.456", "123.456", "123", "123.4", "123.45", Notation::English},
        SignificantCase{"english_trailing_separator", "30.", "30", "30", "30", "30", Notation::English},
        SignificantCase{"english_comma_input", "1234,5", "1234.5", "1230", "1234", "1234.5", Notation::English},
        SignificantCase{"english_below_one", "0,00123456", "0.00123456", "0.00123", "0.001234", "0.0012345",
                        Notation::English},
        SignificantCase{"english_zero", "0.", "0", "0", "0", "0", Notation::English},
        SignificantCase{"english_separator_alone", ".", ".", "0", "0", "0", Notation::English}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ValeurSignificatifModes, HiddenAndOutOfRangeModesStaySafe)
{
    EXPECT_EQ(Valeur_Significatif("123.456", 1), "100");
    EXPECT_EQ(Valeur_Significatif("123.456", 2), "120");
    EXPECT_EQ(Valeur_Significatif("1.5", -3), "1,5");
    EXPECT_EQ(Valeur_Significatif("123.456", 1 << 30), "123,456");
}

struct ZeroCase {
    const char *name;
    const char *entry;
    const char *expected;
};

class ZeroNonSignificatif : public testing::TestWithParam<ZeroCase> {};

TEST_P(ZeroNonSignificatif, Tidies)
{
    const auto &c = GetParam();
    EXPECT_EQ(Zero_non_Significatif(c.entry), c.expected);
    // Tidying a tidy entry changes nothing: the nested re-run of the handlers stops.
    EXPECT_EQ(Zero_non_Significatif(c.expected), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ZeroNonSignificatif,
                         testing::Values(ZeroCase{"empty", "", "0"}, ZeroCase{"zero", "0", "0"},
                                         ZeroCase{"only_zeros", "00", "00"},
                                         ZeroCase{"leading_zeros", "007", "7"},
                                         ZeroCase{"zeros_then_point", "00.5", "0.5"},
                                         ZeroCase{"zero_comma", "0,25", "0,25"},
                                         ZeroCase{"leading_comma", ",5", "0,5"},
                                         ZeroCase{"leading_point", ".5", "0.5"},
                                         ZeroCase{"zeros_then_number", "0012,50", "12,50"},
                                         ZeroCase{"plain", "12", "12"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
