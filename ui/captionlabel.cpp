#include "ui/captionlabel.h"

#include <algorithm>

CaptionLabel::CaptionLabel(const QString &caption, QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setCaption(caption);
}

void CaptionLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    setText(displayText(caption, m_displayLimit));
}

QString CaptionLabel::displayText(const QString &caption, qsizetype limit)
{
    const qsizetype size = limit < 0 ? caption.size() : std::min(caption.size(), limit);
    QString text;
    text.reserve(size);
    for (qsizetype i = 0; i < caption.size() && (limit < 0 || text.size() < limit); ++i) {
        const QChar c = caption[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            // CR LF and LF CR are one break each; the help text ends its lines with LF CR.
            text += QLatin1Char('\n');
            const QChar partner = c == QLatin1Char('\r') ? QLatin1Char('\n') : QLatin1Char('\r');
            if (i + 1 < caption.size() && caption[i + 1] == partner)
                ++i;
        } else if (c == QLatin1Char('\t')) {
            text += c;
        } else if (c.category() != QChar::Other_Control) {
            text += c;
        }
    }
    return text;
}
