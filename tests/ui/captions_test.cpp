// Every caption a user sees is whole, whatever face the system resolves: the binary runs once
// more with DejaVu Sans alone and at twice the scale (tests/CMakeLists.txt).
#include "windowfixture.h"

#include "captionlabel.h"
#include "feuilleaide.h"
#include "titledframe.h"
#include "windowfont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPushButton>
#include <QStyle>

namespace {

// Where the text of a one-line-per-break label is drawn, in the label's coordinates.
QRect drawnText(const QLabel *label)
{
    const QFontMetrics metrics(label->font());
    const QStringList lines = label->text().split(QLatin1Char('\n'));
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const QSize size(width, metrics.height() + metrics.lineSpacing() * int(lines.size() - 1));
    return QStyle::alignedRect(Qt::LeftToRight, label->alignment(), size, label->contentsRect());
}

// Text rectangles that must be whole: (widget whose text it is, rectangle in its coordinates).
QList<std::pair<const QWidget *, QRect>> captionsOf(const QWidget *window)
{
    QList<std::pair<const QWidget *, QRect>> captions;
    for (const QLabel *label : window->findChildren<QLabel *>())
        if (label->isVisibleTo(window) && !label->wordWrap() && !label->text().isEmpty())
            captions.append({label, drawnText(label)});
    for (const TitledFrame *frame : window->findChildren<TitledFrame *>())
        if (frame->isVisibleTo(window))
            captions.append({frame, frame->titleRect()});
    return captions;
}

// Captions cut by their label or a frame around them, or drawn over a field.
QStringList cutCaptions(const QWidget *window)
{
    QList<const QWidget *> fields;
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (widget->isVisibleTo(window) && widget->focusPolicy() != Qt::NoFocus &&
            qobject_cast<QLabel *>(widget) == nullptr && widget->parentWidget()->focusPolicy() == Qt::NoFocus)
            fields.append(widget);
    QStringList faults;
    for (const auto &[owner, text] : captionsOf(window)) {
        const QString name = owner->objectName();
        auto *label = qobject_cast<const QLabel *>(owner);
        if (label != nullptr && !label->contentsRect().contains(text))
            faults << name + QStringLiteral(" cut by its label");
        // Inside every frame around it, clear of its etched border.
        for (const QWidget *frame = label ? owner->parentWidget() : owner; frame != window;
             frame = frame->parentWidget())
            if (!frame->rect().adjusted(2, 0, -2, -2).contains(QRect(owner->mapTo(frame, text.topLeft()), text.size())))
                faults << name + QStringLiteral(" cut by ") + frame->objectName();
        const QRect inWindow(owner->mapTo(window, text.topLeft()), text.size());
        for (const QWidget *field : fields)
            if (QRect(field->mapTo(window, QPoint()), field->size()).intersects(inWindow))
                faults << name + QStringLiteral(" over ") + field->objectName();
    }
    // A boxed label's border is drawn whole too.
    for (const QLabel *label : window->findChildren<QLabel *>())
        if (label->isVisibleTo(window) && label->frameShape() != QFrame::NoFrame &&
            !label->parentWidget()->rect().adjusted(2, 0, -2, -2).contains(label->geometry()))
            faults << label->objectName() + QStringLiteral(" box cut by ") + label->parentWidget()->objectName();
    return faults;
}

TEST_F(WindowTest, EveryCaptionIsWholeWithTheFaceResolved)
{
    const QString expected = qEnvironmentVariable("CHRONALYS_EXPECTED_FACE");
    if (!expected.isEmpty()) {
        EXPECT_EQ(QFontInfo(windowFont(8)).family().toStdString(), expected.toStdString());
    } else if (QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) {
        EXPECT_EQ(QFontInfo(windowFont(8)).family().toStdString(), "Liberation Sans");
    }

    // Zones B to D with results, as after a user's first design.
    start();
    click(QStringLiteral("Calcul_F_vers_RC"));
    click(QStringLiteral("Conversion_reelle(24)"));
    ASSERT_NE(caption(QStringLiteral("ResistanceCalcul(1)")), QStringLiteral("??? "));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(cutCaptions(m_window.get()).join(QStringLiteral(", ")).toStdString(), "");

    // The help file the program ships, whole in its window.
    QFile::copy(QStringLiteral(CHRONALYS_DATA_SOURCE_DIR "/Chronalys_CD4060_Aide.TXT"),
                path(QStringLiteral("Chronalys_CD4060_Aide.TXT")));
    action(QStringLiteral("Aide(0)"))->trigger();
    FeuilleAide *help = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<FeuilleAide *>(window))
            help = found;
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(cutCaptions(help).join(QStringLiteral(", ")).toStdString(), "");
    const QLabel *zone = help->ZoneHelp();
    EXPECT_LE(zone->heightForWidth(zone->width()), zone->height()) << "help text cut at the bottom";
    const QPushButton *ok = help->Command1();
    EXPECT_LE(ok->fontMetrics().horizontalAdvance(ok->text()), ok->width() - 8);
    help->close();
}

} // namespace
