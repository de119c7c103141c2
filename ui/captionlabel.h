#pragma once

#include <QLabel>

// A plain-text label whose caption keeps its carriage returns and line feeds as given, while
// the screen shows every CR, LF, CR LF or LF CR as one line break (QLabel alone draws a lone
// CR as a space).
class CaptionLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)

public:
    explicit CaptionLabel(const QString &caption = {}, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // The text as drawn: line breaks made uniform, other control characters removed.
    static QString displayText(const QString &caption);

private:
    QString m_caption;
};
