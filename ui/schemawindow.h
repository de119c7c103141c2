#pragma once

#include <QWidget>

class QSvgRenderer;

// The circuit the program designs for, drawn as the window's background, its words in the
// interface's language. No controls.
class Chronalys_CD4060_Schema : public QWidget {
    Q_OBJECT

public:
    explicit Chronalys_CD4060_Schema(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QSvgRenderer *m_schema;
    QString m_picture; // the one m_schema holds
};
