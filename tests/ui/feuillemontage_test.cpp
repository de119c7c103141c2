#include "windowfixture.h"

#include "ui/feuillemontage.h"
#include "ui/messagebox.h"

#include "report/text.h"

#include <QClipboard>
#include <QImage>
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
    EXPECT_EQ(partValue(sheet, QStringLiteral("Rs")), zoneDRs());
    retype(combo(0)->lineEdit(), QStringLiteral("160"));
    EXPECT_EQ(sheet->sheet().design.talonText, "160");
    EXPECT_EQ(partValue(sheet, QStringLiteral("P1")), QString()); // potentiometer 0: nothing to buy
    retype(combo(1)->lineEdit(), QStringLiteral("51.215"));
    EXPECT_EQ(partValue(sheet, QStringLiteral("P1")), QStringLiteral("100 kΩ"));
    EXPECT_EQ(partValue(sheet, QStringLiteral("Rs")), zoneDRs()); // 211.215 kΩ: "1 Mo"

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
    setMessageBoxHook({});
}

} // namespace
