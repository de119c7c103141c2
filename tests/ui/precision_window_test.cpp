#include "calc/numbertext.h"
#include "ui/precisionwindow.h"
#include "windowfixture.h"

#include <QMenuBar>
#include <QPushButton>

namespace {

// A one-hour timer: 3600 s and 2 s in E12 convert to a talon of 180 kilohms and 470 nF,
// T_reel = 16384 x 2.8e-6 x 180 x 470 = 3881.04192 s.
class PrecisionTest : public WindowTest {
protected:
    void SetUp() override
    {
        writeFile(QStringLiteral("Chronalys_CD4060_Alarme.TXT"), "00 zero\r\n01 un\r\n02 deux\r\n03 trois\r\n"
                                                                "04 quatre\r\n05 cinq\r\n06 six\r\n07 sept\r\n08 huit\r\n");
        start();
        retype(field(QStringLiteral("Valeur(0)")), QStringLiteral("3600"));
        retype(field(QStringLiteral("Valeur(1)")), QStringLiteral("2"));
        action(QStringLiteral("E12E24(2)"))->trigger();
        click(QStringLiteral("Calcul_F_vers_RC"));
        click(QStringLiteral("Conversion_reelle(12)"));
        action(QStringLiteral("Outils(0)"))->trigger();
        m_precision = m_window->precision();
        ASSERT_NE(m_precision, nullptr);
    }

    template <class T = QLabel>
    T *tool(const QString &name) const
    {
        T *found = m_precision->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QString toolText(const QString &name) const { return tool(name)->text(); }
    void press(const QString &name) { QTest::mouseClick(tool<QPushButton>(name), Qt::LeftButton); }
    double realPeriod() const { return calc::readNumber(caption(QStringLiteral("T_reel")).toStdString()); }
    void letAlarmGoDown()
    {
        for (int tick = 0; tick <= 40; ++tick)
            m_window->Timer1_Timer();
    }

    PrecisionWindow *m_precision = nullptr;
};

TEST_F(PrecisionTest, MenuOpensTheWindowThatFollowsTheDesign)
{
    QStringList titles;
    for (QAction *menu : m_window->menuBar()->actions())
        titles << menu->iconText();
    EXPECT_EQ(titles.mid(titles.indexOf(QStringLiteral("Schéma")), 3),
              (QStringList{QStringLiteral("Schéma"), QStringLiteral("Outils"), QStringLiteral("?")}));
    EXPECT_EQ(action(QStringLiteral("Outils(0)"))->iconText(), QStringLiteral("Précision du montage…"));
    EXPECT_EQ(m_precision->objectName(), QStringLiteral("Precision"));
    EXPECT_EQ(m_precision->windowTitle(), QStringLiteral("Précision du montage"));
    EXPECT_TRUE(m_precision->isVisible());
    EXPECT_EQ(toolText(QStringLiteral("Ecart(0)")), QStringLiteral("Période T : +7.81 %"));
    EXPECT_EQ(toolText(QStringLiteral("Ecart(1)")), QStringLiteral("Pulse T1 : -5.25 %")); // 8 x 0.23688 s

    // A change of T in zone A is followed at once: 3881.04192 s is 2.97 % short of 4000 s.
    retype(field(QStringLiteral("Valeur(0)")), QStringLiteral("4000"));
    EXPECT_EQ(toolText(QStringLiteral("Ecart(0)")), QStringLiteral("Période T : -2.97 %"));
}

TEST_F(PrecisionTest, AppliquerGoesThroughTheMainWindowHandlers)
{
    // Trimmer: talon 120, setting 166.96547 - 120 kilohms to the ohm.
    press(QStringLiteral("AppliquerAjustable"));
    EXPECT_EQ(combo(0)->currentText(), QStringLiteral("120"));
    EXPECT_EQ(combo(1)->currentText(), QStringLiteral("46.965"));
    EXPECT_NEAR(realPeriod(), 3600, 1.5);

    // Nearest pulse above 8 periods: 16, that is Q5 alone.
    press(QStringLiteral("AppliquerPulse(1)"));
    for (int n = 1; n <= 13; ++n)
        EXPECT_EQ(caption(QStringLiteral("QrOnOff(%1)").arg(n)), n == 5 ? QStringLiteral("On") : QString()) << n;

    // From 120 + 450 kilohms (alarm 1) to 820 nF with 100 + 0: the potentiometer goes first, so no
    // passing 100 + 450 raises alarm 1 again.
    combo(1)->setEditText(QStringLiteral("450"));
    m_window->ResistanceCombo_Change(1);
    EXPECT_TRUE(alarmCaption().endsWith(QStringLiteral(" un"))) << alarmCaption().toStdString();
    letAlarmGoDown();
    press(QStringLiteral("AppliquerSolution(1)"));
    EXPECT_FALSE(alarmShown()) << alarmCaption().toStdString();
    EXPECT_EQ(combo(0)->currentText(), QStringLiteral("100"));

    // Best other solution: 680 nF with 120 kilohms, potentiometer 0: 3743.416... s.
    press(QStringLiteral("AppliquerSolution(0)"));
    EXPECT_EQ(field(QStringLiteral("CondensateurReel"))->text(), QStringLiteral("680"));
    EXPECT_EQ(combo(0)->currentText(), QStringLiteral("120"));
    EXPECT_EQ(combo(1)->currentText(), QStringLiteral("0"));
    EXPECT_EQ(caption(QStringLiteral("T_reel")), QStringLiteral("3743"));
}

struct RefusalCase {
    const char *name;
    const char *field; // tolerance or measured-period field
    const char *typed;
    const char *kept;  // field text afterwards
    bool message;
};

class PrecisionRefusals : public PrecisionTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(PrecisionRefusals, KeepThePreviousValueWithAMessage)
{
    const RefusalCase &c = GetParam();
    QLineEdit *edit = tool<QLineEdit>(QString::fromLatin1(c.field));
    retype(edit, QString::fromLatin1(c.typed));
    if (QString::fromLatin1(c.field) == QStringLiteral("MesureT"))
        press(QStringLiteral("Calibrer"));
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.kept));
    EXPECT_EQ(toolText(QStringLiteral("Message")).isEmpty(), !c.message);
    EXPECT_DOUBLE_EQ(m_window->Constante_K4060(), 2.8e-6);
    EXPECT_EQ(m_window->tolerances().r, QString::fromLatin1(c.field) == QStringLiteral("Tolerance(0)")
                                            ? calc::readNumber(c.kept)
                                            : 5.0);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PrecisionRefusals,
    testing::Values(RefusalCase{"tolerance_over_50", "Tolerance(0)", "60", "6", true},
                    RefusalCase{"tolerance_letters_swallowed", "Tolerance(0)", "a7b", "7", false},
                    RefusalCase{"tolerance_second_separator", "Tolerance(0)", "1.25.", "1.25", true},
                    RefusalCase{"tolerance_50_accepted", "Tolerance(0)", "50", "50", false},
                    RefusalCase{"measure_empty", "MesureT", "", "", true},
                    RefusalCase{"measure_zero", "MesureT", "0", "0", true},
                    RefusalCase{"measure_lone_separator", "MesureT", ",", ",", true},
                    RefusalCase{"measure_k4060_144", "MesureT", "2000", "2000", true},
                    RefusalCase{"measure_k4060_505", "MesureT", "7000", "7000", true},
                    RefusalCase{"measure_k4060_billions", "MesureT", "99999999999", "99999999999", true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PrecisionTest, ConstantForThisRunIsWrittenByQuitter)
{
    // 280 x 3600 / 3881.04192 = 259.724...
    retype(tool<QLineEdit>(QStringLiteral("MesureT")), QStringLiteral("3600"));
    press(QStringLiteral("Calibrer"));
    EXPECT_EQ(toolText(QStringLiteral("Calibrage")), QStringLiteral("K4060 calibré = 259.7"));
    EXPECT_DOUBLE_EQ(m_window->Constante_K4060(), 2.597e-6);
    EXPECT_NEAR(realPeriod(), 3600, 1.5); // zone D at once

    auto *chip = tool<QComboBox>(QStringLiteral("Puce"));
    EXPECT_EQ(chip->currentText(), QStringLiteral("Calibrée (2.597)"));
    chip->setCurrentIndex(0);
    Q_EMIT chip->activated(0); // as a user's choice
    EXPECT_DOUBLE_EQ(m_window->Constante_K4060(), 2.2e-6);
    Q_EMIT chip->activated(chip->count() - 1); // back to the calibration
    EXPECT_DOUBLE_EQ(m_window->Constante_K4060(), 2.597e-6);
    Q_EMIT chip->activated(0);
    retype(tool<QLineEdit>(QStringLiteral("Tolerance(3)")), QStringLiteral("2,5"));

    action(QStringLiteral("QQ(1)"))->trigger();
    EXPECT_EQ(Commun::Lire_INI(QStringLiteral("parametres"), QStringLiteral("K4060"), {}, settingsPath()),
              QStringLiteral("220"));
    EXPECT_EQ(Commun::Lire_INI(QStringLiteral("precision"), QStringLiteral("Tolerance_Ajustable"), {}, settingsPath()),
              QStringLiteral("2.5"));
}

TEST_F(WindowTest, PrecisionBeforeAnyConversionHasNothingToAssess)
{
    start();
    action(QStringLiteral("Outils(0)"))->trigger();
    PrecisionWindow *window = m_window->precision();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->findChild<QLabel *>(QStringLiteral("RienAEvaluer"))->isVisibleTo(window));
    for (QLabel *label : window->findChildren<QLabel *>())
        for (const char *bad : {"nan", "inf"})
            EXPECT_FALSE(label->text().contains(QLatin1String(bad), Qt::CaseInsensitive))
                << label->objectName().toStdString();
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->text() == QStringLiteral("Appliquer")) {
            EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
        }
    }
}

} // namespace
