#include "settingsfixture.h"
#include "settings/textdecoding.h"

#include <QStringDecoder>

namespace {

struct DecodeCase {
    const char *name;
    std::string_view bytes;
    QString expected;
};

class DecodeText : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeText, Utf8WhenValidElseWindows1252)
{
    EXPECT_EQ(Commun::decodeText(bytesOf(GetParam().bytes)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecodeText,
    testing::Values(DecodeCase{"utf8", "\xC3\xA9t\xC3\xA9", QStringLiteral("été")},
                    DecodeCase{"utf8_byte_order_mark_dropped", "\xEF\xBB\xBF\xC3\xA9", QStringLiteral("é")},
                    DecodeCase{"windows_1252", "\xE9t\xE9", QStringLiteral("été")},
                    DecodeCase{"windows_1252_upper_controls", "\x80\x8C\x9C\x92\x85\x9F", QStringLiteral("€Œœ’…Ÿ")},
                    DecodeCase{"one_bad_sequence_decides_for_all", "\xC3\xA9 \xE9", QStringLiteral("Ã© é")},
                    DecodeCase{"overlong_form_is_not_utf8", "\xC0\xAF", QStringLiteral("À¯")},
                    DecodeCase{"byte_order_mark_then_1252", "\xEF\xBB\xBF\xE9", QStringLiteral("é")}),
    rowName<DecodeCase>);

TEST(Windows1252, EveryByteSurvivesARewrite)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    const QString decoded = Commun::decode(all, Commun::TextEncoding::Windows1252);
    EXPECT_EQ(Commun::encode(decoded, Commun::TextEncoding::Windows1252), all);
    EXPECT_EQ(Commun::encode(QStringLiteral("a中😀b"), Commun::TextEncoding::Windows1252), QByteArray("a??b"));

    QStringDecoder reference("windows-1252"); // through ICU, when Qt has it
    if (!reference.isValid())
        GTEST_SKIP() << "no windows-1252 codec to compare the table with";
    EXPECT_EQ(decoded, QString(reference.decode(all)));
}

} // namespace
