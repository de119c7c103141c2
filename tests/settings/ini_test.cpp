#include "settings/atomicsave.h"
#include "settingsfixture.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>
#include <functional>

namespace {

struct ReadCase {
    const char *name;
    std::optional<QByteArray> file;
    const char *section, *key;
    QString defaultValue, expected;
};

class ReadKey : public SettingsFixture<ReadCase> {};

TEST_P(ReadKey, AsAPrivateProfileReader)
{
    const ReadCase &c = GetParam();
    EXPECT_EQ(Commun::Lire_INI(text(c.section), text(c.key), c.defaultValue, settingsFile(c.file)), c.expected);
}

const QString D = QStringLiteral("18000");

INSTANTIATE_TEST_SUITE_P(
    Files, ReadKey,
    testing::Values(
        ReadCase{"names_without_case_or_blanks", bytesOf("[PARAMETRES]\r\nk4060 = 300\r\n"), "parametres", "K4060", D, QStringLiteral("300")},
        ReadCase{"empty_value_is_not_the_default", bytesOf("[parametres]\r\nValeur_T=\r\n"), "parametres", "Valeur_T", D, QString()},
        ReadCase{"no_file", std::nullopt, "parametres", "Valeur_T", D, D},
        ReadCase{"key_of_next_section", bytesOf("[parametres]\r\n[Position_0]\r\nValeur_T=5\r\n"), "parametres", "Valeur_T", D, D},
        ReadCase{"first_of_two_values", bytesOf("[a]\nk=1\nk=2\n"), "a", "k", D, QStringLiteral("1")},
        ReadCase{"comment_is_no_key", bytesOf("[a]\n;k=1\n"), "a", "k", D, D},
        ReadCase{"key_without_equals", bytesOf("[a]\nk\n"), "a", "k", D, D},
        ReadCase{"section_without_bracket", bytesOf("[a\nk=1\n"), "a", "k", D, D},
        ReadCase{"keys_under_broken_header_stay_above", bytesOf("[a]\n[b\nk=1\n"), "a", "k", D, QStringLiteral("1")},
        ReadCase{"blanks_inside_brackets_and_tabs", bytesOf("  [ a ]  \n\tk\t=\t1 \n"), "a", "k", D, QStringLiteral("1")},
        ReadCase{"lines_before_any_section", bytesOf("k=1\n[a]\n"), "a", "k", D, D},
        ReadCase{"value_cut_to_254", "[a]\nk=" + QByteArray(300, 'x'), "a", "k", D, QString(254, QLatin1Char('x'))},
        ReadCase{"default_cut_to_254", std::nullopt, "a", "k", QString(300, QLatin1Char('y')), QString(254, QLatin1Char('y'))},
        ReadCase{"enclosing_quotes_removed", bytesOf("[a]\nk=\" 1 \"\n"), "a", "k", D, QStringLiteral(" 1 ")},
        ReadCase{"nul_ends_the_line", bytesOf("[a]\nk=12\0 34\n"sv), "a", "k", D, QStringLiteral("12")},
        ReadCase{"lone_cr_ends_the_line", bytesOf("[a]\nk=12\r34\r\n"), "a", "k", D, QStringLiteral("12")},
        ReadCase{"byte_order_mark", bytesOf("\xEF\xBB\xBF[a]\r\nk=1\r\n"), "a", "k", D, QStringLiteral("1")},
        ReadCase{"byte_order_mark_before_a_later_key", bytesOf("[a]\n\xEF\xBB\xBFk=1\n"), "a", "k", D, QStringLiteral("1")},
        ReadCase{"windows_1252_accents", bytesOf("[a]\r\nk=\xE9t\xE9\r\n"), "a", "k", D, QStringLiteral("été")},
        ReadCase{"utf8_accents", bytesOf("[a]\nk=\xC3\xA9t\xC3\xA9\n"), "a", "k", D, QStringLiteral("été")},
        ReadCase{"binary_file", QByteArray::fromHex("00ff0a5b0d0a8081fe3d0a") + QByteArray(4096, '\xfe'), "a", "k", D, D}),
    rowName<ReadCase>);

struct WriteCase {
    const char *name;
    std::optional<QByteArray> before;
    QList<Commun::EntreeINI> writes;
    QByteArray after;
};

class WriteKeys : public SettingsFixture<WriteCase> {};

// One Ecrire_INI per key and one grouped save must both leave the file as described.
TEST_P(WriteKeys, KeepWhatTheyDoNotChange)
{
    const WriteCase &c = GetParam();
    const QString one = path("one.INI"), grouped = path("grouped.INI");
    if (c.before) {
        writeBytes(one, *c.before);
        writeBytes(grouped, *c.before);
    }
    for (const Commun::EntreeINI &entry : c.writes)
        Commun::Ecrire_INI(entry.section, entry.key, entry.value, one);
    Commun::Ecrire_INI(c.writes, grouped);
    EXPECT_EQ(readBytes(one), c.after);
    EXPECT_EQ(readBytes(grouped), c.after);
}

Commun::EntreeINI entry(const char *section, const char *key, const char *value)
{
    return {text(section), text(key), text(value)};
}

INSTANTIATE_TEST_SUITE_P(
    Files, WriteKeys,
    testing::Values(
        WriteCase{"new_file_in_crlf", std::nullopt, {entry("parametres", "E12E24", "1")}, "[parametres]\r\nE12E24=1\r\n"},
        WriteCase{"replaced_in_place", bytesOf("; réglages\r\n[PARAMETRES]\r\nk4060 = 300\r\nE12E24=2\r\n"),
                  {entry("parametres", "K4060", "280")}, bytesOf("; réglages\r\n[PARAMETRES]\r\nk4060=280\r\nE12E24=2\r\n")},
        WriteCase{"key_at_end_of_its_section_lf", bytesOf("[a]\nx=1\n\n[b]\ny=2\n"), {entry("a", "k", "v")},
                  bytesOf("[a]\nx=1\nk=v\n\n[b]\ny=2\n")},
        WriteCase{"section_after_unterminated_line", bytesOf("[a]\r\nx=1"), {entry("b", "k", "v")},
                  bytesOf("[a]\r\nx=1\r\n[b]\r\nk=v\r\n")},
        WriteCase{"windows_1252_stays", bytesOf("[a]\r\nt=\xE9t\xE9\r\n"), {entry("a", "u", "à")},
                  bytesOf("[a]\r\nt=\xE9t\xE9\r\nu=\xE0\r\n")},
        WriteCase{"utf8_stays", bytesOf("[a]\nt=\xC3\xA9\n"), {entry("a", "u", "à")}, bytesOf("[a]\nt=\xC3\xA9\nu=\xC3\xA0\n")},
        WriteCase{"unknown_lines_kept", bytesOf("[a]\ngarbage\n[b\nk=1\n\0\xFF\n"sv), {entry("a", "k", "2")},
                  bytesOf("[a]\ngarbage\n[b\nk=2\n\0\xFF\n"sv)},
        WriteCase{"line_breaks_in_value", std::nullopt, {entry("a", "k", "1\r\n[b]")}, bytesOf("[a]\r\nk=1  [b]\r\n")},
        WriteCase{"byte_order_mark_kept", bytesOf("\xEF\xBB\xBF[a]\nk=1\n"), {entry("a", "k", "2")}, bytesOf("\xEF\xBB\xBF[a]\nk=2\n")},
        // The one non-UTF-8 line rewritten: the file is UTF-8 from then on, in a grouped save too.
        WriteCase{"encoding_follows_the_rewritten_file", bytesOf("[a]\nt=\xC3\xA9\nk=\xFF\n"),
                  {entry("a", "k", "1"), entry("a", "u", "à")}, bytesOf("[a]\nt=\xC3\xA9\nk=1\nu=\xC3\xA0\n")},
        // A new line takes the break of the line before it; a last line ending in CR, once
        // followed by LF, reads as a CR LF line and keeps that break when rewritten.
        WriteCase{"new_line_takes_the_break_before_it", bytesOf("[a]\r\nx=1\r\n[b]\ny=2\n"),
                  {entry("b", "z", "3"), entry("a", "w", "4")}, bytesOf("[a]\r\nx=1\r\nw=4\r\n[b]\ny=2\nz=3\n")},
        WriteCase{"last_line_ending_in_cr_rewritten", bytesOf("[a]\nx=1\n[p]\nk=280\r"),
                  {entry("q", "n", "1"), entry("p", "k", "2")}, bytesOf("[a]\nx=1\n[p]\nk=2\r\n[q]\r\nn=1\r\n")},
        WriteCase{"several_keys_in_order", std::nullopt, {entry("p", "A", "1"), entry("q", "B", "2"), entry("p", "C", "3"), entry("P", "a", "4")},
                  bytesOf("[p]\r\nA=4\r\nC=3\r\n[q]\r\nB=2\r\n")}),
    rowName<WriteCase>);

// Collects the warning lines printed while it lives.
class WarningCatcher
{
public:
    WarningCatcher() : m_previous(qInstallMessageHandler(&catchMessage)) { s_lines.clear(); }
    ~WarningCatcher() { qInstallMessageHandler(m_previous); }
    QStringList lines() const { return s_lines; }

private:
    static void catchMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (type == QtWarningMsg)
            s_lines << message;
    }
    inline static QStringList s_lines;
    QtMessageHandler m_previous;
};

struct FailureCase {
    const char *name;
    std::function<void(const QString &file)> prepare;
};

class FailedWrite : public SettingsFixture<FailureCase> {};

TEST_P(FailedWrite, ChangesNothingAndWarnsOnce)
{
    const QString file = path();
    writeBytes(file, "[parametres]\r\nK4060=280\r\nValeur_T=18000\r\n");
    GetParam().prepare(file);
    const bool existed = QFileInfo::exists(file);
    const QByteArray before = readBytes(file);
    const QStringList listing = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
    {
        const WarningCatcher warnings;
        Commun::Ecrire_INI(QStringLiteral("parametres"), QStringLiteral("K4060"), QStringLiteral("300"), file);
        Commun::test::simulateFullDisk(-1);
        ASSERT_EQ(warnings.lines().size(), 1);
        EXPECT_FALSE(warnings.lines().front().contains(QLatin1Char('\n')));
    }
    EXPECT_EQ(QFileInfo::exists(file), existed);
    EXPECT_EQ(readBytes(file), before);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden), listing); // no temporary left
}

INSTANTIATE_TEST_SUITE_P(
    Causes, FailedWrite,
    testing::Values(
        FailureCase{"disk_full_midway", [](const QString &) { Commun::test::simulateFullDisk(20); }},
        FailureCase{"read_only_file", [](const QString &file) { QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadOther); }},
        FailureCase{"folder_at_path", [](const QString &file) {
                        QFile::remove(file);
                        QDir().mkdir(file);
                    }}),
    rowName<FailureCase>);

// A 5 MB line and 100 000 lines: each read or write is one pass over the file. A quadratic step
// (a copy of the rest of the file per line, a list insert per line) takes minutes here.
struct StressCase {
    const char *name;
    QByteArray nl;
};

class LargeFile : public SettingsFixture<StressCase> {};

TEST_P(LargeFile, StaysLinearAndKeepsEveryLine)
{
    const QByteArray nl = GetParam().nl;
    const QByteArray head = "[a]" + nl + "big=" + QByteArray(5 * 1024 * 1024, 'x') + nl + "[b]" + nl;
    QByteArray keys;
    for (int i = 0; i < 100000; ++i)
        keys += "k" + QByteArray::number(i) + "=v" + QByteArray::number(i) + nl;
    const QByteArray tail = "[c]" + nl + "last=1" + nl;
    const QString file = settingsFile(head + keys + tail);

    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(Commun::Lire_INI(text("c"), text("last"), text("0"), file), text("1"));
    EXPECT_EQ(Commun::Lire_INI(text("b"), text("k99999"), text("0"), file), text("v99999"));
    EXPECT_EQ(Commun::Lire_INI(text("a"), text("big"), text("0"), file), QString(254, QLatin1Char('x')));
    Commun::Ecrire_INI(text("a"), text("new"), text("1"), file);
    Commun::Ecrire_INI(text("b"), text("k50000"), text("changed"), file);
    Commun::Ecrire_INI({entry("c", "last", "2"), entry("d", "one", "1"), entry("d", "two", "2")}, file);
    const qint64 elapsed = timer.elapsed();

    QByteArray expected = head + keys + tail;
    expected.replace(nl + "[b]" + nl, nl + "new=1" + nl + "[b]" + nl);
    expected.replace("\nk50000=v50000" + nl, "\nk50000=changed" + nl);
    expected.replace("last=1", "last=2");
    expected += "[d]" + nl + "one=1" + nl + "two=2" + nl;
    EXPECT_TRUE(readBytes(file) == expected);
    EXPECT_LT(elapsed, 20000);
    std::printf("[ timing   ] 3 reads and 3 writes of a 6.4 MB file: %lld ms\n", static_cast<long long>(elapsed));
}

INSTANTIATE_TEST_SUITE_P(Stress, LargeFile,
                         testing::Values(StressCase{"crlf", QByteArrayLiteral("\r\n")}, StressCase{"lf", QByteArrayLiteral("\n")}),
                         rowName<StressCase>);

} // namespace
