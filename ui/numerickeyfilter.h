#pragma once

#include <QObject>

#include <functional>

class QComboBox;
class QLineEdit;

// The key filter of every numeric field: digits, one "." or "," and backspace only. A key of
// another kind is swallowed with a beep; a second separator is swallowed and reported through
// `secondSeparator` (alarm 3). Paste, drops and middle-click paste are refused as well, so no
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
    bool refuseKey(QLineEdit *field, const QString &typed);
    void showMenuWithoutPaste(QLineEdit *field, const QPoint &globalPosition);

    std::function<void()> m_secondSeparator;
};
