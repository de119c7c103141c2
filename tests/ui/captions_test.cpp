// Every caption a user sees is whole, whatever face the system resolves: tests/CMakeLists.txt
// runs this again with DejaVu Sans alone and at twice the scale.
#include "windowfixture.h"

#include "ui/captionlabel.h"
#include "ui/feuilleaide.h"
#include "ui/titledframe.h"
#include "ui/windowfont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStyle>

namespace {

// Captions cut by their label or by a frame around them (clear of its border), or over a field.
QStringList cutCaptions(const QWidget *window)
{
    QStringList faults;
    auto checkFrames = [&](const QWidget *owner, const QWidget *frame, const QRect &drawn) {
        for (; frame != window; frame = frame->parentWidget())
            if (!frame->rect().adjusted(2, 0, -2, -2).contains(QRect(owner->mapTo(frame, drawn.topLeft()), drawn.size())))
                faults << owner->objectName() + QStringLiteral(" cut by ") + frame->objectName();
    };
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (const QWidget *widget : widgets)
        if (auto *frame = qobject_cast<const TitledFrame *>(widget); frame && frame->isVisibleTo(window))
            checkFrames(frame, frame, frame->titleRect());
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || label->wordWrap())
            continue;
        const QFontMetrics metrics(label->font());
        const QStringList lines = label->text().split(QLatin1Char('\n'));
        int width = 0;
        for (const QString &line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        const QRect text = QStyle::alignedRect(Qt::LeftToRight, label->alignment(),
            {width, metrics.height() + metrics.lineSpacing() * int(lines.size() - 1)}, label->contentsRect());
        if (!label->contentsRect().contains(text))
            faults << label->objectName() + QStringLiteral(" cut by its label");
        // A boxed label's border is drawn whole too.
        checkFrames(label, label->parentWidget(), label->frameShape() != QFrame::NoFrame ? label->rect() : text);
        for (const QWidget *field : widgets)
            if (field->isVisibleTo(window) && field->focusPolicy() != Qt::NoFocus && !qobject_cast<const QLabel *>(field) &&
                QRect(field->mapTo(window, QPoint()), field->size()).intersects(QRect(label->mapTo(window, text.topLeft()), text.size())))
                faults << label->objectName() + QStringLiteral(" over ") + field->objectName();
    }
    return faults;
}

TEST_F(WindowTest, EveryCaptionIsWholeWithTheFaceResolved)
{
    const QString expected = qEnvironmentVariable("CHRONALYS_EXPECTED_FACE");
    if (!expected.isEmpty() || QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) {
        EXPECT_EQ(QFontInfo(windowFont(8)).family().toStdString(),
                  expected.isEmpty() ? "Liberation Sans" : expected.toStdString());
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
    FeuilleAide *help = m_window->findChild<FeuilleAide *>();
    for (QWidget *window : QApplication::topLevelWidgets())
        help = help ? help : qobject_cast<FeuilleAide *>(window);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(cutCaptions(help).join(QStringLiteral(", ")).toStdString(), "");
    EXPECT_LE(help->ZoneHelp()->heightForWidth(help->ZoneHelp()->width()), help->ZoneHelp()->height());
    help->close();
}

} // namespace
