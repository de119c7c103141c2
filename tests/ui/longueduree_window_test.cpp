#include "calc/numbertext.h"
#include "report/conception.h"
#include "ui/conceptiondocument.h"
#include "ui/longueduree.h"
#include "ui/messagebox.h"
#include "windowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QSpinBox>

namespace {

// A day with a CD4040 (tests/calc/longperiod_expected.py): S = 22, C2 = 47 nF, pulse 2912
// oscillator periods, stages 6, 7, 9, 10 and 12 marked.
constexpr std::uint64_t DayMarks = 2912;

class LongueDureeTest : public WindowTest {
protected:
    void SetUp() override
    {
        start();
        action(QStringLiteral("Outils(4)"))->trigger();
        m_long = m_window->longueDuree();
        ASSERT_NE(m_long, nullptr);
        retype(tool<QLineEdit>("Valeur(0)"), QStringLiteral("86400"));
        retype(tool<QLineEdit>("Valeur(1)"), QStringLiteral("60"));
    }

    template <class T = QLabel>
    T *tool(const char *name) const
    {
        T *found = m_long->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLabel *cell(int stage) const { return m_long->findChild<QLabel *>(QStringLiteral("Etage(%1)").arg(stage)); }
    double shown(const char *name) const { return calc::readNumber(tool(name)->text().toStdString()); }

    // Cells 1 to S - 1 shown, "On" on the stages of `marks`, none from S up.
    void expectMarks(std::uint64_t marks, int S) const
    {
        for (int stage = 1; stage <= 28; ++stage) {
            EXPECT_EQ(cell(stage)->isVisible(), stage < S) << stage;
            EXPECT_EQ(cell(stage)->text(), (marks >> (stage - 1) & 1) ? QStringLiteral("On") : QString()) << stage;
        }
    }

    LongueDureeWindow *m_long = nullptr;
};

TEST_F(LongueDureeTest, DayDesignedThenTypedOver)
{
    EXPECT_EQ(action(QStringLiteral("Outils(4)"))->iconText(), QStringLiteral("Longue durée…"));
    EXPECT_EQ(m_long->objectName(), QStringLiteral("LongueDuree"));
    EXPECT_TRUE(m_long->isVisible());
    EXPECT_EQ(tool<QSpinBox>("EtageHaut")->value(), 22);
    EXPECT_EQ(tool("Theorie(1)")->text(), QStringLiteral("47.0 nF"));
    expectMarks(DayMarks, 22);
    EXPECT_NEAR(shown("Reel(0)"), 86400, 10); // four digits, cut
    const double pulse = shown("Reel(1)");
    EXPECT_NEAR(pulse, 60, 0.1);

    // Q4 takes a diode by a click, loses it by Space: 2920 periods, then 2912 again.
    QTest::mouseClick(cell(4), Qt::LeftButton);
    EXPECT_EQ(cell(4)->text(), QStringLiteral("On"));
    EXPECT_NEAR(shown("Reel(1)") / pulse, 2920.0 / 2912, 5e-4);
    QTest::keyClick(cell(4), Qt::Key_Space);
    EXPECT_EQ(cell(4)->text(), QString());
    EXPECT_DOUBLE_EQ(shown("Reel(1)"), pulse);

    // Q11 of the CD4060 has no pin: it may be marked, in red, and said.
    QTest::mouseClick(cell(11), Qt::LeftButton);
    EXPECT_EQ(cell(11)->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(tool("SansBroche")->text().contains(QStringLiteral("Q11 du CD4060")));
    EXPECT_NE(cell(12)->palette().color(QPalette::WindowText), QColor(Qt::red));

    // A part typed over: 56 nF instead of 47 lengthens T in proportion.
    retype(tool<QLineEdit>("Composant(0)"), QStringLiteral("56"));
    EXPECT_NEAR(shown("Reel(0)") / 86400, 56.0 / 47, 1e-3); // four digits, cut

    // Beyond the oscillator's range: said, and the rule broken in red.
    EXPECT_EQ(tool("Avertissement")->text(), QString());
    EXPECT_NE(tool("Regle(0)")->palette().color(QPalette::WindowText), QColor(Qt::red));
    retype(tool<QLineEdit>("Composant(1)"), QStringLiteral("2000"));
    EXPECT_TRUE(tool("Avertissement")->text().startsWith(QStringLiteral("Talon + réglage dépassent 1000 kΩ")));
    EXPECT_EQ(tool("Regle(0)")->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(LongueDureeTest, ChosenStageUntilTheEntryChanges)
{
    QSpinBox *stage = tool<QSpinBox>("EtageHaut");
    stage->selectAll();
    QTest::keyClicks(stage, QStringLiteral("20"));
    EXPECT_EQ(tool("Theorie(1)")->text(), QStringLiteral("220.0 nF"));
    expectMarks(728, 20);

    // The counter changes: the road proposes again, within the CD4020's stages.
    QTest::keyClick(tool<QComboBox>("Compteur"), Qt::Key_Down);
    EXPECT_EQ(tool<QComboBox>("Compteur")->currentText(), QStringLiteral("CD4020"));
    EXPECT_EQ(stage->maximum(), 28);
    calc::LongEntry cd4020;
    cd4020.T = 86400;
    cd4020.T1 = 60;
    cd4020.counter = calc::SecondCounter::CD4020;
    EXPECT_EQ(stage->value(), calc::designLong(cd4020).proposedStage);
}

// Kept by "Quitter" with the main window's place, whatever its section, and taken back at the
// next run's first opening.
TEST_F(LongueDureeTest, PlaceKeptFromOneRunToTheNext)
{
    m_long->move(210, 140);
    const QPoint place = m_long->pos();
    action(QStringLiteral("QQ(1)"))->trigger();
    ASSERT_EQ(m_endings, 1);
    start();
    EXPECT_NE(m_window->pos(), place);
    action(QStringLiteral("Outils(4)"))->trigger();
    ASSERT_NE(m_window->longueDuree(), nullptr);
    EXPECT_EQ(m_window->longueDuree()->pos(), place);
}

// Saved from "Longue durée", opened by the main window's "Ouvrir" in a program started afresh: it
// lands in "Longue durée" as it was left; a main window's file opened from there lands there.
TEST_F(LongueDureeTest, DesignFileOpensInTheWindowItBelongsTo)
{
    QSpinBox *stage = tool<QSpinBox>("EtageHaut");
    stage->selectAll();
    QTest::keyClicks(stage, QStringLiteral("20")); // stages 4, 5, 7, 8 and 10 marked
    QTest::mouseClick(cell(1), Qt::LeftButton);
    retype(tool<QLineEdit>("Composant(0)"), QStringLiteral("56"));
    const QString file = path(QStringLiteral("arrosage.cd4060"));
    ASSERT_TRUE(m_long->document()->save(file, QStringLiteral("Arrosage")));
    EXPECT_EQ(m_long->windowTitle(), QStringLiteral("Longue durée — Arrosage[*]"));
    const report::ConceptionRead read = report::readConception(file);
    ASSERT_TRUE(read.conception && read.conception->composants) << read.error.toStdString();
    EXPECT_EQ(read.conception->montage, (calc::Cascade{calc::SecondCounter::CD4040, 20}));
    EXPECT_EQ(read.conception->composants->sorties, (std::vector<int>{1, 4, 5, 7, 8, 10}));

    start();
    setMessageBoxHook([](QMessageBox::Icon, const QString &, const QString &text) { ADD_FAILURE() << text.toStdString(); });
    ASSERT_TRUE(m_window->Ouvrir_Conception(file));
    setMessageBoxHook({});
    m_long = m_window->longueDuree();
    ASSERT_NE(m_long, nullptr);
    EXPECT_TRUE(m_long->isVisible());
    EXPECT_TRUE(m_window->conceptionPath().isEmpty());
    EXPECT_EQ(m_long->document()->path(), file);
    EXPECT_EQ(tool<QLineEdit>("Valeur(0)")->text(), QStringLiteral("86400"));
    EXPECT_EQ(tool<QSpinBox>("EtageHaut")->value(), 20);
    EXPECT_EQ(tool<QLineEdit>("Composant(0)")->text(), QStringLiteral("56"));
    expectMarks(729, 20);
    EXPECT_FALSE(m_long->isWindowModified());
    EXPECT_EQ(m_window->recents(), QStringList{file});

    // Changed, it asks before it closes.
    QTest::mouseClick(cell(1), Qt::LeftButton);
    EXPECT_TRUE(m_long->isWindowModified());
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    QStringList asked;
    setQuestionHook([&](const QString &, const QString &text) {
        asked << text;
        return answer;
    });
    EXPECT_FALSE(m_long->close());
    answer = QMessageBox::Discard;
    EXPECT_TRUE(m_long->close());
    setQuestionHook({});
    EXPECT_EQ(asked, QStringList(2, QStringLiteral("Enregistrer les modifications de « Arrosage » ?")));

    retype(field(QStringLiteral("Valeur(0)")), QStringLiteral("3600"));
    const QString principal = path(QStringLiteral("principal.cd4060"));
    ASSERT_TRUE(m_window->Enregistrer_Conception(principal, QStringLiteral("Principal")));
    retype(field(QStringLiteral("Valeur(0)")), QStringLiteral("100"));
    asked.clear();
    setQuestionHook([&](const QString &, const QString &text) {
        asked << text;
        return QMessageBox::Discard;
    });
    ASSERT_TRUE(m_long->document()->open(principal)); // the main window's design is the one left
    setQuestionHook({});
    EXPECT_EQ(asked, QStringList{QStringLiteral("Enregistrer les modifications de « Principal » ?")});
    EXPECT_EQ(field(QStringLiteral("Valeur(0)"))->text(), QStringLiteral("3600"));
    EXPECT_FALSE(m_window->conceptionModified());
    EXPECT_EQ(m_long->document()->path(), file);
}

// The tools windows show the design of the window worked in last, and say which in their title;
// "Copier le résultat" copies its report.
TEST_F(LongueDureeTest, ToolsFollowTheWindowWorkedInLast)
{
    const std::array<std::pair<const char *, QString>, 3> tools = {
        std::pair{"Outils(0)", QStringLiteral("Précision du montage")},
        std::pair{"Outils(1)", QStringLiteral("Feuille de montage")}, std::pair{"Outils(3)", QStringLiteral("Chronogramme")}};
    for (const auto &[name, title] : tools)
        action(QLatin1String(name))->trigger();
    QCoreApplication::processEvents();
    const std::array<QWidget *, 3> windows = {m_window->precision(), m_window->feuilleMontage(), m_window->chronogramme()};
    const auto expectTitles = [&](const QString &origin) {
        for (std::size_t i = 0; i < tools.size(); ++i)
            EXPECT_EQ(windows[i]->windowTitle(), tools[i].second + origin);
    };
    const auto copied = [this] {
        action(QStringLiteral("Outils(2)"))->trigger();
        return QApplication::clipboard()->text();
    };
    expectTitles(QStringLiteral(" — Longue durée"));
    EXPECT_EQ(m_window->feuilleMontage()->sheet().design.cascade, (calc::Cascade{calc::SecondCounter::CD4040, 22}));
    EXPECT_TRUE(copied().contains(QStringLiteral("CD4040")));

    retype(field(QStringLiteral("Valeur(0)")), QStringLiteral("3600"));
    expectTitles(QString());
    EXPECT_FALSE(m_window->feuilleMontage()->sheet().design.cascade);
    EXPECT_FALSE(copied().contains(QStringLiteral("CD4040")));

    QTest::mouseClick(cell(4), Qt::LeftButton);
    expectTitles(QStringLiteral(" — Longue durée"));
    EXPECT_EQ(m_window->feuilleMontage()->sheet().design.pattern, DayMarks | 8);
}

struct RefusalCase {
    const char *name;
    const char *T, *T1;
    const char *message; // its beginning
};

class LongueDureeRefusals : public LongueDureeTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(LongueDureeRefusals, SayWhyAndShowNothingStale)
{
    const RefusalCase &c = GetParam();
    retype(tool<QLineEdit>("Valeur(0)"), QLatin1String(c.T));
    retype(tool<QLineEdit>("Valeur(1)"), QLatin1String(c.T1));
    EXPECT_TRUE(tool("Message")->text().startsWith(QString::fromUtf8(c.message))) << tool("Message")->text().toStdString();
    EXPECT_EQ(tool("Reel(0)")->text(), QStringLiteral("—"));
    EXPECT_EQ(tool<QLineEdit>("Composant(0)")->text(), QString());
    EXPECT_FALSE(tool<QLineEdit>("Composant(0)")->isEnabled());
    expectMarks(0, 0);

    // Back to a day: the design again, the message gone.
    retype(tool<QLineEdit>("Valeur(0)"), QStringLiteral("86400"));
    retype(tool<QLineEdit>("Valeur(1)"), QStringLiteral("60"));
    EXPECT_EQ(tool("Message")->text(), QString());
    expectMarks(DayMarks, 22);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, LongueDureeRefusals,
    testing::Values(RefusalCase{"period_too_short", "59", "1", "T doit aller de 60 à 10000000 s"},
                    RefusalCase{"period_too_long", "10000001", "60", "T doit aller de 60 à 10000000 s"},
                    RefusalCase{"pulse_half_period", "86400", "43200", "T1 doit être plus court que T / 2.001"},
                    RefusalCase{"pulse_too_short", "86400", "0.01", "T1 est plus court que le plus court pulse possible"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
