#include "ui/captionfit.h"

#include "ui/titledframe.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVariant>

#include <algorithm>

namespace {

const char DesignedPlace[] = "designedPlace";

// Controls the user types into or clicks; a caption must stay off them.
bool isField(const QWidget *widget)
{
    return !widget->isHidden() && widget->focusPolicy() != Qt::NoFocus && qobject_cast<const QLabel *>(widget) == nullptr;
}

int captionWidth(const QFontMetrics &metrics, const QString &text)
{
    int width = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        width = std::max(width, metrics.horizontalAdvance(line));
    return width;
}

// The horizontal room a label may take in its container: inside the frame's border and off the
// fields to its left and right that share the height of its text.
std::pair<int, int> room(const QLabel *label, QRect place, int textHeight)
{
    place.setHeight(textHeight);
    const QWidget *container = label->parentWidget();
    const int border = qobject_cast<const TitledFrame *>(container) != nullptr ? 2 : 0;
    int left = border;
    int right = container->width() - 1 - border;
    for (const QObject *child : container->children()) {
        auto *field = qobject_cast<const QWidget *>(child);
        if (field == nullptr || !isField(field) || field->y() > place.bottom() || field->geometry().bottom() < place.top())
            continue;
        if (field->geometry().center().x() < place.center().x())
            left = std::max(left, field->geometry().right() + 1);
        else
            right = std::min(right, field->x() - 1);
    }
    return {left, right};
}

class CaptionKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show)
            for (QLabel *label : watched->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
                if (label->property(DesignedPlace).isValid())
                    fitCaption(label);
        return false;
    }
};

} // namespace

void fitCaption(QLabel *label)
{
    if (!label->property(DesignedPlace).isValid())
        label->setProperty(DesignedPlace, label->geometry());
    QRect place = label->property(DesignedPlace).toRect();
    QFont font = label->font();
    font.setStretch(QFont::Unstretched);
    const int lines = int(label->text().count(QLatin1Char('\n')));
    const int margins = label->width() - label->contentsRect().width();
    const auto textHeight = [&](const QFontMetrics &metrics) {
        return metrics.height() + lines * metrics.lineSpacing() + margins;
    };
    const auto [left, right] = room(label, place, textHeight(QFontMetrics(font)));
    place.setLeft(std::max(place.left(), left));
    place.setRight(std::min(place.right(), right));

    const int needed = captionWidth(QFontMetrics(font), label->text()) + margins;
    const Qt::Alignment alignment = label->alignment();
    if (needed > place.width()) {
        if (alignment & Qt::AlignRight) {
            place.setLeft(std::max(left, place.right() + 1 - needed));
        } else if (alignment & Qt::AlignHCenter) {
            const int half = (needed - place.width() + 1) / 2;
            place.setLeft(std::max(left, place.left() - half));
            place.setRight(std::min(right, place.right() + half));
        } else {
            place.setRight(std::min(right, place.left() + needed - 1));
        }
    }
    // Condensed, as little as needed, where the room is too short.
    for (int stretch = 95; stretch >= 50 && captionWidth(QFontMetrics(font), label->text()) + margins > place.width();
         stretch -= 5)
        font.setStretch(stretch);
    place.setHeight(std::max(place.height(), textHeight(QFontMetrics(font))));
    if (font != label->font())
        label->setFont(font);
    if (place != label->geometry())
        label->setGeometry(place);
}

void keepCaptionsWhole(QWidget *container)
{
    container->installEventFilter(new CaptionKeeper(container));
}

void fitFieldText(QLineEdit *field, const QString &widest)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->rect();
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    // The line edit keeps a further 2 pixels on each side of its text.
    const int room = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field).width() - 4 - 1;
    QFont font = field->font();
    for (int stretch = 95; stretch >= 50 && QFontMetrics(font).horizontalAdvance(widest) > room; stretch -= 5)
        font.setStretch(stretch);
    field->setFont(font);
}

void keepTitleWhole(QWidget *window)
{
    // On show, the size final: a dialog's layout may set its own minimum in between.
    class TitleKeeper : public QObject {
    public:
        using QObject::QObject;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            auto *window = static_cast<QWidget *>(watched);
            if (event->type() == QEvent::Show && !event->spontaneous()) {
                QFont bold = window->font();
                bold.setBold(true);
                const QFontMetrics metrics(bold);
                // The icon and three buttons, each about a line high and square, with their gaps.
                const int width = metrics.horizontalAdvance(window->windowTitle()) + 8 * metrics.height();
                if (window->width() < width)
                    window->resize(width, window->height());
            }
            return false;
        }
    };
    window->installEventFilter(new TitleKeeper(window));
}
