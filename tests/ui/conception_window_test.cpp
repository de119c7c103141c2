#include "windowfixture.h"

#include "ui/feuillemontage.h"
#include "ui/messagebox.h"

#include <QMenu>

namespace {

class ConceptionWindowTest : public WindowTest {
protected:
    // Every text the window shows, by control name, and its title.
    QStringList shown() const
    {
        QStringList texts{m_window->windowTitle()};
        for (const QLabel *label : m_window->findChildren<QLabel *>())
            texts << label->objectName() + QLatin1Char('=') + label->text();
        for (const QLineEdit *edit : m_window->findChildren<QLineEdit *>())
            texts << edit->objectName() + QLatin1Char('=') + edit->text();
        for (const QComboBox *box : m_window->findChildren<QComboBox *>())
            texts << box->objectName() + QLatin1Char('=') + box->currentText();
        return texts;
    }
    void design()
    {
        m_window->setConstante_K4060(2.3e-6); // a chip chosen
        retype(field(QStringLiteral("Valeur(0)")), QStringLiteral("3600"));
        retype(field(QStringLiteral("Valeur(1)")), QStringLiteral("2"));
        action(QStringLiteral("E12E24(2)"))->trigger();
        click(QStringLiteral("Calcul_F_vers_RC"));
        click(QStringLiteral("Conversion_reelle(12)"));
        retype(combo(0)->lineEdit(), QStringLiteral("150"));  // parts overruled in zone C
        retype(combo(1)->lineEdit(), QStringLiteral("47"));
        click(QStringLiteral("QrOnOff(9)"));                   // an output toggled
    }
};

// Saved, then opened in a window started afresh: every control as it was; a change shows the
// asterisk, and leaving then asks first.
TEST_F(ConceptionWindowTest, SavedAndReopenedAsLeft)
{
    start();
    design();
    const QString file = path(QStringLiteral("aquarium.cd4060"));
    ASSERT_TRUE(m_window->Enregistrer_Conception(file, QStringLiteral("Éclairage de l'aquarium")));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Chronalys pour tempo CD4060 — Éclairage de l'aquarium[*]"));
    EXPECT_FALSE(m_window->isWindowModified());
    const QStringList saved = shown();

    start();
    setMessageBoxHook([](QMessageBox::Icon, const QString &, const QString &text) { ADD_FAILURE() << text.toStdString(); });
    ASSERT_TRUE(m_window->Ouvrir_Conception(file));
    EXPECT_EQ(shown().join(QLatin1Char('\n')).toStdString(), saved.join(QLatin1Char('\n')).toStdString());
    EXPECT_EQ(m_window->Constante_K4060(), 2.3e-6);
    EXPECT_EQ(m_window->recents(), QStringList{file});
    action(QStringLiteral("Outils(1)"))->trigger(); // the sheet's title block names it
    EXPECT_EQ(m_window->feuilleMontage()->sheet().name, QStringLiteral("Éclairage de l'aquarium"));

    click(QStringLiteral("QrOnOff(9)"));
    EXPECT_TRUE(m_window->isWindowModified());
    QStringList asked;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    setQuestionHook([&](const QString &, const QString &text) {
        asked << text;
        return answer;
    });
    action(QStringLiteral("QQ(1)"))->trigger();
    EXPECT_EQ(m_endings, 0); // cancelled: still running, nothing saved
    EXPECT_FALSE(QFile::exists(settingsPath()));
    answer = QMessageBox::Discard;
    action(QStringLiteral("QQ(1)"))->trigger();
    EXPECT_EQ(m_endings, 1);
    EXPECT_EQ(asked, QStringList(2, QStringLiteral("Enregistrer les modifications de « Éclairage de l'aquarium » ?")));
    setQuestionHook({});
    EXPECT_TRUE(readFile(QStringLiteral("Chronalys_CD4060.INI")).contains("[recents]"));
}

// A file the reader refuses leaves the design on screen as it was; a vanished recent file also
// leaves the list; a save that cannot be done says so.
TEST_F(ConceptionWindowTest, RefusedFilesChangeNothing)
{
    start();
    design();
    const QString file = path(QStringLiteral("garage.cd4060"));
    ASSERT_TRUE(m_window->Enregistrer_Conception(file, QStringLiteral("Garage")));
    QStringList messages;
    setMessageBoxHook([&](QMessageBox::Icon, const QString &, const QString &text) { messages << text; });
    EXPECT_FALSE(m_window->Enregistrer_Conception(path(QStringLiteral("absent/garage.cd4060")), QStringLiteral("Garage")));
    writeFile(QStringLiteral("autre.cd4060"), "{\"format\": \"chronalys-cd4060\", \"version\": 1, \"T\": \"10\"}");
    const QStringList screen = shown();
    EXPECT_FALSE(m_window->Ouvrir_Conception(path(QStringLiteral("autre.cd4060"))));
    EXPECT_EQ(shown(), screen);
    ASSERT_TRUE(QFile::remove(file));
    EXPECT_FALSE(m_window->Ouvrir_Conception(file));
    EXPECT_TRUE(m_window->recents().isEmpty());
    setMessageBoxHook({});
    ASSERT_EQ(messages.size(), 3);
    EXPECT_TRUE(messages[1].contains(path(QStringLiteral("autre.cd4060"))));
    EXPECT_TRUE(messages[2].contains(file));
}

// The keyboard alone: Alt+F, R opens the recent designs, the arrows choose, Return opens; the
// entry is greyed while the list is empty, where it would open onto nothing to choose.
TEST_F(ConceptionWindowTest, RecentDesignsByKeyboard)
{
    start();
    auto *recents = control<QMenu>(QStringLiteral("Recents"));
    EXPECT_FALSE(recents->menuAction()->isEnabled());
    design();
    ASSERT_TRUE(m_window->Enregistrer_Conception(path(QStringLiteral("garage.cd4060")), QStringLiteral("Garage")));
    ASSERT_TRUE(m_window->Enregistrer_Conception(path(QStringLiteral("aquarium.cd4060")), QStringLiteral("Aquarium")));
    EXPECT_TRUE(recents->menuAction()->isEnabled());
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_F, Qt::AltModifier);
    QTest::keyClick(control<QMenu>(QStringLiteral("FF")), Qt::Key_R);
    ASSERT_TRUE(recents->isVisible());
    QTest::keyClick(recents, Qt::Key_Down);
    QTest::keyClick(recents, Qt::Key_Return);
    EXPECT_EQ(m_window->conceptionPath(), path(QStringLiteral("garage.cd4060")));
}

} // namespace
