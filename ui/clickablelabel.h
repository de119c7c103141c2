#pragma once

#include <QLabel>

// A label that reports a left click (the real output marks).
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
