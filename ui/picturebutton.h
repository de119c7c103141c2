#pragma once

#include <QSvgRenderer>
#include <QWidget>

// A picture used as a button: an SVG drawn to the widget's size, greyed when disabled. Tab
// reaches it, a focus frame shows it has the focus, and Space or Return clicks it.
class PictureButton : public QWidget {
    Q_OBJECT

public:
    explicit PictureButton(const QString &svgResource, QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QSvgRenderer m_renderer;
};

// A picture that only shows.
class Picture : public QWidget {
    Q_OBJECT

public:
    explicit Picture(const QString &svgResource, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer m_renderer;
};
