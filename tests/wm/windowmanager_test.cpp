// The program on a virtual display under a real window manager, which frames its windows: the
// offscreen platform the other window tests use has no frame to get wrong.
#include "settings/inidocument.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <memory>
#include <ostream>

#include <sys/prctl.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QRect &r, std::ostream *out)
{
    *out << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}
QT_END_NAMESPACE

namespace {

constexpr int Wait = 60000; // ms; the sanitizer build starts slowly
const QSize Screen(1600, 1200);

QString found(const char *program) { return QStandardPaths::findExecutable(QString::fromLatin1(program)); }

QProcessEnvironment displayEnvironment(const QString &display, const QString &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    // The X and font libraries' own leaks at exit are not this test's business; memory errors still abort.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0:abort_on_error=1"));
    return environment;
}

// xdotool's answer, or "" when it failed or took too long.
QString xdotoolOn(const QString &display, const QStringList &arguments)
{
    QProcess process;
    process.setProcessEnvironment(displayEnvironment(display, QString()));
    process.start(found("xdotool"), arguments);
    if (!process.waitForFinished(Wait)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput()).trimmed() : QString();
}

// Xvfb and openbox for the whole suite.
class Display {
public:
    static Display &instance()
    {
        static Display display;
        return display;
    }
    QString missing;
    QString name; // ":N"

private:
    Display()
    {
        for (const char *program : {"Xvfb", "openbox", "xdotool"})
            if (found(program).isEmpty())
                missing += QLatin1String(program) + QLatin1Char(' ');
        if (!missing.isEmpty())
            return;
        for (QProcess *process : {&m_xvfb, &m_openbox})
            process->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); }); // never left behind
        m_xvfb.start(found("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                                     QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                                     QStringLiteral("%1x%2x24").arg(Screen.width()).arg(Screen.height())});
        const QDeadlineTimer deadline(Wait);
        m_xvfb.waitForStarted(Wait);
        while (!m_xvfb.canReadLine() && m_xvfb.state() == QProcess::Running && !deadline.hasExpired())
            m_xvfb.waitForReadyRead(100);
        name = QLatin1Char(':') + QString::fromLatin1(m_xvfb.readLine().trimmed());
        m_openbox.setProcessEnvironment(displayEnvironment(name, QString()));
        m_openbox.start(found("openbox"), {});
        // Managing windows once it has published its desktops.
        while (xdotoolOn(name, {QStringLiteral("get_num_desktops")}).isEmpty() && !deadline.hasExpired())
            QThread::msleep(100);
    }
    ~Display()
    {
        for (QProcess *process : {&m_openbox, &m_xvfb}) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished(5000);
        }
    }
    QProcess m_xvfb, m_openbox;
};

QString xdotool(const QStringList &arguments) { return xdotoolOn(Display::instance().name, arguments); }

QRect geometryOf(const QString &window)
{
    QRect r;
    for (const QString &line : xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window})
                                   .split(QLatin1Char('\n'))) {
        const int value = line.section(QLatin1Char('='), 1).toInt();
        if (line.startsWith(QLatin1String("X=")))
            r.moveLeft(value);
        else if (line.startsWith(QLatin1String("Y=")))
            r.moveTop(value);
        else if (line.startsWith(QLatin1String("WIDTH=")))
            r.setWidth(value);
        else if (line.startsWith(QLatin1String("HEIGHT=")))
            r.setHeight(value);
    }
    return r;
}

// The window's geometry once it stops changing.
QRect settle(const QString &window)
{
    const QDeadlineTimer deadline(Wait);
    QRect last = geometryOf(window);
    for (QThread::msleep(200); !deadline.hasExpired(); QThread::msleep(200)) {
        const QRect now = geometryOf(window);
        if (now == last)
            break;
        last = now;
    }
    return last;
}

// One run of the program, from a folder of its own where it keeps its settings.
class Session {
public:
    Session(const QString &executable, const QString &home)
    {
        m_process.setProcessEnvironment(displayEnvironment(Display::instance().name, home));
        m_process.start(executable, {QStringLiteral("--langue"), QStringLiteral("fr")});
        m_process.waitForStarted(Wait);
        m_main = window(QStringLiteral("^Chronalys pour tempo"));
    }
    ~Session()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    // The first visible window of the program whose title matches, once the window manager has
    // placed it; "" when none comes.
    QString window(const QString &title)
    {
        const QDeadlineTimer deadline(Wait);
        QString id;
        while (id.isEmpty() && !deadline.hasExpired() && m_process.state() == QProcess::Running) {
            id = xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                          QStringLiteral("--pid"), QString::number(m_process.processId()), QStringLiteral("--name"),
                          title})
                     .section(QLatin1Char('\n'), 0, 0);
            QThread::msleep(100);
        }
        if (!id.isEmpty())
            settle(id);
        return id;
    }
    QString main() const { return m_main; }

    // Keys as a user types them, to the window brought forward.
    void type(const QString &window, const QStringList &keys)
    {
        xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
        xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("150")} + keys);
    }

    QString openSheet()
    {
        type(m_main, {QStringLiteral("alt+o"), QStringLiteral("f")});
        return window(QStringLiteral("^Feuille de montage$"));
    }

    bool ended()
    {
        return m_process.waitForFinished(Wait) && m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }

private:
    QProcess m_process;
    QString m_main;
};

class WindowManager : public testing::Test {
protected:
    void SetUp() override
    {
        if (!Display::instance().missing.isEmpty())
            GTEST_SKIP() << "not installed: " << Display::instance().missing.toStdString();
        ASSERT_GE(Display::instance().name.size(), 2) << "Xvfb gave no display";
        // Beside a copy of the executable, the program keeps its settings in this folder.
        ASSERT_TRUE(QFile::copy(QStringLiteral(CHRONALYS_EXECUTABLE), executable()));
    }

    QString executable() const { return m_dir.filePath(QStringLiteral("Chronalys_CD4060")); }
    QString settingsPath() const { return m_dir.filePath(QStringLiteral("Chronalys_CD4060.INI")); }
    QByteArray settings() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Haut, Droite, Hauteur, Largeur as saved, twips.
    QStringList place(int section) const
    {
        const Commun::IniDocument document(settings());
        QStringList values;
        for (const char *key : {"Haut", "Droite", "Hauteur", "Largeur"})
            values << document.value(QStringLiteral("Position_%1").arg(section), QString::fromLatin1(key)).value_or(QString());
        return values;
    }

    QTemporaryDir m_dir;
};

// What is saved is what is restored: three starts, quit by the menu then by Ctrl+Q, leave the
// main window and the sheet window where they were, and a window the user moved comes back there.
TEST_F(WindowManager, StartsAndQuitsLeaveEveryWindowWhereItWas)
{
    QRect main, sheet;
    {
        Session run(executable(), m_dir.path());
        ASSERT_FALSE(run.main().isEmpty());
        const QString window = run.openSheet();
        ASSERT_FALSE(window.isEmpty());
        main = geometryOf(run.main());
        sheet = geometryOf(window);
        run.type(window, {QStringLiteral("Escape")}); // closed, its place is kept till "Quitter"
        run.type(run.main(), {QStringLiteral("alt+f"), QStringLiteral("q")});
        ASSERT_TRUE(run.ended());
    }
    // The windows never shown save nothing.
    for (const char *section : {"[Position_1]", "[Position_2]", "[Position_3]", "[Position_5]"})
        EXPECT_FALSE(settings().contains(section)) << section;
    // Never a window of one pixel: at least 100 pixels each way.
    for (int section : {0, 4})
        for (const QString &value : place(section).mid(2))
            EXPECT_GE(value.toInt(), 1500) << "Position_" << section << ": " << settings().toStdString();

    const QStringList firstMain = place(0), firstSheet = place(4);

    QRect moved;
    {
        Session run(executable(), m_dir.path());
        ASSERT_FALSE(run.main().isEmpty());
        EXPECT_EQ(geometryOf(run.main()), main);
        EXPECT_EQ(geometryOf(run.openSheet()), sheet);
        xdotool({QStringLiteral("windowmove"), QStringLiteral("--sync"), run.main(), QStringLiteral("230"), QStringLiteral("170")});
        moved = settle(run.main());
        EXPECT_NE(moved.topLeft(), main.topLeft());
        run.type(run.main(), {QStringLiteral("ctrl+q")});
        ASSERT_TRUE(run.ended());
    }
    const QByteArray second = settings();
    EXPECT_NE(place(0), firstMain);
    EXPECT_EQ(place(4), firstSheet);
    {
        Session run(executable(), m_dir.path());
        ASSERT_FALSE(run.main().isEmpty());
        EXPECT_EQ(geometryOf(run.main()), moved);
        EXPECT_EQ(geometryOf(run.openSheet()), sheet);
        run.type(run.main(), {QStringLiteral("ctrl+q")});
        ASSERT_TRUE(run.ended());
    }
    EXPECT_EQ(settings().toStdString(), second.toStdString());
}

struct BadPlace {
    const char *name;
    const char *section; // keys of Position_0 and Position_4
};

class BadPlaces : public WindowManager, public testing::WithParamInterface<BadPlace> {};

// Whatever the file says, both windows open whole on the screen, and what "Quitter" saves is
// their real place: the next start and quit leave it as it is.
TEST_P(BadPlaces, WindowsOpenWholeOnTheScreen)
{
    QFile file(settingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int section : {0, 4})
        file.write("[Position_" + QByteArray::number(section) + "]\r\n" + GetParam().section);
    file.close();
    QRect main, sheet;
    {
        Session run(executable(), m_dir.path());
        ASSERT_FALSE(run.main().isEmpty());
        const QString window = run.openSheet();
        ASSERT_FALSE(window.isEmpty());
        main = geometryOf(run.main());
        sheet = geometryOf(window);
        for (const QRect &shown : {main, sheet})
            EXPECT_GE(std::min(shown.width(), shown.height()), 100) << testing::PrintToString(shown);
        run.type(window, {QStringLiteral("ctrl+q")});
        ASSERT_TRUE(run.ended());
    }
    // The frames as saved, twips at 96 dpi, lie on the screen.
    for (int section : {0, 4}) {
        QList<int> twips; // top, left, height, width
        for (const QString &value : place(section))
            twips << value.toInt();
        ASSERT_EQ(twips.size(), 4);
        EXPECT_TRUE(QRect(QPoint(0, 0), Screen * 15).contains(QRect(twips[1], twips[0], twips[3], twips[2])))
            << "Position_" << section << ": " << settings().toStdString();
    }
    const QByteArray saved = settings();
    {
        Session run(executable(), m_dir.path());
        ASSERT_FALSE(run.main().isEmpty());
        EXPECT_EQ(geometryOf(run.main()), main);
        EXPECT_EQ(geometryOf(run.openSheet()), sheet);
        run.type(run.main(), {QStringLiteral("alt+f"), QStringLiteral("q")});
        ASSERT_TRUE(run.ended());
    }
    EXPECT_EQ(settings().toStdString(), saved.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadPlaces,
    testing::Values(BadPlace{"far_off_screen", "Haut=9000000\r\nDroite=9000000\r\n"},
                    BadPlace{"negative", "Haut=-4500\r\nDroite=-4500\r\n"},
                    BadPlace{"huge", "Haut=1e30\r\nDroite=-1e30\r\nHauteur=1e30\r\nLargeur=1e30\r\n"},
                    BadPlace{"screen_no_longer_there", "Haut=1500\r\nDroite=36000\r\n"},
                    BadPlace{"title_bar_above_the_screen", "Haut=-150\r\nDroite=1500\r\n"},
                    BadPlace{"zero_size", "Haut=1500\r\nDroite=1500\r\nHauteur=0\r\nLargeur=0\r\n"}),
    [](const testing::TestParamInfo<BadPlace> &info) { return std::string(info.param.name); });

} // namespace
