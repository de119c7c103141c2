#pragma once

#include <QWidget>

class CaptionLabel;
class QPushButton;

// The help window: the text of the help file in a fixed rectangle (no scrolling) and an "OK"
// button that hides the window. The title-bar close control destroys it.
class FeuilleAide : public QWidget {
    Q_OBJECT

public:
    explicit FeuilleAide(QWidget *parent = nullptr);

    CaptionLabel *ZoneHelp() const { return m_ZoneHelp; }
    QPushButton *Command1() const { return m_Command1; }

    void Command1_Click();
    // The help file's text; a change of language reads it again, in the new language.
    void setTexteAide(const QString &texte);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    bool m_texteLu = false; // the help file's text shows, not the placeholder
    CaptionLabel *m_ZoneHelp;
    QPushButton *m_Command1;
};
