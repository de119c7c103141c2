#pragma once

#include <QObject>

#include <functional>

class QComboBox;
class QInputMethodEvent;
class QLineEdit;

// The key filter of every numeric field: digits, one "." or "," and backspace only. A key of
// another kind is swallowed with a beep; a second separator is swallowed and reported through
// `secondSeparator` (alarm 3). Composed characters and input-method commits are judged
// character by character, the whole refused if one is; text being composed shows only if the
// field could hold it. Paste, drops and middle-click paste are refused as well, so no
// field ever holds a text the filter would not have let in.
class NumericKeyFilter : public QObject {
    Q_OBJECT

public:
    NumericKeyFilter(std::function<void()> secondSeparator, QObject *parent);

    void watch(QLineEdit *field);
    void watch(QComboBox *editableCombo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool refuseText(QLineEdit *field, const QString &typed);
    bool filterInputMethod(QLineEdit *field, QInputMethodEvent *event);
    void showMenuWithoutPaste(QLineEdit *field, const QPoint &globalPosition);

    std::function<void()> m_secondSeparator;
};
