#include "windowfixture.h"

#include "ui/feuillemontage.h"
#include "ui/messagebox.h"
#include "ui/montagenotes.h"

#include "report/text.h"
#include "settings/language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QImage>
#include <QRegularExpression>
#include <QTableWidget>

namespace {

class FeuilleMontageTest : public WindowTest {
protected:
    void convert(const QString &T, const QString &T1)
    {
        retype(field(QStringLiteral("Valeur(0)")), T);
        retype(field(QStringLiteral("Valeur(1)")), T1);
        click(QStringLiteral("Calcul_F_vers_RC"));
        click(QStringLiteral("Conversion_reelle(24)"));
    }

    FeuilleMontage *openSheet()
    {
        action(QStringLiteral("Outils(1)"))->trigger();
        return m_window->feuilleMontage();
    }

    static QString partValue(FeuilleMontage *sheet, const QString &reference)
    {
        const auto *table = sheet->findChild<QTableWidget *>(QStringLiteral("Nomenclature"));
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 0)->text() == reference)
                return table->item(row, 2)->text();
        return {};
    }
};

TEST_F(FeuilleMontageTest, FollowsTheMainWindowLive)
{
    start();
    FeuilleMontage *sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->objectName(), QStringLiteral("FeuilleMontage"));
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Feuille de montage"));
    EXPECT_EQ(partValue(sheet, QStringLiteral("R2")), QStringLiteral("—"));

    convert(QStringLiteral("10"), QStringLiteral("1"));
    EXPECT_EQ(partValue(sheet, QStringLiteral("R2")), combo(0)->currentText() + QStringLiteral(" kΩ"));
    // Zone D's Rs, written in kΩ like every resistor of the list.
    const auto zoneDRs = [this] {
        return caption(QStringLiteral("ValeurRs"))
            .replace(QStringLiteral(" Kohm"), QStringLiteral(" kΩ"))
            .replace(QStringLiteral("1 Mo"), QStringLiteral("1000 kΩ"));
    };
    EXPECT_EQ(partValue(sheet, QStringLiteral("R1")), zoneDRs());
    retype(combo(0)->lineEdit(), QStringLiteral("160"));
    EXPECT_EQ(sheet->sheet().design.talonText, "160");
    EXPECT_EQ(partValue(sheet, QStringLiteral("P1")), QString()); // potentiometer 0: nothing to buy
    retype(combo(1)->lineEdit(), QStringLiteral("51.215"));
    EXPECT_EQ(partValue(sheet, QStringLiteral("P1")), QStringLiteral("100 kΩ"));
    EXPECT_EQ(partValue(sheet, QStringLiteral("R1")), zoneDRs()); // 211.215 kΩ: "1 Mo"

    // A pinless output marked by hand is named, not drawn.
    click(QStringLiteral("QrOnOff(11)"));
    EXPECT_TRUE(sheet->findChild<QLabel *>(QStringLiteral("Notes"))->text().contains(QStringLiteral("Q11")));
    EXPECT_EQ(sheet->sheet().design.pattern & (1 << 10), 1 << 10);

    // Opened again, the same window.
    EXPECT_EQ(openSheet(), sheet);
}

// The report the command line prints for the same entry, but for the alarms the window keeps no
// list of.
TEST_F(FeuilleMontageTest, CopierLeResultatIsTheCommandLineReport)
{
    start();
    // Zone E joins once the precision window has been opened.
    for (const auto &[T1, precisionOpened] : {std::pair{"1", false}, {"3", false}, {"1", true}}) {
        calc::DesignOptions options;
        report::Sections sections;
        sections.precision = precisionOpened;
        if (precisionOpened)
            action(QStringLiteral("Outils(0)"))->trigger();
        convert(QStringLiteral("10"), QString::fromLatin1(T1));
        action(QStringLiteral("Outils(2)"))->trigger();
        QString expected = report::textReport(calc::designRoad("10", T1, options), sections);
        expected.truncate(expected.indexOf(QStringLiteral("Alarmes")));
        EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
    }
}

TEST_F(FeuilleMontageTest, SavedWholeOrAFrenchMessageNamingTheFile)
{
    start();
    FeuilleMontage *sheet = openSheet();
    QStringList messages;
    setMessageBoxHook([&messages](QMessageBox::Icon, const QString &, const QString &text) { messages << text; });
    const QString missing = path(QStringLiteral("absent/feuille.svg"));
    EXPECT_FALSE(sheet->saveTo(missing));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(missing));
    EXPECT_TRUE(sheet->saveTo(path(QStringLiteral("feuille.PNG")))); // no design yet: still saved
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(readFile(QStringLiteral("feuille.PNG")).startsWith("\x89PNG"));
    EXPECT_TRUE(sheet->saveTo(path(QStringLiteral("feuille.kicad_sch"))));
    EXPECT_TRUE(readFile(QStringLiteral("feuille.kicad_sch")).startsWith("(kicad_sch"));
    EXPECT_EQ(messages.size(), 1);
    setMessageBoxHook({});
}

// The chronogramme window: the main window's design, live; its picture saved or the file named.
TEST_F(FeuilleMontageTest, ChronogrammeFollowsTheMainWindowAndSaves)
{
    start();
    action(QStringLiteral("Outils(3)"))->trigger();
    ChronogrammeWindow *window = m_window->chronogramme();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->objectName(), QStringLiteral("Chronogramme"));
    convert(QStringLiteral("10"), QStringLiteral("1"));
    EXPECT_EQ(window->design().pattern, 2048);
    click(QStringLiteral("QrOnOff(4)"));
    EXPECT_EQ(window->design().pattern, 2048 | 8);
    action(QStringLiteral("Outils(3)"))->trigger();
    EXPECT_EQ(m_window->chronogramme(), window);

    QStringList messages;
    setMessageBoxHook([&messages](QMessageBox::Icon, const QString &, const QString &text) { messages << text; });
    EXPECT_FALSE(window->saveTo(path(QStringLiteral("absent/c.svg"))));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(path(QStringLiteral("absent/c.svg"))));
    EXPECT_TRUE(window->saveTo(path(QStringLiteral("c.png"))));
    EXPECT_EQ(QImage(path(QStringLiteral("c.png"))).size(), QSize(3508, 2480));
    EXPECT_FALSE(window->saveTo(path(QStringLiteral("c.kicad_sch")))); // a circuit, not a picture
    EXPECT_EQ(messages.size(), 2);
    setMessageBoxHook({});
}

// Every text a user reads in a window: title, captions, items, headers, tooltips, accessible texts.
QStringList readTexts(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget *w : window->findChildren<QWidget *>()) {
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            texts << group->title();
        else if (auto *box = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
        else if (auto *table = qobject_cast<QTableWidget *>(w))
            for (int column = 0; column < table->columnCount(); ++column) {
                texts << table->horizontalHeaderItem(column)->text();
                for (int row = 0; row < table->rowCount(); ++row)
                    texts << table->item(row, column)->text();
            }
    }
    return texts;
}

struct LanguageCase {
    const char *name;
    const char *action;  // opens the window from the main window's menus
    const char *window;  // its objectName
    const char *drawing; // the child that draws words, "" the window itself, nullptr none
    const char *field;   // typed into before the switch, so that a refusal shows; nullptr none
    const char *typed;
    const char *englishText; // one of the English texts, from the test's own files; nullptr none
};

void PrintTo(const LanguageCase &c, std::ostream *os) { *os << c.name; }

class LanguageSwitch : public FeuilleMontageTest, public testing::WithParamInterface<LanguageCase> {
protected:
    void TearDown() override { install(Commun::Langue::Francais); }

    static void install(Commun::Langue language)
    {
        Commun::installerLangue(language);
        QCoreApplication::sendPostedEvents(); // Qt posts the LanguageChange to each window
    }
    static QImage drawing(QWidget *window, const char *name)
    {
        QWidget *drawn = *name ? window->findChild<QWidget *>(QLatin1String(name)) : window;
        return drawn->grab().toImage();
    }
};

struct CascadeNotesCase {
    const char *name;
    calc::Cascade cascade;
    const char *clock, *top; // what the notes say, pins from the counters' data sheets
    bool oscillatorPins;     // a second CD4060's pins 9 and 10 left open
};

class CascadeNotes : public testing::TestWithParam<CascadeNotesCase> {};

// The notes name the second counter's clock and reset pins and the pin of the top stage, or say
// the top stage has none.
TEST_P(CascadeNotes, NameTheSecondCountersPins)
{
    const CascadeNotesCase &c = GetParam();
    calc::RealDesign design;
    design.cascade = c.cascade;
    const QString notes = montageNotes(design).join(u'\n');
    EXPECT_TRUE(notes.contains(QString::fromUtf8(c.clock))) << notes.toStdString();
    EXPECT_TRUE(notes.contains(QString::fromUtf8(c.top))) << notes.toStdString();
    EXPECT_EQ(notes.contains(QStringLiteral("broches 9 et 10 de U3")), c.oscillatorPins);
}

INSTANTIATE_TEST_SUITE_P(
    Counters, CascadeNotes,
    testing::Values(
        CascadeNotesCase{"cd4040_q12", {calc::SecondCounter::CD4040, 26}, "sur sa broche 10 ; sa remise à zéro (broche 11)",
                         "Q12 de U3 (broche 1), l'étage S = 26", false},
        CascadeNotesCase{"cd4020_q4", {calc::SecondCounter::CD4020, 18}, "sur sa broche 10 ; sa remise à zéro (broche 11)",
                         "Q4 de U3 (broche 7), l'étage S = 18", false},
        CascadeNotesCase{"cd4020_pinless_q2", {calc::SecondCounter::CD4020, 16}, "sur sa broche 10",
                         "L'étage S = 16 (Q2 de U3) n'a pas de broche", false},
        CascadeNotesCase{"cd4060_q10", {calc::SecondCounter::CD4060, 24}, "sur sa broche 11 ; sa remise à zéro (broche 12)",
                         "Q10 de U3 (broche 15), l'étage S = 24", true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_P(LanguageSwitch, OpenWindowTurnsEnglishAndBackToTheSameFrench)
{
    const LanguageCase &c = GetParam();
    writeFile(QStringLiteral("Chronalys_CD4060_Aide.TXT"), "Aide en fran\xc3\xa7" "ais\r\n");
    writeFile(QStringLiteral("Chronalys_CD4060_Aide_en.TXT"), "Help in English\r\n");
    start();
    convert(QStringLiteral("10"), QStringLiteral("1"));
    action(QLatin1String(c.action))->trigger();
    QWidget *window = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(c.window) && w->isVisible())
            window = w;
    ASSERT_NE(window, nullptr);
    if (c.field)
        retype(window->findChild<QLineEdit *>(QLatin1String(c.field)), QString::fromUtf8(c.typed));
    const QStringList french = readTexts(window);
    const QImage frenchDrawing = c.drawing ? drawing(window, c.drawing) : QImage();

    install(Commun::Langue::Anglais);
    const QStringList english = readTexts(window);
    EXPECT_NE(english.front().toStdString(), french.front().toStdString()) << "the title";
    // French words carry accents, English ones none: an accented text was left untranslated.
    const QRegularExpression accented(QStringLiteral("[àâçéèêëîïôùûœ«»]"), QRegularExpression::CaseInsensitiveOption);
    for (const QString &text : english)
        EXPECT_FALSE(text.contains(accented)) << text.toStdString();
    if (c.englishText) {
        EXPECT_TRUE(english.join(u'|').contains(QString::fromUtf8(c.englishText))) << english.join(u'|').toStdString();
    }
    if (c.drawing) {
        EXPECT_NE(drawing(window, c.drawing), frenchDrawing);
    }

    install(Commun::Langue::Francais);
    EXPECT_EQ(readTexts(window), french);
    if (c.drawing) {
        EXPECT_EQ(drawing(window, c.drawing), frenchDrawing);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, LanguageSwitch,
    testing::Values(LanguageCase{"Precision", "Outils(0)", "Precision", nullptr, "Tolerance(0)", "60", nullptr},
                    LanguageCase{"Sheet", "Outils(1)", "FeuilleMontage", "Dessin", nullptr, nullptr, nullptr},
                    LanguageCase{"Chronogramme", "Outils(3)", "Chronogramme", "Dessin", nullptr, nullptr, nullptr},
                    LanguageCase{"Schema", "VisuSchema", "Chronalys_CD4060_Schema", "", nullptr, nullptr, nullptr},
                    LanguageCase{"Help", "Aide(0)", "FeuilleAide", nullptr, nullptr, nullptr, "Help in English"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
