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

    // Draws at most the first `characters` of the text; -1 (the default) draws it all. For a
    // label of fixed size that shows only a screenful: laying out megabytes of a caption that
    // cannot be seen would hold the window for seconds. Applies from the next setCaption.
    void setDisplayLimit(qsizetype characters) { m_displayLimit = characters; }

    // The text as drawn: line breaks made uniform, other control characters removed; at most
    // `limit` characters of it when `limit` is not negative.
    static QString displayText(const QString &caption, qsizetype limit = -1);

private:
    QString m_caption;
    qsizetype m_displayLimit = -1;
};
