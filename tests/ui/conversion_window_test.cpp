#include "windowfixture.h"

namespace {

const QByteArray NumberedAlarms = "00 zero\r\n01 un\r\n02 deux\r\n03 trois\r\n04 quatre\r\n"
                                  "05 cinq\r\n06 six\r\n07 sept\r\n08 huit\r\n";

QStringList items(QComboBox *box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

QStringList numbers(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *t : texts)
        list << QString::fromLatin1(t);
    return list;
}

class ConversionTest : public WindowTest {
protected:
    void SetUp() override { writeFile(QStringLiteral("Chronalys_CD4060_Alarme.TXT"), NumberedAlarms); }

    void typeKeyByKey(const QString &name, const QString &typed)
    {
        QLineEdit *edit = field(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        for (QChar c : typed)
            QTest::keyClicks(edit, QString(c));
    }

    void design(const char *T, const char *T1)
    {
        typeKeyByKey(QStringLiteral("Valeur(0)"), QString::fromLatin1(T));
        typeKeyByKey(QStringLiteral("Valeur(1)"), QString::fromLatin1(T1));
        click(QStringLiteral("Calcul_F_vers_RC"));
    }

    QStringList realMarks() const
    {
        QStringList marks;
        for (int n = 1; n <= 13; ++n)
            marks << caption(QStringLiteral("QrOnOff(%1)").arg(n));
        return marks;
    }

    QStringList timing() const
    {
        return {caption(QStringLiteral("FrequenceOscillateur(3)")), caption(QStringLiteral("T_reel")),
                caption(QStringLiteral("T1_reel")), caption(QStringLiteral("ValeurRs"))};
    }

    QLineEdit *comboEdit(int index) const { return combo(index)->lineEdit(); }

    // Keys reach an editable combo box itself, as the platform delivers them.
    void retypeCombo(int index, const QString &typed)
    {
        comboEdit(index)->selectAll();
        QTest::keyClick(combo(index), Qt::Key_Backspace);
        QTest::keyClicks(combo(index), typed);
    }
};

QStringList onlyQ(std::initializer_list<int> outputs)
{
    QStringList marks(13);
    for (int n : outputs)
        marks[n - 1] = QStringLiteral("On");
    return marks;
}

TEST_F(ConversionTest, RoadOfOneDesign)
{
    start();
    // 1. Entry, key by key.
    typeKeyByKey(QStringLiteral("Valeur(0)"), QStringLiteral("10"));
    typeKeyByKey(QStringLiteral("Valeur(1)"), QStringLiteral("1"));
    EXPECT_EQ(caption(QStringLiteral("FrequenceOscillateur(1)")), QStringLiteral("0,6103 ms"));

    // 2. Design.
    int beeps = beepCount();
    click(QStringLiteral("Calcul_F_vers_RC"));
    EXPECT_EQ(beepCount() - beeps, 4);
    EXPECT_EQ(caption(QStringLiteral("CondensateurCalcul(1)")), QStringLiteral("1.5 nF"));
    EXPECT_EQ(caption(QStringLiteral("ResistanceCalcul(1)")), QStringLiteral("145.32 Kohm"));

    // 3. E24 conversion.
    beeps = beepCount();
    click(QStringLiteral("Conversion_reelle(24)"));
    EXPECT_EQ(beepCount() - beeps, 1);
    EXPECT_EQ(alarmCaption(), QStringLiteral("\r   huit"));
    EXPECT_EQ(field(QStringLiteral("CondensateurReel"))->text(), QStringLiteral("1.5 "));
    EXPECT_EQ(items(combo(0)),
              numbers({"100", "110", "120", "130", "150", "160", "180", "200", "220", "240", "270", "300",
                       "330", "360", "390", "430", "470", "510", "560", "620", "680", "750", "820", "910"}));
    EXPECT_EQ(items(combo(1)),
              numbers({"0",  "10", "11", "12", "13", "15", "16", "18", "20", "22", "24", "27", "30",
                       "33", "36", "39", "43", "47", "51", "56", "62", "68", "75", "82", "91"}));
    EXPECT_EQ(combo(0)->currentIndex(), 4);
    EXPECT_EQ(combo(0)->currentText(), QStringLiteral("150"));
    EXPECT_EQ(combo(1)->currentText(), QStringLiteral("0"));
    EXPECT_EQ(realMarks(), onlyQ({12}));
    EXPECT_TRUE(control<QWidget>(QStringLiteral("Calcul_RC_vers_F"))->isHidden());
    EXPECT_TRUE(control<QWidget>(QStringLiteral("Calcul_RC_vers_F"))->isEnabled());

    // 4. Real timing.
    EXPECT_EQ(timing(), numbers({"0,63 ms", "10,32", "1,290", "560 Kohm"}));

    // 5. A typed fixed resistor; the real design given out follows it.
    calc::RealDesign given;
    int emitted = 0;
    QObject::connect(m_window.get(), &Chronalys_CD4060::realDesignChanged, m_window.get(),
                     [&](const calc::RealDesign &design) { given = design, ++emitted; });
    retypeCombo(0, QStringLiteral("160"));
    EXPECT_EQ(combo(0)->currentText(), QStringLiteral("160"));
    EXPECT_EQ(timing(), numbers({"0,672 ms", "11,01", "1,376", "560 Kohm"}));
    EXPECT_GE(emitted, 1);
    EXPECT_EQ(given.T, 10);
    EXPECT_EQ(given.T1, 1);
    EXPECT_EQ(given.talonText, "160");
    EXPECT_EQ(given.capacitorText, "1.5 ");
    EXPECT_EQ(given.pattern, 2048);
    EXPECT_DOUBLE_EQ(given.realPeriod(), 16384 * 2.8e-6 * 160 * 1.5);
    EXPECT_EQ(given.shown.T_reel, "11,01");
    emitted = 0;
    typeKeyByKey(QStringLiteral("Valeur(1)"), QStringLiteral("2"));
    EXPECT_GE(emitted, 1);
    EXPECT_EQ(given.T1, 2);
}

TEST_F(ConversionTest, SameDesignInE12)
{
    start();
    action(QStringLiteral("E12E24(2)"))->trigger();
    EXPECT_TRUE(control<QWidget>(QStringLiteral("Conversion_reelle(24)"))->isHidden());
    design("10", "1");
    click(QStringLiteral("Conversion_reelle(12)"));
    EXPECT_EQ(items(combo(0)),
              numbers({"100", "120", "150", "180", "220", "270", "330", "390", "470", "560", "680", "820"}));
    EXPECT_EQ(items(combo(1)), numbers({"0", "10", "12", "15", "18", "22", "27", "33", "39", "47", "56", "68", "82"}));
    EXPECT_EQ(combo(0)->currentIndex(), 2);
    EXPECT_EQ(realMarks(), onlyQ({12}));
    EXPECT_EQ(timing(), numbers({"0,63 ms", "10,32", "1,290", "560 Kohm"}));
}

TEST_F(ConversionTest, SeriesSwitchChangesNoListUntilTheNextClick)
{
    start();
    design("10", "1");
    click(QStringLiteral("Conversion_reelle(24)"));
    const QStringList e24 = items(combo(0));
    action(QStringLiteral("E12E24(2)"))->trigger();
    EXPECT_TRUE(action(QStringLiteral("E12E24(2)"))->isChecked());
    EXPECT_FALSE(action(QStringLiteral("E12E24(1)"))->isChecked());
    EXPECT_FALSE(control<QWidget>(QStringLiteral("Conversion_reelle(12)"))->isHidden());
    EXPECT_EQ(items(combo(0)), e24);
    click(QStringLiteral("Conversion_reelle(12)"));
    EXPECT_EQ(items(combo(0)).size(), 12);
}

TEST_F(ConversionTest, PickFromListUpdatesTheTimingAtOnce)
{
    start();
    design("10", "1");
    click(QStringLiteral("Conversion_reelle(24)"));
    combo(0)->setFocus();
    QTest::keyClick(combo(0), Qt::Key_Down); // 150 -> 160
    EXPECT_EQ(combo(0)->currentText(), QStringLiteral("160"));
    EXPECT_EQ(timing(), numbers({"0,672 ms", "11,01", "1,376", "560 Kohm"}));
}

TEST_F(ConversionTest, OutputMarksToggle)
{
    start();
    action(QStringLiteral("Affichage(0)"))->trigger();
    design("10", "1");
    click(QStringLiteral("Conversion_reelle(24)"));
    const double tosc = 0.00063;
    const double pulse = caption(QStringLiteral("T1_reel")).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    EXPECT_DOUBLE_EQ(pulse, 2048 * tosc);

    // Q11 twice: red with alarm 2, then empty in the window-text colour; T1 follows both times.
    QLabel *q11 = control(QStringLiteral("QrOnOff(11)"));
    int beeps = beepCount();
    QTest::mouseClick(q11, Qt::LeftButton);
    EXPECT_EQ(q11->text(), QStringLiteral("On"));
    EXPECT_EQ(q11->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(alarmCaption(), QStringLiteral("\r   deux"));
    EXPECT_EQ(beepCount() - beeps, 1);
    EXPECT_EQ(caption(QStringLiteral("T1_reel")), QStringLiteral("1,93536")); // 3072 periods
    QTest::mouseClick(q11, Qt::LeftButton);
    EXPECT_EQ(q11->text(), QString());
    EXPECT_EQ(q11->palette().color(QPalette::WindowText), QApplication::palette().color(QPalette::WindowText));
    EXPECT_EQ(caption(QStringLiteral("T1_reel")), QStringLiteral("1,29024"));

    // Q4 on then off: T1 rises, then lowers by 8 oscillator periods.
    QLabel *q4 = control(QStringLiteral("QrOnOff(4)"));
    beeps = beepCount();
    QTest::mouseClick(q4, Qt::LeftButton);
    EXPECT_EQ(beepCount() - beeps, 0);
    const double raised = caption(QStringLiteral("T1_reel")).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    QTest::mouseClick(q4, Qt::LeftButton);
    const double lowered = caption(QStringLiteral("T1_reel")).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    EXPECT_NEAR(raised - lowered, 8 * tosc, 1e-12);
}

struct WarningCase {
    const char *name;
    const char *fixed, *pot, *capacitor;
    const char *alarm; // caption of the band, or nullptr for none
};

class RangeWarnings : public ConversionTest, public testing::WithParamInterface<WarningCase> {};

TEST_P(RangeWarnings, RaiseTheirAlarm)
{
    const auto &c = GetParam();
    start();
    design("10", "1");
    click(QStringLiteral("Conversion_reelle(24)"));
    for (int i = 0; i < 42; ++i)
        m_window->Timer1_Timer();
    ASSERT_FALSE(alarmShown());
    retypeCombo(0, QString::fromLatin1(c.fixed));
    retypeCombo(1, QString::fromLatin1(c.pot));
    QLineEdit *capacitor = field(QStringLiteral("CondensateurReel"));
    capacitor->selectAll();
    QTest::keyClick(capacitor, Qt::Key_Backspace);
    QTest::keyClicks(capacitor, QString::fromLatin1(c.capacitor));
    EXPECT_EQ(alarmShown(), c.alarm != nullptr);
    if (c.alarm != nullptr) {
        EXPECT_EQ(alarmCaption(), QLatin1Char('\r') + QString::fromUtf8(c.alarm));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RangeWarnings,
                         testing::Values(WarningCase{"resistors_above_500", "470", "47", "1", "   un"},
                                         WarningCase{"resistors_at_500", "450", "50", "1", nullptr},
                                         WarningCase{"capacitor_above_2200", "100", "0", "2201", "   zero"},
                                         WarningCase{"capacitor_at_2200", "100", "0", "2200", nullptr},
                                         WarningCase{"comma_fraction_counts", "249,6", "250,6", "1", "   un"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ConversionTest, ResistorTextIsTidied)
{
    start();
    QLineEdit *pot = comboEdit(1);
    pot->selectAll();
    QTest::keyClick(combo(1), Qt::Key_Backspace);
    EXPECT_EQ(pot->text(), QStringLiteral("0"));
    QTest::keyClicks(combo(1), QStringLiteral("07"));
    EXPECT_EQ(pot->text(), QStringLiteral("7"));
    QTest::keyClicks(combo(1), QStringLiteral(",5"));
    EXPECT_EQ(pot->text(), QStringLiteral("7,5"));
    const int beeps = beepCount();
    QTest::keyClick(combo(1), Qt::Key_Period);
    EXPECT_EQ(pot->text(), QStringLiteral("7,5"));
    EXPECT_EQ(beepCount() - beeps, 1);
    EXPECT_EQ(combo(1)->count(), 0); // Return never adds the typed text as an item
    QTest::keyClick(combo(1), Qt::Key_Return);
    EXPECT_EQ(combo(1)->count(), 0);
}

TEST_F(ConversionTest, CommaSystemSeparator)
{
    start({}, ',');
    design("0,1", "0,01");
    EXPECT_EQ(caption(QStringLiteral("CondensateurCalcul(1)")), QStringLiteral("0,47 nF"));
    click(QStringLiteral("Conversion_reelle(24)"));
    EXPECT_EQ(field(QStringLiteral("CondensateurReel"))->text(), QStringLiteral("0,47 "));
    EXPECT_EQ(items(combo(1)).last(), QStringLiteral("0,91"));
    EXPECT_EQ(combo(0)->currentText(), QStringLiteral("4,7"));
    retypeCombo(1, QStringLiteral("0,91"));
    // R = 5.61 kilohms, C = 0.47 nF: Tosc = 7.38276 us, T = 0.12096 s, T1 = 2048 Tosc.
    EXPECT_EQ(timing(), numbers({"0,007383 ms", "0,121", "0,01511", "100 Kohm"}));
}

} // namespace
