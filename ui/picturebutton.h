#pragma once

#include <QSvgRenderer>
#include <QWidget>

// `svgResource` in the interface's language: its "_en" twin in English, when there is one.
QString pictureInLanguage(const QString &svgResource);

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
    void changeEvent(QEvent *event) override;

private:
    QString m_resource; // the French picture
    QSvgRenderer m_renderer;
};

// A picture that only shows.
class Picture : public QWidget {
    Q_OBJECT

public:
    explicit Picture(const QString &svgResource, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString m_resource; // the French picture
    QSvgRenderer m_renderer;
};
