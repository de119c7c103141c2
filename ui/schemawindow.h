#pragma once

#include <QWidget>

class QSvgRenderer;

// The circuit the program designs for, drawn as the window's background. No controls.
class Chronalys_CD4060_Schema : public QWidget {
    Q_OBJECT

public:
    explicit Chronalys_CD4060_Schema(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer *m_schema;
};
