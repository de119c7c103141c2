// Side files that a user or a broken disk could leave beside the program. For each, the window
// starts within 2 s and shows the documented fallback, and "Quitter" either writes a valid
// settings file or leaves the old one byte for byte.

#include "../ui/windowfixture.h"

#include "ui/aide.h"
#include "ui/alarmes.h"
#include "ui/captionlabel.h"
#include "settings/commun.h"
#include "ui/feuilleaide.h"
#include "settings/inidocument.h"
#include "settings/language.h"
#include "ui/messagebox.h"
#include "calc/numbertext.h"
#include "settings/parametres.h"
#include "calc/precision.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace std::literals;

// Texts in failure messages as text.
void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.left(200).toStdString() << (text.size() > 200 ? "...\"" : "\"");
}

namespace {

const QString SettingsName = QStringLiteral("Chronalys_CD4060.INI");
const QString AlarmName = QStringLiteral("Chronalys_CD4060_Alarme.TXT");
const QString HelpName = QStringLiteral("Chronalys_CD4060_Aide.TXT");
constexpr qint64 StartLimitMs = 2000;

QByteArray bytes(std::string_view text) { return QByteArray(text.data(), qsizetype(text.size())); }

// The same pseudo-random bytes on every run, every byte value included.
QByteArray binary(qsizetype size)
{
    QByteArray data(size, Qt::Uninitialized);
    quint32 state = 4060;
    for (char &c : data) {
        state = state * 1664525u + 1013904223u;
        c = char(state >> 24);
    }
    return data;
}

QByteArray repeated(const QByteArray &line, qsizetype totalSize)
{
    QByteArray data;
    data.reserve(totalSize + line.size());
    while (data.size() < totalSize)
        data += line;
    return data;
}

// What the window shows once started; the defaults unless a row says otherwise.
struct Shown {
    int series = 1;
    int mode = 4;
    QString pulse = QStringLiteral("25");
    QString period = QStringLiteral("18000");
    double constant = 2.8e-6;
    QString k4060 = QStringLiteral("280"); // as "Quitter" writes it back
    calc::Tolerances tolerances;           // percent, as the precision window starts with them
    std::optional<int> alarm;              // a message raised during start-up
};

enum class Quit { Writes, LeavesAsItWas };

class HostileFiles;
struct HostileCase {
    const char *name;
    std::function<void(const QDir &folder)> prepare;
    Shown shown;
    Quit quit = Quit::Writes;
    std::function<void(HostileFiles &)> alsoShows; // what this row alone must show
    QByteArray keptAtStart; // lines the written file must still begin with, byte for byte
    bool english = false;   // the interface in English, its side files first
};

void write(const QDir &folder, const QString &name, const QByteArray &content)
{
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size()) << name.toStdString();
}

// Contents of megabytes are made when their row runs, not each time the rows are listed.
std::function<void(const QDir &)> sideFile(const QString &name, std::function<QByteArray()> content)
{
    return [name, content](const QDir &folder) { write(folder, name, content()); };
}

std::function<void(const QDir &)> settings(QByteArray content)
{
    return [content](const QDir &folder) { write(folder, SettingsName, content); };
}
std::function<void(const QDir &)> alarms(QByteArray content)
{
    return [content](const QDir &folder) { write(folder, AlarmName, content); };
}
std::function<void(const QDir &)> help(QByteArray content)
{
    return [content](const QDir &folder) { write(folder, HelpName, content); };
}
std::function<void(const QDir &)> folderNamed(const QString &name)
{
    return [name](const QDir &folder) { ASSERT_TRUE(folder.mkdir(name)); };
}

HostileCase row(const char *name, std::function<void(const QDir &)> prepare, Shown shown = {},
                Quit quit = Quit::Writes, std::function<void(HostileFiles &)> alsoShows = {},
                QByteArray keptAtStart = {})
{
    return {name, std::move(prepare), std::move(shown), quit, std::move(alsoShows), std::move(keptAtStart)};
}

HostileCase inEnglish(HostileCase row)
{
    row.english = true;
    return row;
}

Shown with(std::function<void(Shown &)> change)
{
    Shown shown;
    change(shown);
    return shown;
}

class HostileFiles : public WindowTest, public testing::WithParamInterface<HostileCase> {
public:
    using WindowTest::m_window;
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // Whatever the path rules decide, nothing may land in the real configuration folder.
        qputenv("XDG_CONFIG_HOME", path(QStringLiteral("config")).toLocal8Bit());
        setMessageBoxHook([this](QMessageBox::Icon icon, const QString &, const QString &text) {
            m_boxes.push_back({icon, text});
        });
    }
    void TearDown() override
    {
        setMessageBoxHook({});
        m_window.reset();
        Commun::installerLangue(Commun::Langue::Francais);
        Commun::reinitialiser();
        QFile::setPermissions(settingsPath(), QFile::ReadOwner | QFile::WriteOwner);
    }

    QString alarmPath() const { return path(AlarmName); }
    QString helpPath() const { return path(HelpName); }
    const LignesAlarme &lignes() const { return m_window->Lignes_Alarme(); }

    // Opens "Aide" as the menu does, within the same time limit as the start.
    void openHelp()
    {
        QElapsedTimer clock;
        clock.start();
        action(QStringLiteral("Aide(0)"))->trigger();
        QCoreApplication::processEvents();
        EXPECT_LT(clock.elapsed(), StartLimitMs) << "the help took " << clock.elapsed() << " ms";
    }
    QString helpCaption() const
    {
        EXPECT_NE(m_window->feuilleAide(), nullptr);
        return m_window->feuilleAide() ? m_window->feuilleAide()->ZoneHelp()->caption() : QString();
    }

    struct Box {
        QMessageBox::Icon icon;
        QString text;
    };
    std::vector<Box> m_boxes;
};

bool isNumberText(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    return number.match(text).hasMatch();
}

TEST_P(HostileFiles, StartShowFallbackAndQuit)
{
    const HostileCase &row = GetParam();
    const QDir folder(m_dir.path());
    row.prepare(folder);
    if (HasFatalFailure())
        return;
    const QFileInfo before(settingsPath());
    const bool settingsWereFile = before.isFile();
    const QByteArray settingsBefore = readFile(SettingsName);
    if (row.english)
        Commun::installerLangue(Commun::Langue::Anglais);

    QElapsedTimer clock;
    clock.start();
    start();
    QCoreApplication::processEvents();
    EXPECT_LT(clock.elapsed(), StartLimitMs) << "the start took " << clock.elapsed() << " ms";
    ASSERT_EQ(Commun::Chemin_INI(), settingsPath());

    // The documented fallback.
    const Shown &shown = row.shown;
    EXPECT_TRUE(action(QStringLiteral("E12E24(%1)").arg(shown.series))->isChecked());
    EXPECT_FALSE(action(QStringLiteral("E12E24(%1)").arg(3 - shown.series))->isChecked());
    for (int mode : {0, 3, 4, 5})
        EXPECT_EQ(action(QStringLiteral("Affichage(%1)").arg(mode))->isChecked(), mode == shown.mode) << mode;
    EXPECT_EQ(field(QStringLiteral("Valeur(1)"))->text(), shown.pulse);
    EXPECT_EQ(field(QStringLiteral("Valeur(0)"))->text(), shown.period);
    EXPECT_DOUBLE_EQ(m_window->Constante_K4060(), shown.constant);
    EXPECT_EQ(alarmShown(), shown.alarm.has_value());
    if (shown.alarm) {
        EXPECT_EQ(alarmCaption(), QLatin1Char('\r') + lignes()[std::size_t(*shown.alarm)]);
    }
    // No saved place, or one off every screen: the top-left corner of the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(m_window->frameGeometry().topLeft(), screen.topLeft())
        << m_window->frameGeometry().x() << "," << m_window->frameGeometry().y();
    if (row.alsoShows)
        row.alsoShows(*this);

    action(QStringLiteral("QQ(1)"))->trigger();
    EXPECT_EQ(m_endings, 1);

    if (row.quit == Quit::LeavesAsItWas) {
        EXPECT_EQ(QFileInfo(settingsPath()).isFile(), settingsWereFile);
        EXPECT_EQ(QFileInfo(settingsPath()).isDir(), before.isDir());
        EXPECT_TRUE(readFile(SettingsName) == settingsBefore) << "the old settings file changed";
        return;
    }
    // A valid settings file holding what the window showed, read back by the program's rules.
    ASSERT_TRUE(QFileInfo(settingsPath()).isFile());
    EXPECT_TRUE(readFile(SettingsName).startsWith(row.keptAtStart)) << "lines the program does not own changed";
    const QString file = settingsPath();
    const Commun::IniDocument written = Commun::IniDocument::load(file);
    const auto read = [&written](const char *section, const char *key) {
        return written.value(QString::fromLatin1(section), QString::fromLatin1(key)).value_or(QStringLiteral("(absent)"));
    };
    EXPECT_EQ(read("parametres", "E12E24"), QString::number(shown.series));
    EXPECT_EQ(read("parametres", "Significatif"), QString::number(shown.mode));
    EXPECT_EQ(read("parametres", "Valeur_T"), shown.period);
    EXPECT_EQ(read("parametres", "Valeur_T1"), shown.pulse);
    EXPECT_EQ(read("parametres", "K4060"), shown.k4060);
    for (const char *key : {"Haut", "Droite", "Hauteur", "Largeur"})
        EXPECT_TRUE(isNumberText(read("Position_0", key))) << key << " " << read("Position_0", key).toStdString();
    const calc::Tolerances &t = shown.tolerances;
    const std::pair<const char *, double> tolerances[] = {
        {"Tolerance_R", t.r}, {"Tolerance_C", t.c}, {"Dispersion_K", t.k}, {"Tolerance_Ajustable", t.p}};
    // No section for the defaults unless the file had one.
    const bool none = t == calc::Tolerances{} && !settingsBefore.contains("[precision]");
    for (const auto &[key, percent] : tolerances) {
        EXPECT_EQ(read("precision", key) == QStringLiteral("(absent)"), none) << key;
        if (!none) {
            EXPECT_EQ(calc::readNumber(read("precision", key).toStdString()), percent) << key << " in " << readFile(SettingsName).left(400).toStdString();
        }
    }
    const Commun::Parametres again = Commun::Lire_Parametres(file);
    EXPECT_EQ(again.Pas_Serie, shown.series);
    EXPECT_EQ(again.Mode_Affichage, shown.mode);
    EXPECT_DOUBLE_EQ(again.Constante_K4060, shown.constant);
}

// Alarm rows: the messages loaded by the rules of the file.
std::function<void(HostileFiles &)> alarmSlots(QStringList expected)
{
    return [expected](HostileFiles &t) {
        for (int i = 0; i < 11; ++i)
            EXPECT_TRUE(t.lignes()[std::size_t(i)] == expected.value(i))
                << "slot " << i << " has " << t.lignes()[std::size_t(i)].size() << " characters";
    };
}

// Help rows: "Aide" shows the file's lines each followed by LF CR, and no control character.
std::function<void(HostileFiles &)> helpShows(QString caption)
{
    return [caption](HostileFiles &t) {
        t.openHelp();
        ASSERT_TRUE(t.m_boxes.empty());
        EXPECT_TRUE(t.helpCaption() == caption) << t.helpCaption().size() << " characters";
        EXPECT_TRUE(t.m_window->feuilleAide()->isVisible());
        for (const QChar c : t.m_window->feuilleAide()->ZoneHelp()->text())
            EXPECT_TRUE(c == QLatin1Char('\n') || c == QLatin1Char('\t') || c.category() != QChar::Other_Control)
                << int(c.unicode());
    };
}

const qsizetype FiftyMegabytes = 50 * 1024 * 1024;
const qsizetype FiveMegabytes = 5 * 1024 * 1024;

QString missingAlarmFile(const HostileFiles &t)
{
    return QStringLiteral("le fichier \"%1\" n'est pas disponible").arg(t.alarmPath());
}

std::vector<HostileCase> rows()
{
    std::vector<HostileCase> r;
    // Settings files.
    r.push_back(row("settings_empty", settings({}), {}));
    // The program's keys go in a section of their own; the bytes it does not understand stay.
    r.push_back(row("settings_binary", settings(binary(64 * 1024)), {}, Quit::Writes, {}, binary(64 * 1024)));
    r.push_back(row("settings_nul_bytes", settings(bytes("[parametres]\r\nE12E24=2\0 12\r\nK4060=3\0\r\nSignificatif\0=5\r\n"sv)),
                 with([](Shown &s) { s.series = 2; s.constant = 3e-8; s.k4060 = QStringLiteral("3"); })));
    // Far beyond any settings file: not read, and never rewritten.
    r.push_back(row("settings_50_mb", [](const QDir &folder) {
                     write(folder, SettingsName, "[bruit]\r\n" + repeated("cle=valeur\r\n", FiftyMegabytes)
                                                     + "[parametres]\r\nSignificatif=5\r\n");
                 }, {}, Quit::LeavesAsItWas));
    // A large file still below the size limit: read, and written back with room to spare.
    r.push_back(row("settings_7_mb_below_the_limit", [](const QDir &folder) {
                     const QByteArray line = "commentaire=" + QByteArray(86, 'c') + "\r\n";
                     write(folder, SettingsName, "[bruit]\r\n" + repeated(line, 7 * 1024 * 1024)
                                                     + "[parametres]\r\nSignificatif=5\r\n");
                 }, with([](Shown &s) { s.mode = 5; }), Quit::Writes, {}, "[bruit]\r\ncommentaire=ccc"));
    r.push_back(row("settings_5_mb_line", sideFile(SettingsName, [] {
                         return "[parametres]\r\nE12E24=2\r\nValeur_T=" + QByteArray(FiveMegabytes, '1') + "\r\n";
                     }),
                 with([](Shown &s) { s.series = 2; s.period = QString(254, QLatin1Char('1')); s.alarm = 4; })));
    // A constant no calculation can use: the default, written back in place of the bad one.
    r.push_back(row("k4060_zero", settings("[parametres]\r\nK4060=0\r\n"), {}));
    r.push_back(row("k4060_negative", settings("[parametres]\r\nK4060=-280\r\n"), {}));
    r.push_back(row("k4060_1e400", settings("[parametres]\r\nK4060=1e400\r\n"), {}));
    r.push_back(row("k4060_nan", settings("[parametres]\r\nK4060=nan\r\n"), {}));
    r.push_back(row("significatif_99", settings("[parametres]\r\nSignificatif=99\r\n"), {}));
    r.push_back(row("significatif_minus_1", settings("[parametres]\r\nSignificatif=-1\r\n"), {}));
    r.push_back(row("e12e24_7", settings("[parametres]\r\nE12E24=7\r\n"), {}));
    r.push_back(row("e12e24_99999", settings("[parametres]\r\nE12E24=99999\r\n"), {}));
    // A period that is no number reads as 0: below 25 ms, message 7 at start.
    // Tolerances beyond 0 to 50 % take the default; a text with no number, or one beyond any
    // double, reads as 0 by the leading-number rule, a tolerance in range. Written back valid.
    const auto tolerances = [](calc::Tolerances t) { return with([t](Shown &s) { s.tolerances = t; }); };
    r.push_back(row("precision_garbage", settings(bytes("[precision]\r\nTolerance_R=abc\r\nTolerance_C=\x01\xff\0\r\nDispersion_K=\r\n"sv)),
                 tolerances({0, 0, 0, 20})));
    r.push_back(row("precision_huge", settings("[precision]\r\nTolerance_R=1e400\r\nTolerance_C=1e300\r\nDispersion_K=51\r\nTolerance_Ajustable=" + QByteArray(400, '9') + "\r\n"),
                 tolerances({0, 10, 10, 20}))); // a value is cut to 254 characters: 10^254, out of range
    r.push_back(row("precision_negative", settings("[precision]\r\nTolerance_R=-5\r\nTolerance_Ajustable=-0.001\r\n"), {}));
    r.push_back(row("precision_non_finite", settings("[precision]\r\nTolerance_R=nan\r\nTolerance_C=inf\r\nDispersion_K=-inf\r\nTolerance_Ajustable=NaN\r\n"),
                 tolerances({0, 0, 0, 0})));
    r.push_back(row("precision_in_range_kept", settings("[precision]\r\nTolerance_R=1\r\nTolerance_C=0\r\nDispersion_K=50\r\nTolerance_Ajustable=2.5\r\n"),
                 tolerances({1, 0, 50, 2.5})));
    r.push_back(row("valeur_t_abc", settings("[parametres]\r\nValeur_T=abc\r\n"),
                 with([](Shown &s) { s.period = QStringLiteral("abc"); s.alarm = 7; })));
    r.push_back(row("valeur_t1_zero", settings("[parametres]\r\nValeur_T1=0\r\n"),
                 with([](Shown &s) { s.pulse = QStringLiteral("0"); s.alarm = 6; })));
    r.push_back(row("position_plus_1e30", settings("[Position_0]\r\nHaut=1e30\r\nDroite=1e30\r\n"), {}));
    r.push_back(row("position_minus_1e30", settings("[Position_0]\r\nHaut=-1e30\r\nDroite=-1e30\r\n"), {}));
    r.push_back(row("position_off_every_screen", settings("[Position_0]\r\nHaut=-144000\r\nDroite=2880000\r\n"), {}));
    r.push_back(row("position_beyond_single_precision", settings("[Position_0]\r\nHaut=1e39\r\nDroite=-1e39\r\n"), {}));
    r.push_back(row("settings_windows_1252", settings("; r\xe9glages \xe0 la main\r\n[parametres]\r\nValeur_T=3,5\r\nValeur_T1=0,5\r\n"),
                 with([](Shown &s) { s.period = QStringLiteral("3.5"); s.pulse = QStringLiteral("0.5"); }), Quit::Writes, {},
                 "; r\xe9glages \xe0 la main\r\n[parametres]\r\n"));
    r.push_back(row("settings_utf8_byte_order_mark", settings("\xEF\xBB\xBF; r\xC3\xA9glages\r\n[parametres]\r\nE12E24=2\r\n"),
                 with([](Shown &s) { s.series = 2; }), Quit::Writes, {}, "\xEF\xBB\xBF; r\xC3\xA9glages\r\n[parametres]\r\n"));
    r.push_back(row("settings_read_only", [](const QDir &folder) {
                     write(folder, SettingsName, "[parametres]\r\nE12E24=2\r\nValeur_T=100\r\n");
                     ASSERT_TRUE(QFile::setPermissions(folder.filePath(SettingsName), QFile::ReadOwner | QFile::ReadGroup));
                 }, with([](Shown &s) { s.series = 2; s.period = QStringLiteral("100"); }), Quit::LeavesAsItWas));
    r.push_back(row("settings_path_is_a_folder", folderNamed(SettingsName), {}, Quit::LeavesAsItWas));

    // Alarm files.
    r.push_back(row("alarm_empty", alarms({}), {}, Quit::Writes, alarmSlots({})));
    r.push_back(row("alarm_binary", alarms(binary(64 * 1024)), {}, Quit::Writes, [](HostileFiles &t) {
                     EXPECT_TRUE(t.lignes() == lignesAlarme(binary(64 * 1024), QStringLiteral("\r\n")));
                     EXPECT_TRUE(t.lignes()[0].startsWith(QStringLiteral("   ")));
                 }));
    r.push_back(row("alarm_nul_bytes", alarms(bytes("00 a\0b\r\n01 c\r\n"sv)), {}, Quit::Writes,
                 alarmSlots({QStringLiteral("   a") + QChar() + QStringLiteral("b"), QStringLiteral("   c")})));
    r.push_back(row("alarm_50_mb", [](const QDir &folder) {
                     write(folder, AlarmName, "00 premier\r\n" + repeated("01 " + QByteArray(97, 'x') + "\r\n", FiftyMegabytes));
                 }, {}, Quit::Writes, [](HostileFiles &t) {
                     QStringList expected{QStringLiteral("   premier")};
                     for (int i = 1; i < 11; ++i)
                         expected << QStringLiteral("   ") + QString(97, QLatin1Char('x'));
                     alarmSlots(expected)(t);
                 }));
    r.push_back(row("alarm_5_mb_line", sideFile(AlarmName, [] { return "00 " + QByteArray(FiveMegabytes, 'y') + "\r\n01 b\r\n"; }),
                 {}, Quit::Writes, [](HostileFiles &t) {
                     alarmSlots({QStringLiteral("   ") + QString(FiveMegabytes, QLatin1Char('y')), QStringLiteral("   b")})(t);
                 }));
    r.push_back(row("alarm_windows_1252", alarms("00 \xe9t\xe9&&\xe0 corriger\r\n"), {}, Quit::Writes,
                 alarmSlots({QStringLiteral("   été\r\nà corriger")})));
    r.push_back(row("alarm_utf8_byte_order_mark", alarms("\xEF\xBB\xBF" "00 \xC3\xA9t\xC3\xA9\r\n"), {}, Quit::Writes,
                 alarmSlots({QStringLiteral("   été")})));
    r.push_back(row("alarm_path_is_a_folder", folderNamed(AlarmName), {}, Quit::Writes, [](HostileFiles &t) {
                     QStringList expected;
                     for (int i = 0; i < 10; ++i)
                         expected << missingAlarmFile(t);
                     alarmSlots(expected)(t);
                 }));
    // A message raised at start shows the missing-file text of a folder, too.
    r.push_back(row("alarm_folder_and_zero_pulse", [](const QDir &folder) {
                     folderNamed(AlarmName)(folder);
                     write(folder, SettingsName, "[parametres]\r\nValeur_T1=0\r\n");
                 }, with([](Shown &s) { s.pulse = QStringLiteral("0"); s.alarm = 6; })));

    // Help files, shown by "Aide".
    r.push_back(row("help_empty", help({}), {}, Quit::Writes, helpShows({})));
    r.push_back(row("help_nul_bytes", help(bytes("a\0b\r\nc"sv)), {}, Quit::Writes,
                 helpShows(QStringLiteral("a") + QChar() + QStringLiteral("b\n\rc\n\r"))));
    r.push_back(row("help_binary", help(binary(64 * 1024)), {}, Quit::Writes, [](HostileFiles &t) {
                     helpShows(texteAide(binary(64 * 1024)))(t);
                 }));
    r.push_back(row("help_50_mb", sideFile(HelpName, [] {
                         return repeated("Ligne d'aide assez longue pour remplir le cadre.\r\n", FiftyMegabytes);
                     }), {},
                 Quit::Writes, [](HostileFiles &t) {
                     helpShows(texteAide(repeated("Ligne d'aide assez longue pour remplir le cadre.\r\n", FiftyMegabytes)))(t);
                 }));
    r.push_back(row("help_5_mb_line", sideFile(HelpName, [] { return QByteArray(FiveMegabytes, 'z'); }), {}, Quit::Writes,
                 [](HostileFiles &t) { helpShows(QString(FiveMegabytes, QLatin1Char('z')) + QStringLiteral("\n\r"))(t); }));
    r.push_back(row("help_windows_1252", help("\xe9t\xe9\r\n\xe0 lire\r\n"), {}, Quit::Writes,
                 helpShows(QStringLiteral("été\n\rà lire\n\r"))));
    r.push_back(row("help_utf8_byte_order_mark", help("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9\r\n"), {}, Quit::Writes,
                 helpShows(QStringLiteral("été\n\r"))));
    r.push_back(row("help_path_is_a_folder", folderNamed(HelpName), {}, Quit::Writes, [](HostileFiles &t) {
                     t.openHelp();
                     ASSERT_EQ(t.m_boxes.size(), 1u);
                     EXPECT_EQ(t.m_boxes[0].icon, QMessageBox::Critical);
                     EXPECT_EQ(t.m_boxes[0].text, QStringLiteral("le fichier d'aide \"%1\" n'existe pas").arg(t.helpPath()));
                     EXPECT_EQ(t.m_window->feuilleAide(), nullptr);
                 }));

    // In English: the English side files, the French ones when the English are missing.
    const QString englishAlarms = QStringLiteral("Chronalys_CD4060_Alarme_en.TXT");
    const QString englishHelp = QStringLiteral("Chronalys_CD4060_Aide_en.TXT");
    const auto frenchAnd = [](std::function<void(const QDir &)> english) {
        return [english](const QDir &folder) {
            write(folder, AlarmName, "00 zero\r\n01 un\r\n");
            write(folder, HelpName, "aide\r\n");
            if (english)
                english(folder);
        };
    };
    r.push_back(inEnglish(row("en_side_files_missing", frenchAnd({}), {}, Quit::Writes, [](HostileFiles &t) {
                     alarmSlots({QStringLiteral("   zero"), QStringLiteral("   un")})(t);
                     helpShows(QStringLiteral("aide\n\r"))(t);
                 })));
    r.push_back(inEnglish(row("en_side_files_empty", frenchAnd([=](const QDir &folder) {
                                  write(folder, englishAlarms, {});
                                  write(folder, englishHelp, {});
                              }), {}, Quit::Writes, [](HostileFiles &t) {
                     alarmSlots({})(t);
                     helpShows({})(t);
                 })));
    r.push_back(inEnglish(row("en_side_files_binary", frenchAnd([=](const QDir &folder) {
                                  write(folder, englishAlarms, binary(64 * 1024));
                                  write(folder, englishHelp, binary(64 * 1024));
                              }), {}, Quit::Writes, [](HostileFiles &t) {
                     EXPECT_TRUE(t.lignes() == lignesAlarme(binary(64 * 1024), QStringLiteral("\r\n")));
                     helpShows(texteAide(binary(64 * 1024)))(t);
                 })));
    r.push_back(inEnglish(row("en_alarm_50_mb", frenchAnd(sideFile(englishAlarms, [] {
                                  return "00 first\r\n" + repeated("01 " + QByteArray(97, 'x') + "\r\n", FiftyMegabytes);
                              })), {}, Quit::Writes, [](HostileFiles &t) {
                     QStringList expected{QStringLiteral("   first")};
                     for (int i = 1; i < 11; ++i)
                         expected << QStringLiteral("   ") + QString(97, QLatin1Char('x'));
                     alarmSlots(expected)(t);
                 })));
    // A language key the program cannot read is no choice: left in the file as it was.
    const QByteArray badLanguage = bytes("[parametres]\r\nLangue=\x01\xff\0de\r\n"sv);
    r.push_back(row("langue_garbage_kept", settings(badLanguage), {}, Quit::Writes, {}, badLanguage));
    return r;
}

INSTANTIATE_TEST_SUITE_P(Files, HostileFiles, testing::ValuesIn(rows()),
                         [](const testing::TestParamInfo<HostileCase> &info) { return std::string(info.param.name); });

} // namespace
