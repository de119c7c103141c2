#pragma once

#include <QWidget>

// A frame whose caption sits on its top border, children placed freely inside (a group box
// would move its caption above the border and crowd the controls placed under it).
class TitledFrame : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)

public:
    TitledFrame(const QString &title, QWidget *parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    // Where the title is drawn, over the top border.
    QRect titleRect() const;
    QFont titleFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
};
