#include "calc/batchline.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using calc::BatchLine;
using Kind = BatchLine::Kind;

struct LineCase {
    const char *name;
    std::string line;
    Kind kind;
    const char *period = "";
    const char *pulse = "";
};

class BatchLineForms : public testing::TestWithParam<LineCase> {};

// Marks each text it is asked for: what is not marked did not go through the translation.
std::string marked(const char *context, const char *source) { return "[" + std::string(context) + "]" + source; }

TEST_P(BatchLineForms, Reads)
{
    const auto &c = GetParam();
    const BatchLine read = calc::readBatchLine(c.line);
    ASSERT_EQ(read.kind, c.kind) << read.error;
    EXPECT_EQ(read.error.empty(), c.kind != Kind::Error);
    if (c.kind == Kind::Design) {
        EXPECT_EQ(read.period, c.period);
        EXPECT_EQ(read.pulse, c.pulse);
    }
    // Whatever the line held, the message is valid text to print.
    for (char ch : read.error)
        EXPECT_TRUE(static_cast<unsigned char>(ch) >= 0x80 || (ch >= 0x20 && ch < 0x7F)) << read.error;
    // Translated whole, the field put in after the translation.
    EXPECT_EQ(calc::readBatchLine(c.line, calc::Words{marked}).error, read.error.empty() ? "" : "[Lot]" + read.error);
}

TEST(BatchLineForms, TooLongTranslatedWithItsLimit)
{
    EXPECT_EQ(calc::lineTooLong(1048576, calc::Words{marked}), "[Lot]" + calc::lineTooLong(1048576));
    EXPECT_NE(calc::lineTooLong(1048576).find("1048576"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchLineForms,
    testing::Values(
        LineCase{"space", "10 1", Kind::Design, "10", "1"},
        LineCase{"many_blanks", "  10 \t  1  ", Kind::Design, "10", "1"},
        LineCase{"tab", "10\t1", Kind::Design, "10", "1"},
        LineCase{"semicolon", "10;1", Kind::Design, "10", "1"},
        LineCase{"semicolon_between_blanks", "10 ; 1", Kind::Design, "10", "1"},
        LineCase{"decimal_commas", "0,5;0,1", Kind::Design, "0,5", "0,1"},
        LineCase{"decimal_points", ".5 1.", Kind::Design, ".5", "1."},
        LineCase{"windows_line_end", "60 1,5\r", Kind::Design, "60", "1,5"},
        LineCase{"empty", "", Kind::Skipped},
        LineCase{"blanks_only", " \t\r", Kind::Skipped},
        LineCase{"comment", "# T T1", Kind::Skipped},
        LineCase{"indented_comment", "  #10 1", Kind::Skipped},
        LineCase{"one_number", "10", Kind::Error},
        LineCase{"three_numbers", "10 1 2", Kind::Error},
        LineCase{"two_semicolons", "10;;1", Kind::Error},
        LineCase{"leading_semicolon", ";10 1", Kind::Error},
        LineCase{"trailing_semicolon", "10;1;", Kind::Error},
        LineCase{"comma_as_field_separator", "10,5,1", Kind::Error},
        LineCase{"letters", "dix 1", Kind::Error},
        LineCase{"two_separators", "1.5,2 1", Kind::Error},
        LineCase{"negative", "10 -1", Kind::Error},
        LineCase{"separator_only", "10 ,", Kind::Error},
        LineCase{"control_and_latin1_bytes", std::string("1\x01\xE9\"\\ 2"), Kind::Error},
        LineCase{"long_garbage", std::string(100000, 'x') + " 1", Kind::Error}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
