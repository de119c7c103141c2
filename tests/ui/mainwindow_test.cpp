#include "windowfixture.h"

#include "ui/alarmes.h"
#include "ui/captionlabel.h"
#include "ui/titledframe.h"
#include "settings/language.h"

#include <QAccessible>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

namespace {

const QByteArray NumberedAlarms = "00 zero\r\n01 un\r\n02 deux\r\n03 trois\r\n04 quatre\r\n"
                                  "05 cinq&&suite\r\n06 six\r\n07 sept\r\n08 huit\r\n";

QString slot(const char *text) { return QLatin1Char('\r') + QString::fromUtf8(text); }

// The buttons Qt names itself in its dialogs, from the system's French translation of Qt.
TEST(QtTranslation, DialogButtonsInFrench)
{
    Commun::traduireDialoguesQt();
    Commun::installerLangue(Commun::Langue::Francais);
    const QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    const QStringList texts = {box.button(QDialogButtonBox::Save)->text(), box.button(QDialogButtonBox::Cancel)->text()};
    Commun::traduireDialoguesQt(false); // the other tests read Qt's English
    Commun::installerLangue(Commun::Langue::Francais);
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Enregistrer"), QStringLiteral("Annuler")}));
}

TEST_F(WindowTest, FirstStartWithoutSettings)
{
    start();
    EXPECT_TRUE(action(QStringLiteral("E12E24(1)"))->isChecked());
    EXPECT_FALSE(action(QStringLiteral("E12E24(2)"))->isChecked());
    EXPECT_TRUE(action(QStringLiteral("Affichage(4)"))->isChecked());
    EXPECT_EQ(field(QStringLiteral("Valeur(1)"))->text(), QStringLiteral("25"));
    EXPECT_EQ(field(QStringLiteral("Valeur(0)"))->text(), QStringLiteral("18000"));
    EXPECT_EQ(caption(QStringLiteral("FrequenceOscillateur(1)")), QStringLiteral("1098 ms"));
    EXPECT_DOUBLE_EQ(m_window->Constante_K4060(), 2.8e-6);
    EXPECT_EQ(m_window->frameGeometry().topLeft(), QPoint(0, 0));
    EXPECT_FALSE(QFile::exists(settingsPath()));

    // Zone B keeps its placeholders; zone D shows the timing of zero parts.
    EXPECT_EQ(caption(QStringLiteral("CondensateurCalcul(1)")), QStringLiteral("??? "));
    EXPECT_EQ(caption(QStringLiteral("ResistanceCalcul(1)")), QStringLiteral("??? "));
    EXPECT_EQ(caption(QStringLiteral("FrequenceOscillateur(3)")), QStringLiteral("0 ms"));
    EXPECT_EQ(caption(QStringLiteral("T_reel")), QStringLiteral("0"));
    EXPECT_EQ(caption(QStringLiteral("T1_reel")), QStringLiteral("0"));
    EXPECT_EQ(caption(QStringLiteral("ValeurRs")), QStringLiteral("100 Kohm"));
    EXPECT_EQ(combo(0)->count(), 1);
    EXPECT_EQ(combo(0)->currentText(), QStringLiteral("0"));
    EXPECT_EQ(combo(1)->currentText(), QStringLiteral("0"));

    EXPECT_FALSE(control<QWidget>(QStringLiteral("Conversion_reelle(24)"))->isEnabled());
    EXPECT_FALSE(control<QWidget>(QStringLiteral("Conversion_reelle(24)"))->isHidden());
    EXPECT_TRUE(control<QWidget>(QStringLiteral("Conversion_reelle(12)"))->isHidden());
    EXPECT_TRUE(control<QWidget>(QStringLiteral("Calcul_RC_vers_F"))->isHidden());
    EXPECT_TRUE(control<QWidget>(QStringLiteral("Command1"))->isHidden());
    EXPECT_TRUE(control<QWidget>(QStringLiteral("TestEntre"))->isHidden());
}

TEST_F(WindowTest, OutputRowsReadQ13ToQ1WithPinlessOutputsGreyed)
{
    start();
    for (const char *row : {"Qc", "Qr"}) {
        int previousLeft = -1;
        for (int i = 13; i >= 1; --i) {
            QLabel *name = control(QStringLiteral("%1(%2)").arg(QLatin1String(row)).arg(i));
            QLabel *state = control(QStringLiteral("%1OnOff(%2)").arg(QLatin1String(row)).arg(i));
            EXPECT_EQ(name->text(), QStringLiteral("Q%1").arg(i));
            EXPECT_GT(name->x(), previousLeft);
            EXPECT_EQ(state->x(), name->x());
            EXPECT_GT(state->y(), name->y());
            previousLeft = name->x();
            EXPECT_EQ(name->isEnabled(), !(i <= 3 || i == 11)) << row << i;
            EXPECT_TRUE(state->text().isEmpty());
            EXPECT_FALSE(name->isHidden());
            EXPECT_EQ(state->toolTip(), control(QStringLiteral("%1OnOff(0)").arg(QLatin1String(row)))->toolTip());
        }
        EXPECT_TRUE(control(QStringLiteral("%1(0)").arg(QLatin1String(row)))->isHidden());
    }
}

struct StoredCase {
    const char *name;
    const char *settings;
    const char *commandLine;
    const char *checkedSeries;
    const char *checkedMode;
    const char *pulse;
    bool diagnostic;
};

class StoredSettings : public WindowTest, public testing::WithParamInterface<StoredCase> {};

TEST_P(StoredSettings, AreShownBack)
{
    const auto &c = GetParam();
    writeFile(QStringLiteral("Chronalys_CD4060.INI"), c.settings);
    start(QString::fromLatin1(c.commandLine));
    EXPECT_TRUE(action(QString::fromLatin1(c.checkedSeries))->isChecked());
    EXPECT_TRUE(action(QString::fromLatin1(c.checkedMode))->isChecked());
    EXPECT_EQ(field(QStringLiteral("Valeur(1)"))->text(), QString::fromLatin1(c.pulse));
    EXPECT_EQ(!control<QWidget>(QStringLiteral("Command1"))->isHidden(), c.diagnostic);
    EXPECT_EQ(!control<QWidget>(QStringLiteral("TestSort"))->isHidden(), c.diagnostic);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredSettings,
    testing::Values(
        StoredCase{"comma_pulse_and_e12", "[parametres]\r\nValeur_T1=12,5\r\nE12E24=2\r\n", "",
                   "E12E24(2)", "Affichage(4)", "12.5", false},
        StoredCase{"half_rounds_to_even", "[parametres]\r\nE12E24=2.5\r\nSignificatif=0\r\n", "",
                   "E12E24(2)", "Affichage(0)", "25", false},
        StoredCase{"one_and_a_half_rounds_up", "[parametres]\r\nE12E24=1.5\r\nSignificatif=5\r\n", "",
                   "E12E24(2)", "Affichage(5)", "25", false},
        StoredCase{"out_of_range_falls_back", "[parametres]\r\nE12E24=7\r\nSignificatif=9\r\n", "",
                   "E12E24(1)", "Affichage(4)", "25", false},
        StoredCase{"debug_command_line", "", "/debug", "E12E24(1)", "Affichage(4)", "25", true},
        StoredCase{"bug_upper_case", "", "BUG", "E12E24(1)", "Affichage(4)", "25", true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(WindowTest, QuitterWritesNineKeysThenRestartShowsThemBack)
{
    start();
    retype(field(QStringLiteral("Valeur(0)")), QStringLiteral("3,5"));
    retype(field(QStringLiteral("Valeur(1)")), QStringLiteral("1"));
    action(QStringLiteral("E12E24(2)"))->trigger();
    action(QStringLiteral("Affichage(3)"))->trigger();
    action(QStringLiteral("QQ(1)"))->trigger();
    EXPECT_EQ(m_endings, 1);

    const QStringList lines = QString::fromUtf8(readFile(QStringLiteral("Chronalys_CD4060.INI")))
                                  .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    // The nine keys alone: the default tolerances and no recent design add no section.
    ASSERT_EQ(lines.size(), 11) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(lines.mid(0, 6), (QStringList{QStringLiteral("[parametres]"), QStringLiteral("E12E24=2"),
                                            QStringLiteral("Valeur_T=3,5"), QStringLiteral("Valeur_T1=1"),
                                            QStringLiteral("K4060=280"), QStringLiteral("Significatif=3")}));
    EXPECT_EQ(lines[6], QStringLiteral("[Position_0]"));
    const QStringList keys = {QStringLiteral("Haut="), QStringLiteral("Droite="), QStringLiteral("Hauteur="),
                              QStringLiteral("Largeur=")};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(lines[7 + i].startsWith(keys[i])) << lines[7 + i].toStdString();

    start();
    EXPECT_EQ(field(QStringLiteral("Valeur(0)"))->text(), QStringLiteral("3.5"));
    EXPECT_EQ(field(QStringLiteral("Valeur(1)"))->text(), QStringLiteral("1"));
    EXPECT_TRUE(action(QStringLiteral("E12E24(2)"))->isChecked());
    EXPECT_TRUE(action(QStringLiteral("Affichage(3)"))->isChecked());
}

void switchTo(Commun::Langue langue)
{
    Commun::installerLangue(langue);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); // the captions fit again
}

// A test that switches leaves the next one in French, whatever fails in it.
struct FrenchAfterwards {
    ~FrenchAfterwards() { switchTo(Commun::Langue::Francais); }
};

// Every text the window shows or says, "objectName.what", and with `places` where each caption
// sits and how condensed.
QMap<QString, QString> shownTexts(const QMainWindow &window, bool places)
{
    QMap<QString, QString> texts{{QStringLiteral("window.title"), window.windowTitle()}};
    for (QObject *object : window.findChildren<QObject *>()) {
        const QString name = object->objectName() + QLatin1Char('.');
        for (const char *what : {"text", "title", "toolTip", "accessibleName", "accessibleDescription"})
            if (const QString value = object->property(what).toString(); !value.isEmpty() && name != u'.')
                texts.insert(name + QLatin1String(what), value);
        if (auto *label = qobject_cast<QLabel *>(object); label && places) {
            const QRect r = label->geometry();
            texts.insert(name + QLatin1String("place"), QStringLiteral("%1 %2 %3 %4 %5").arg(r.x()).arg(r.y())
                                                            .arg(r.width()).arg(r.height()).arg(label->font().stretch()));
        }
    }
    return texts;
}

// What English leaves as it is: names of outputs and parts, units, values, the placeholders the
// layout fixes, the language names, and words English shares.
const QStringList KeptInEnglish = {
    QStringLiteral("^(Qc|Qr|QcOnOff|QrOnOff)\\(\\d+\\)\\.text$"),
    QStringLiteral("^Label1\\(\\d\\)\\.text$"),
    QStringLiteral("^(CondensateurCalcul\\(2\\)|TestSort|Valeur\\(\\d\\)|CondensateurReel|TestEntre)\\.text$"),
    QStringLiteral("^(E12E24\\(0\\)|Affichage\\([12]\\)|Langue\\(\\d\\))\\.(text|toolTip)$"),
    QStringLiteral("^(AA|Langues)\\.title$"),
    QStringLiteral("^Valeur\\(1\\)\\.accessibleName$"), // "Pulse T1"
};

TEST_F(WindowTest, TurnsEnglishAndBackToTheSameFrench)
{
    // A French system, and a design whose French numbers end on the comma ("1, ms").
    start({}, ',');
    retype(field(QStringLiteral("Valeur(1)")), QStringLiteral("1"));
    retype(field(QStringLiteral("Valeur(0)")), QStringLiteral("16,384"));
    click(QStringLiteral("Calcul_F_vers_RC"));
    click(QStringLiteral("Conversion_reelle(24)"));
    const FrenchAfterwards french;
    const QMap<QString, QString> before = shownTexts(*m_window, true);
    switchTo(Commun::Langue::Anglais);
    const QMap<QString, QString> english = shownTexts(*m_window, false);
    // English numbers: a point, none after the last digit; fields keep what was typed.
    static const QRegularExpression frenchNumber(QStringLiteral("\\d,\\d|\\d\\.( |$)"));
    static const QRegularExpression typed(QStringLiteral("^(Valeur\\(\\d\\)|CondensateurReel)\\."));
    for (auto it = english.begin(); it != english.end(); ++it) {
        if (!it.key().contains(typed)) {
            EXPECT_FALSE(it.value().contains(frenchNumber)) << it.key().toStdString() << '=' << it.value().toStdString();
        }
    }
    QStringList wrong; // translated where it should stay, or left French
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (it.key().endsWith(QLatin1String(".place")))
            continue;
        const bool kept = std::any_of(KeptInEnglish.begin(), KeptInEnglish.end(), [&](const QString &pattern) {
            return QRegularExpression(pattern).match(it.key()).hasMatch();
        });
        if ((english.value(it.key()) == it.value()) != kept)
            wrong << it.key() + QLatin1Char('=') + english.value(it.key());
    }
    EXPECT_EQ(wrong, QStringList()) << wrong.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(action(QStringLiteral("Langue(1)"))->isChecked());

    switchTo(Commun::Langue::Francais);
    EXPECT_EQ(shownTexts(*m_window, true), before);
    EXPECT_TRUE(action(QStringLiteral("Langue(0)"))->isChecked());
}

struct LanguageChoiceCase {
    const char *name;
    QList<int> chosen;   // Langue(i) triggered in turn
    const char *written; // the key's line in [parametres]; nullptr: no such key
};

class LanguageChoice : public WindowTest, public testing::WithParamInterface<LanguageChoiceCase> {};

TEST_P(LanguageChoice, IsWrittenOnQuitterOnlyOnceChosen)
{
    const LanguageChoiceCase &c = GetParam();
    start();
    const FrenchAfterwards french;
    for (int index : c.chosen)
        action(QStringLiteral("Langue(%1)").arg(index))->trigger();
    EXPECT_EQ(Commun::langue() == Commun::Langue::Anglais, !c.chosen.isEmpty() && c.chosen.back() == 1);
    action(QStringLiteral("QQ(1)"))->trigger();
    const QString parametres = QString::fromUtf8(readFile(QStringLiteral("Chronalys_CD4060.INI"))).section(u'[', 1, 1);
    EXPECT_EQ(parametres.contains(QStringLiteral("\r\nLangue=")), c.written != nullptr) << parametres.toStdString();
    EXPECT_TRUE(!c.written || parametres.contains(QStringLiteral("\r\n%1\r\n").arg(QLatin1String(c.written))));
}

INSTANTIATE_TEST_SUITE_P(Cases, LanguageChoice,
                         testing::Values(LanguageChoiceCase{"never_chosen", {}, nullptr},
                                         LanguageChoiceCase{"english", {1}, "Langue=en"},
                                         LanguageChoiceCase{"french_while_french", {0}, "Langue=fr"},
                                         LanguageChoiceCase{"english_then_french", {1, 0}, "Langue=fr"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(WindowTest, CloseControlAndFinSaveNothing)
{
    const QByteArray stored = "[parametres]\r\nValeur_T=60\r\n";
    writeFile(QStringLiteral("Chronalys_CD4060.INI"), stored);
    start(QStringLiteral("debug"));
    retype(field(QStringLiteral("Valeur(0)")), QStringLiteral("120"));
    m_window->close();
    EXPECT_EQ(readFile(QStringLiteral("Chronalys_CD4060.INI")), stored);
    EXPECT_EQ(m_endings, 0);

    start(QStringLiteral("debug"));
    EXPECT_EQ(field(QStringLiteral("Valeur(0)"))->text(), QStringLiteral("60"));
    retype(field(QStringLiteral("Valeur(0)")), QStringLiteral("120"));
    click(QStringLiteral("Command1"));
    EXPECT_EQ(m_endings, 1);
    EXPECT_EQ(readFile(QStringLiteral("Chronalys_CD4060.INI")), stored);
}

struct KeyCase {
    const char *name;
    const char *before;
    QList<int> keys; // Qt key codes
    const char *after;
    int beeps;
    bool separatorAlarm;
    const char *commit = ""; // UTF-8, sent as an input-method event after the keys
    const char *preedit = "";
};

class KeyFilter : public WindowTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyFilter, LetsOnlyNumbersIn)
{
    const auto &c = GetParam();
    writeFile(QStringLiteral("Chronalys_CD4060_Alarme.TXT"), NumberedAlarms);
    start();
    // Fields whose values here raise no alarm of their own; keys go where the platform sends
    // them, so an editable combo box receives them itself.
    const std::array<std::pair<QWidget *, QLineEdit *>, 3> targets = {
        std::pair<QWidget *, QLineEdit *>{field(QStringLiteral("Valeur(1)")), field(QStringLiteral("Valeur(1)"))},
        {field(QStringLiteral("CondensateurReel")), field(QStringLiteral("CondensateurReel"))},
        {combo(1), combo(1)->lineEdit()}};
    for (const auto &[target, edit] : targets) {
        SCOPED_TRACE(target->objectName().toStdString());
        edit->setText(QString::fromLatin1(c.before));
        for (int i = 0; i < 42; ++i) // takes down any message from the set-up
            m_window->Timer1_Timer();
        const int beeps = beepCount();
        for (int key : c.keys)
            QTest::keyClick(target, static_cast<Qt::Key>(key), key == Qt::Key_V ? Qt::ControlModifier : Qt::NoModifier);
        const QImage shown = edit->grab().toImage();
        QInputMethodEvent input(QString::fromUtf8(c.preedit), {});
        input.setCommitString(QString::fromUtf8(c.commit));
        QCoreApplication::sendEvent(target, &input);
        if (*c.preedit != 0)
            EXPECT_EQ(edit->grab().toImage() == shown, c.after == std::string_view("shown unchanged"));
        else
            EXPECT_EQ(edit->text(), QString::fromLatin1(c.after));
        EXPECT_EQ(beepCount() - beeps, c.beeps);
        EXPECT_EQ(alarmShown() && alarmCaption() == slot("   trois"), c.separatorAlarm);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyFilter,
    testing::Values(KeyCase{"point_then_five", "1", {Qt::Key_Period, Qt::Key_5}, "1.5", 0, false},
                    KeyCase{"comma_then_five", "1", {Qt::Key_Comma, Qt::Key_5}, "1,5", 0, false},
                    KeyCase{"second_comma", "1.5", {Qt::Key_Comma}, "1.5", 1, true},
                    KeyCase{"second_point", "1.5", {Qt::Key_Period}, "1.5", 1, true},
                    KeyCase{"letter", "12", {Qt::Key_A}, "12", 1, false},
                    KeyCase{"minus", "12", {Qt::Key_Minus}, "12", 1, false},
                    KeyCase{"space", "12", {Qt::Key_Space}, "12", 1, false},
                    KeyCase{"keyboard_paste", "12", {Qt::Key_V}, "12", 1, false},
                    KeyCase{"backspace", "1.5", {Qt::Key_Backspace}, "1.", 0, false},
                    KeyCase{"commit_composed", "12", {}, "12", 1, false, "ê"},
                    KeyCase{"commit_digits", "1", {}, "123", 0, false, "23"},
                    KeyCase{"commit_one_foreign", "12", {}, "12", 1, false, "3a4"},
                    KeyCase{"commit_second_separator", "1.5", {}, "1.5", 1, true, "1,2"},
                    KeyCase{"preedit_dead_key", "12", {}, "shown unchanged", 0, false, "", "^"},
                    KeyCase{"preedit_digit", "12", {}, "shown with it", 0, false, "", "3"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(WindowTest, TabMovesThroughTheEntryFieldsInOrder)
{
    start();
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    click(QStringLiteral("Calcul_F_vers_RC")); // the series arrow takes the focus once enabled
    QLineEdit *period = field(QStringLiteral("Valeur(0)"));
    period->setFocus();
    const int beeps = beepCount();
    // The road of a design: T, T1, Calcul, the series arrow, zone C's parts, its outputs; then T again.
    QStringList road = {QStringLiteral("Valeur(1)"), QStringLiteral("Calcul_F_vers_RC"),
                        QStringLiteral("Conversion_reelle(24)"), QStringLiteral("CondensateurReel"),
                        QStringLiteral("ResistanceCombo(0)"), QStringLiteral("ResistanceCombo(1)")};
    for (int n = 13; n >= 1; --n)
        road << QStringLiteral("QrOnOff(%1)").arg(n);
    road << QStringLiteral("Valeur(0)");
    QStringList visited;
    QWidget *current = period;
    for (int i = 0; i < road.size(); ++i) {
        QTest::keyClick(current, Qt::Key_Tab);
        current = QApplication::focusWidget();
        ASSERT_NE(current, nullptr);
        visited << (current->objectName().isEmpty() ? current->parentWidget()->objectName() : current->objectName());
    }
    EXPECT_EQ(beepCount(), beeps);
    EXPECT_EQ(visited.join(QLatin1Char(' ')).toStdString(), road.join(QLatin1Char(' ')).toStdString());

    // The focused output cell shows a focus frame; Space runs the click's handling both ways.
    QLabel *q3 = control(QStringLiteral("QrOnOff(3)"));
    const QImage unfocused = q3->grab().toImage();
    q3->setFocus(Qt::TabFocusReason);
    EXPECT_NE(q3->grab().toImage(), unfocused) << "no focus frame";
    QTest::keyClick(q3, Qt::Key_Space);
    EXPECT_TRUE(alarmShown()) << "Q3 has no pin: the click's alarm";
    EXPECT_EQ(q3->accessibleName(), QStringLiteral("Q3 : diode"));
    QTest::keyClick(q3, Qt::Key_Space);
    EXPECT_EQ(q3->accessibleName(), QStringLiteral("Q3 : sans diode"));
}

// Menus by Alt+letter and F10, picture buttons by Tab and Space or Return; the only shortcuts
// are those of a document, Ctrl+O and Ctrl+S, and the platform's own for "Quitter".
TEST_F(WindowTest, KeyboardReachesMenusAndPictureButtons)
{
    start();
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    QStringList titles, shortcuts;
    for (QAction *title : m_window->menuBar()->actions()) {
        titles << QKeySequence::mnemonic(title->text()).toString();
        QStringList entries;
        for (QAction *entry : title->menu() ? title->menu()->actions() : QList<QAction *>())
            if (entry->isVisible() && !entry->isSeparator()) {
                entries << QKeySequence::mnemonic(entry->text()).toString();
                if (!entry->shortcut().isEmpty())
                    shortcuts << entry->objectName() + QLatin1Char('=') + entry->shortcut().toString();
            }
        EXPECT_FALSE(entries.contains(QString()) || entries.removeDuplicates() > 0) << title->iconText().toStdString();
    }
    QStringList expected = {QStringLiteral("Conception(0)=Ctrl+O"), QStringLiteral("Conception(1)=Ctrl+S")};
    if (const QKeySequence quit(QKeySequence::Quit); !quit.isEmpty()) // none on the offscreen platform
        expected << QStringLiteral("QQ(1)=") + quit.toString();
    EXPECT_EQ(shortcuts, expected);
    EXPECT_EQ(titles.removeDuplicates(), 0);
    EXPECT_FALSE(titles.contains(QString()));
    EXPECT_EQ(control<QMenu>(QStringLiteral("OO"))->menuAction()->text(), QStringLiteral("&Outils"));
    EXPECT_EQ(action(QStringLiteral("QQ(1)"))->iconText(), QStringLiteral("Quitter")); // drawn without "&"

    auto *fichier = control<QMenu>(QStringLiteral("FF"));
    QTest::keyClick(m_window.get(), Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(fichier->isVisible());
    // The separator's line differs from the menu's background just above it.
    const QRect line = fichier->actionGeometry(action(QStringLiteral("QQ(0)")));
    const QImage menu = fichier->grab().toImage();
    bool drawn = false;
    for (int y = line.top(); line.top() > 0 && y <= line.bottom(); ++y)
        drawn = drawn || menu.pixel(menu.width() / 2, y) != menu.pixel(menu.width() / 2, line.top() - 1);
    EXPECT_TRUE(drawn);
    fichier->hide();
    QTest::keyClick(field(QStringLiteral("Valeur(0)")), Qt::Key_F10);
    EXPECT_TRUE(fichier->isVisible());
    fichier->hide();

    auto *calcul = control<QWidget>(QStringLiteral("Calcul_F_vers_RC"));
    const QImage unfocused = calcul->grab().toImage();
    field(QStringLiteral("Valeur(1)"))->setFocus();
    QTest::keyClick(field(QStringLiteral("Valeur(1)")), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), calcul);
    EXPECT_NE(calcul->grab().toImage(), unfocused) << "no focus frame";
    QTest::keyClick(calcul, Qt::Key_Space);
    EXPECT_NE(caption(QStringLiteral("CondensateurCalcul(1)")), QStringLiteral("??? "));
    QTest::keyClick(control<QWidget>(QStringLiteral("Conversion_reelle(24)")), Qt::Key_Return);
    EXPECT_NE(field(QStringLiteral("CondensateurReel"))->text(), QStringLiteral("0"));
}

// Screen readers: every control the keyboard reaches, in the window and its tools windows,
// is read with a name; Escape closes each tools window.
TEST_F(WindowTest, EveryFocusableControlHasANameAndEscapeClosesToolsWindows)
{
    start();
    click(QStringLiteral("Calcul_F_vers_RC"));
    click(QStringLiteral("Conversion_reelle(24)"));
    for (int tool : {0, 1, 3})
        m_window->Outils_Click(tool);
    const QList<QPointer<QWidget>> tools = {m_window->precision(), m_window->feuilleMontage(), m_window->chronogramme()};
    QStringList unnamed;
    int focusable = 0;
    const std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
        if (node->state().focusable && !node->state().invisible && ++focusable && node->text(QAccessible::Name).isEmpty())
            unnamed << (node->object() ? node->object()->objectName() : QString::number(node->role()));
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(m_window.get()));
    for (QWidget *window : tools)
        walk(QAccessible::queryAccessibleInterface(window));
    EXPECT_GE(focusable, 30);
    EXPECT_EQ(unnamed, QStringList()) << unnamed.join(QLatin1Char(',')).toStdString();

    for (const QPointer<QWidget> &window : tools) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window.data(), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
    }
}

TEST_F(WindowTest, SelectionIsJudgedAsIfTypedAtTheEnd)
{
    start();
    QLineEdit *edit = field(QStringLiteral("Valeur(1)"));
    edit->setText(QStringLiteral("1.5"));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Comma);
    EXPECT_EQ(edit->text(), QStringLiteral("1.5"));
}

TEST_F(WindowTest, ContextMenuOffersNoPaste)
{
    start();
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    QLineEdit *edit = field(QStringLiteral("Valeur(0)"));
    edit->selectAll();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), edit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(edit, &event);
    const QList<QMenu *> menus = edit->findChildren<QMenu *>();
    ASSERT_EQ(menus.size(), 1);
    ASSERT_FALSE(menus.front()->actions().isEmpty());
    for (QAction *item : menus.front()->actions())
        item->trigger();
    EXPECT_FALSE(edit->text().contains(QStringLiteral("abc")));
    menus.front()->close();
}

struct TidyCase {
    const char *name;
    const char *set;
    const char *shown;
    const char *oscillator; // label once T is then typed as 10
};

class NestedTidy : public WindowTest, public testing::WithParamInterface<TidyCase> {};

TEST_P(NestedTidy, RewritesTheFieldAndRecomputes)
{
    start();
    QLineEdit *pulse = field(QStringLiteral("Valeur(1)"));
    pulse->setText(QString::fromLatin1(GetParam().set));
    EXPECT_EQ(pulse->text(), QString::fromLatin1(GetParam().shown));
    retype(field(QStringLiteral("Valeur(0)")), QStringLiteral("10"));
    EXPECT_EQ(caption(QStringLiteral("FrequenceOscillateur(1)")), QString::fromLatin1(GetParam().oscillator));
}

INSTANTIATE_TEST_SUITE_P(Cases, NestedTidy,
                         testing::Values(TidyCase{"leading_zero", "05", "5", "0,6103 ms"},
                                         TidyCase{"leading_comma", ",5", "0,5", "0,6103 ms"},
                                         TidyCase{"zeros_stay", "00", "00", ""}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(WindowTest, PeriodEntryAlarmsAndLabel)
{
    writeFile(QStringLiteral("Chronalys_CD4060_Alarme.TXT"), NumberedAlarms);
    start();
    QLineEdit *period = field(QStringLiteral("Valeur(0)"));
    QLineEdit *pulse = field(QStringLiteral("Valeur(1)"));
    retype(pulse, QStringLiteral("1"));
    retype(period, QStringLiteral("0,02"));
    EXPECT_EQ(caption(QStringLiteral("FrequenceOscillateur(1)")), QString());
    EXPECT_EQ(alarmCaption(), slot("   sept"));
    retype(period, QStringLiteral("25000"));
    EXPECT_EQ(caption(QStringLiteral("FrequenceOscillateur(1)")), QStringLiteral("1525 ms"));
    EXPECT_EQ(alarmCaption(), slot("   quatre"));
    retype(period, QStringLiteral("10"));
    pulse->setText(QStringLiteral("0"));
    EXPECT_EQ(alarmCaption(), slot("   six"));
    EXPECT_EQ(caption(QStringLiteral("FrequenceOscillateur(1)")), QStringLiteral("0,6103 ms"));
    pulse->setText(QStringLiteral("6"));
    EXPECT_EQ(alarmCaption(), slot("   cinq\r\nsuite"));
}

struct DesignCase {
    const char *name;
    const char *T, *T1;
    QList<int> red;
    QList<int> on;
    const char *c2, *r2; // with the point; the comma variant is derived
};

class DesignThroughWindow : public WindowTest,
                            public testing::WithParamInterface<std::tuple<DesignCase, char>> {};

TEST_P(DesignThroughWindow, ShowsCaptionsMarksAndAlarms)
{
    const auto &[c, separator] = GetParam();
    start({}, separator);
    retype(field(QStringLiteral("Valeur(1)")), QString::fromLatin1(c.T1).replace(QLatin1Char('.'), QLatin1Char(',')));
    retype(field(QStringLiteral("Valeur(0)")), QString::fromLatin1(c.T));
    const int beeps = beepCount();
    click(QStringLiteral("Calcul_F_vers_RC"));
    EXPECT_EQ(beepCount() - beeps, c.red.size()); // one alarm 2 per pinless output
    const QChar sep = QLatin1Char(separator);
    EXPECT_EQ(caption(QStringLiteral("CondensateurCalcul(1)")), QString::fromLatin1(c.c2).replace(QLatin1Char('.'), sep));
    EXPECT_EQ(caption(QStringLiteral("ResistanceCalcul(1)")), QString::fromLatin1(c.r2).replace(QLatin1Char('.'), sep));
    for (int n = 1; n <= 13; ++n) {
        QLabel *mark = control(QStringLiteral("QcOnOff(%1)").arg(n));
        EXPECT_EQ(mark->text(), c.on.contains(n) ? QStringLiteral("On") : QString()) << n;
        EXPECT_EQ(mark->palette().color(QPalette::WindowText) == QColor(255, 0, 0), c.red.contains(n)) << n;
    }
    EXPECT_TRUE(control<QWidget>(QStringLiteral("Conversion_reelle(24)"))->isEnabled());
    EXPECT_TRUE(control<QWidget>(QStringLiteral("Conversion_reelle(12)"))->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, DesignThroughWindow,
    testing::Combine(
        testing::Values(DesignCase{"T10_T1_1", "10", "1", {1, 2, 3, 11}, {1, 2, 3, 6, 7, 10, 11}, "1.5 nF", "145.32 Kohm"},
                        DesignCase{"T4_T1_1", "4", "1", {}, {13}, "0.68 nF", "128.23 Kohm"},
                        DesignCase{"T60_T1_10", "60", "10", {1, 2}, {1, 2, 4, 6, 8, 10, 12}, "8.2 nF", "159.5 Kohm"},
                        DesignCase{"T3600_T1_60", "3600", "60", {1}, {1, 5, 9}, "470.0 nF", "166.97 Kohm"},
                        DesignCase{"T18000_T1_25", "18000", "25", {1, 2, 3}, {1, 2, 3, 5}, "1000.0 nF", "392.37 Kohm"},
                        DesignCase{"T1_T1_0_1", "1", "0.1", {1, 2, 3, 11}, {1, 2, 3, 6, 7, 10, 11}, "0.47 nF", "46.38 Kohm"}),
        testing::Values('.', ',')),
    [](const auto &info) {
        return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) == ',' ? "_comma" : "_point");
    });

TEST_F(WindowTest, RedMarkReturnsToWindowTextWhenCleared)
{
    start();
    retype(field(QStringLiteral("Valeur(1)")), QStringLiteral("1"));
    retype(field(QStringLiteral("Valeur(0)")), QStringLiteral("10"));
    click(QStringLiteral("Calcul_F_vers_RC"));
    retype(field(QStringLiteral("Valeur(0)")), QStringLiteral("4"));
    click(QStringLiteral("Calcul_F_vers_RC"));
    QLabel *q1 = control(QStringLiteral("QcOnOff(1)"));
    EXPECT_EQ(q1->text(), QString());
    EXPECT_EQ(q1->palette().color(QPalette::WindowText), QApplication::palette().color(QPalette::WindowText));
}

struct RefusedDesignCase {
    const char *name;
    const char *designedT; // designed first with T1 = 1; nullptr: nothing designed before
    const char *T, *T1;
    const char *alarm;
};

class DesignRefused : public WindowTest, public testing::WithParamInterface<RefusedDesignCase> {};

// "Calcul" raises its alarm again and zone B, its marks and the conversion buttons stay.
TEST_P(DesignRefused, KeepsEverything)
{
    const RefusedDesignCase &c = GetParam();
    writeFile(QStringLiteral("Chronalys_CD4060_Alarme.TXT"), NumberedAlarms);
    start();
    if (c.designedT) {
        retype(field(QStringLiteral("Valeur(1)")), QStringLiteral("1"));
        retype(field(QStringLiteral("Valeur(0)")), QString::fromLatin1(c.designedT));
        click(QStringLiteral("Calcul_F_vers_RC"));
    }
    auto shown = [this] {
        QStringList texts{caption(QStringLiteral("CondensateurCalcul(1)")), caption(QStringLiteral("ResistanceCalcul(1)"))};
        for (int n = 1; n <= 13; ++n)
            texts << caption(QStringLiteral("QcOnOff(%1)").arg(n));
        for (const char *button : {"Conversion_reelle(24)", "Conversion_reelle(12)"})
            texts << QString::number(control<QWidget>(QString::fromLatin1(button))->isEnabled());
        return texts;
    };
    const QStringList before = shown();
    retype(field(QStringLiteral("Valeur(1)")), QString::fromLatin1(c.T1));
    retype(field(QStringLiteral("Valeur(0)")), QString::fromLatin1(c.T));
    const int beeps = beepCount();
    click(QStringLiteral("Calcul_F_vers_RC"));
    EXPECT_EQ(beepCount() - beeps, 1);
    EXPECT_EQ(alarmCaption(), slot(c.alarm));
    EXPECT_EQ(shown(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesignRefused,
    testing::Values(RefusedDesignCase{"ratio_too_small", nullptr, "10", "6", "   cinq\r\nsuite"},
                    RefusedDesignCase{"period_refused_after_a_design", "10", "0,02", "0,001", "   sept"},
                    RefusedDesignCase{"period_emptied_after_a_design", "10", "", "0,001", "   sept"},
                    RefusedDesignCase{"no_period_ever_accepted", nullptr, "0,02", "0,001", "   sept"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(WindowTest, AffichageTicksOneEntryAndChangesTheNextDisplay)
{
    start(QStringLiteral("debug"));
    action(QStringLiteral("Affichage(3)"))->trigger();
    for (int i : {0, 4, 5})
        EXPECT_FALSE(action(QStringLiteral("Affichage(%1)").arg(i))->isChecked());
    EXPECT_TRUE(action(QStringLiteral("Affichage(3)"))->isChecked());
    EXPECT_EQ(caption(QStringLiteral("FrequenceOscillateur(1)")), QStringLiteral("1098 ms")); // not redone
    field(QStringLiteral("TestEntre"))->setText(QStringLiteral("1.23456"));
    EXPECT_EQ(caption(QStringLiteral("TestSort")), QStringLiteral("1,23"));
    action(QStringLiteral("Affichage(0)"))->trigger();
    field(QStringLiteral("TestEntre"))->setText(QStringLiteral("1.5"));
    EXPECT_EQ(caption(QStringLiteral("TestSort")), QStringLiteral("1,5"));
    action(QStringLiteral("Affichage(0)"))->trigger(); // already ticked: stays ticked
    EXPECT_TRUE(action(QStringLiteral("Affichage(0)"))->isChecked());
}

TEST_F(WindowTest, BandComesDownAtThe41stTick)
{
    writeFile(QStringLiteral("Chronalys_CD4060_Alarme.TXT"), NumberedAlarms);
    start();
    EXPECT_EQ(control<QTimer>(QStringLiteral("Timer1"))->timerType(), Qt::PreciseTimer);
    for (int i = 0; i < 2; ++i)
        m_window->Timer1_Timer();
    EXPECT_FALSE(alarmShown());
    EXPECT_EQ(m_window->Compte_Alarme(), -1);

    const int beeps = beepCount();
    m_window->VisuAlarme(5);
    EXPECT_EQ(beepCount() - beeps, 1);
    EXPECT_EQ(alarmCaption(), slot("   cinq\r\nsuite"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("Alarme"))->text(), QStringLiteral("\n   cinq\nsuite"));
    EXPECT_TRUE(control<QWidget>(QStringLiteral("Dessin_Tempo"))->isHidden());
    for (int tick = 1; tick <= 40; ++tick) {
        m_window->Timer1_Timer();
        ASSERT_TRUE(alarmShown()) << tick;
    }
    m_window->Timer1_Timer();
    EXPECT_FALSE(alarmShown());
    EXPECT_FALSE(control<QWidget>(QStringLiteral("Dessin_Tempo"))->isHidden());

    m_window->VisuAlarme(-1);
    m_window->VisuAlarme(11);
    EXPECT_FALSE(alarmShown());
    EXPECT_EQ(beepCount() - beeps, 1);
}

TEST_F(WindowTest, MessageRaisedDuringStartUpStaysItsFullTime)
{
    writeFile(QStringLiteral("Chronalys_CD4060_Alarme.TXT"), NumberedAlarms);
    writeFile(QStringLiteral("Chronalys_CD4060.INI"), "[parametres]\r\nValeur_T1=0\r\n");
    start();
    EXPECT_EQ(alarmCaption(), slot("   six"));
    m_window->Timer1_Timer();
    EXPECT_TRUE(alarmShown());
    EXPECT_EQ(m_window->Compte_Alarme(), 39);
}

struct AlarmLanguageCase {
    const char *name;
    int before, ticks; // raised in French (-1: none), then so many ticks before the switch
    int after;         // raised in English; -1: none
    const char *english, *french; // the message up after each switch; nullptr: none
};

class AlarmLanguage : public WindowTest, public testing::WithParamInterface<AlarmLanguageCase> {};

TEST_P(AlarmLanguage, FollowsTheInterface)
{
    const AlarmLanguageCase &c = GetParam();
    writeFile(QStringLiteral("Chronalys_CD4060_Alarme.TXT"), NumberedAlarms);
    writeFile(QStringLiteral("Chronalys_CD4060_Alarme_en.TXT"), "00 zero\r\n01 one\r\n02 two\r\n03 three\r\n"
                                                                 "04 four\r\n05 five&&next\r\n");
    start();
    const FrenchAfterwards french;
    if (c.before >= 0)
        m_window->VisuAlarme(c.before);
    for (int i = 0; i < c.ticks; ++i)
        m_window->Timer1_Timer();
    const int count = m_window->Compte_Alarme();
    const int beeps = beepCount();
    switchTo(Commun::Langue::Anglais);
    EXPECT_EQ(beepCount(), beeps);
    EXPECT_EQ(m_window->Compte_Alarme(), count); // the message keeps the time it had left
    if (c.after >= 0)
        m_window->VisuAlarme(c.after);
    EXPECT_EQ(alarmShown() ? alarmCaption() : QString(), c.english ? slot(c.english) : QString());
    switchTo(Commun::Langue::Francais);
    EXPECT_EQ(alarmShown() ? alarmCaption() : QString(), c.french ? slot(c.french) : QString());
}

INSTANTIATE_TEST_SUITE_P(Cases, AlarmLanguage,
                         testing::Values(AlarmLanguageCase{"shown_is_read_again", 3, 2, -1, "   three", "   trois"},
                                         AlarmLanguageCase{"down_stays_down", 3, 41, -1, nullptr, nullptr},
                                         AlarmLanguageCase{"next_in_english", -1, 0, 4, "   four", "   quatre"}),
                         [](const auto &info) { return std::string(info.param.name); });

struct AlarmFileCase {
    const char *name;
    QByteArray content;
    QStringList expected; // slots from 0; later slots empty
};

class AlarmFile : public testing::TestWithParam<AlarmFileCase> {};

TEST_P(AlarmFile, LoadsByTheRules)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x_Alarme.TXT"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().content);
    file.close();
    const LignesAlarme lignes = chargerAlarmes(path, QStringLiteral("\r\n"));
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(lignes[static_cast<std::size_t>(i)], GetParam().expected.value(i)) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, AlarmFile,
    testing::Values(
        AlarmFileCase{"labels_blanked", "05 T1 vaut z\xc3\xa9ro&&corrigez T1\r\n",
                      {QStringLiteral("   T1 vaut zéro\r\ncorrigez T1")}},
        AlarmFileCase{"second_ampersands_kept", "00 a&&b&&c\r\n", {QStringLiteral("   a\r\nb&&c")}},
        AlarmFileCase{"ampersands_in_label_blanked", "&&xy&&z\r\n", {QStringLiteral("   y\r\nz")}},
        AlarmFileCase{"short_lines", "ab\r\nc\r\n", {QStringLiteral("  "), QStringLiteral(" ")}},
        AlarmFileCase{"empty_third_line_ends", "00 a\r\n01 b\r\n\r\n03 d\r\n",
                      {QStringLiteral("   a"), QStringLiteral("   b")}},
        AlarmFileCase{"lf_only_file", "00 a\n01 b\n", {QStringLiteral("   a"), QStringLiteral("   b")}},
        AlarmFileCase{"windows_1252", "00 \xe9t\xe9\r\n", {QStringLiteral("   été")}},
        // A character beyond the 16-bit plane in the label is blanked whole, never half of it.
        AlarmFileCase{"astral_character_in_label", "01\xf0\x9f\x98\x80 a\r\n0\xf0\x9f\x98\x80x b\r\n",
                      {QStringLiteral("    a"), QStringLiteral("    b")}},
        AlarmFileCase{"fifteen_lines", []{ QByteArray b; for (int i = 0; i < 15; ++i) b += "00 " + QByteArray::number(i) + "\r\n"; return b; }(),
                      []{ QStringList l; for (int i = 0; i < 11; ++i) l << QStringLiteral("   %1").arg(i); return l; }()}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(AlarmFileMissing, NamesTheFileInSlotsZeroToNine)
{
    const QString path = QStringLiteral("/nonexistent/folder/x_Alarme.TXT");
    const LignesAlarme lignes = chargerAlarmes(path, QStringLiteral("\r\n"));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(lignes[static_cast<std::size_t>(i)],
                  QStringLiteral("le fichier \"/nonexistent/folder/x_Alarme.TXT\" n'est pas disponible"));
    EXPECT_TRUE(lignes[10].isEmpty());
}

TEST(CaptionLabelDisplay, ShowsEveryBreakOnceAndNoControlCharacter)
{
    EXPECT_EQ(CaptionLabel::displayText(QStringLiteral("\r   a\r\nb")), QStringLiteral("\n   a\nb"));
    EXPECT_EQ(CaptionLabel::displayText(QStringLiteral("a\n\rb\n\r")), QStringLiteral("a\nb\n"));
    EXPECT_EQ(CaptionLabel::displayText(QStringLiteral("a\n\r\n\rb")), QStringLiteral("a\n\nb"));
    EXPECT_EQ(CaptionLabel::displayText(QStringLiteral("a\x01\x1b" "b")), QStringLiteral("ab"));
}

} // namespace
