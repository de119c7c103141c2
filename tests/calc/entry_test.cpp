#include "calc/entry.h"
#include "calc/keyfilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace calc;

namespace {

struct EntryCase {
    const char *name;
    const char *T, *T1;
    std::vector<int> alarms;
    double oscillator; // seconds; -1 = the previous value is kept
    EntryCheck::Label label;
    const char *labelText;
};

class PeriodEntry : public testing::TestWithParam<EntryCase> {};

TEST_P(PeriodEntry, ChecksAndShowsOscillatorPeriod)
{
    const auto &c = GetParam();
    const double previous = 0.5;
    const EntryCheck check = checkPeriodAndPulse(c.T, c.T1, previous, 4, '.');
    EXPECT_EQ(check.alarms, c.alarms);
    EXPECT_DOUBLE_EQ(check.Periode_Oscillateur, c.oscillator < 0 ? previous : c.oscillator);
    EXPECT_EQ(check.label, c.label);
    EXPECT_EQ(check.labelText, c.labelText);
}

using L = EntryCheck::Label;
INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, PeriodEntry,
    testing::Values(EntryCase{"defaults", "18000", "25", {}, 1.0986328125, L::Set, "1098 ms"},
                    EntryCase{"ten_one", "10", "1", {}, 0.0006103515625, L::Set, "0,6103 ms"},
                    EntryCase{"shortest", "0,025", "0,001", {}, 0.00000152587890625, L::Set, "0,001526 ms"},
                    EntryCase{"too_short", "0,02", "0,001", {7}, -1, L::Emptied, ""},
                    EntryCase{"just_too_short", "0,0249", "0,001", {7}, -1, L::Emptied, ""},
                    EntryCase{"empty_period", "0", "1", {7}, -1, L::Emptied, ""},
                    EntryCase{"zero_pulse", "10", "0", {6}, -1, L::Unchanged, ""},
                    EntryCase{"too_long", "25000", "1", {4}, 1.52587890625, L::Set, "1525 ms"},
                    EntryCase{"longest", "20000", "1", {}, 20000.0 / 16384, L::Set, "1220 ms"},
                    EntryCase{"just_too_long", "20000,5", "1", {4}, 20000.5 / 16384, L::Set, "1220 ms"},
                    EntryCase{"small_ratio", "10", "6", {5}, 0.0006103515625, L::Set, "0,6103 ms"},
                    EntryCase{"long_and_small_ratio", "30000", "20000", {4, 5}, 30000.0 / 16384, L::Set, "1831 ms"}),
    [](const auto &info) { return std::string(info.param.name); });

struct KeyCase {
    const char *name;
    const char *text;
    char32_t key;
    KeyVerdict verdict;
};

class NumericKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(NumericKeys, Judges)
{
    EXPECT_EQ(numericKeyVerdict(GetParam().text, GetParam().key), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumericKeys,
    testing::Values(KeyCase{"digit", "1", '5', KeyVerdict::Accept},
                    KeyCase{"first_point", "1", '.', KeyVerdict::Accept},
                    KeyCase{"first_comma", "1", ',', KeyVerdict::Accept},
                    KeyCase{"second_point", "1.5", '.', KeyVerdict::RefuseSecondSeparator},
                    KeyCase{"comma_after_point", "1.5", ',', KeyVerdict::RefuseSecondSeparator},
                    KeyCase{"backspace", "1.5", Backspace, KeyVerdict::Accept},
                    KeyCase{"backspace_with_both_signs", "1.5,", Backspace, KeyVerdict::RefuseSecondSeparator},
                    KeyCase{"letter", "1", 'a', KeyVerdict::RefuseWithBeep},
                    KeyCase{"minus", "1", '-', KeyVerdict::RefuseWithBeep},
                    KeyCase{"space", "1", ' ', KeyVerdict::RefuseWithBeep},
                    KeyCase{"ctrl_v", "1", 22, KeyVerdict::RefuseWithBeep},
                    KeyCase{"non_ascii", "1", U'é', KeyVerdict::RefuseWithBeep}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
