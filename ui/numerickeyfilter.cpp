#include "ui/numerickeyfilter.h"

#include "ui/beep.h"
#include "calc/keyfilter.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

NumericKeyFilter::NumericKeyFilter(std::function<void()> secondSeparator, QObject *parent)
    : QObject(parent), m_secondSeparator(std::move(secondSeparator))
{
}

void NumericKeyFilter::watch(QLineEdit *field)
{
    field->installEventFilter(this);
    field->setAcceptDrops(false);
}

// An editable combo box takes the keys itself and hands them to its line edit directly, past
// any filter of the line edit: it needs the filter too.
void NumericKeyFilter::watch(QComboBox *editableCombo)
{
    editableCombo->installEventFilter(this);
    watch(editableCombo->lineEdit());
}

bool NumericKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    auto *combo = qobject_cast<QComboBox *>(watched);
    auto *field = combo != nullptr ? combo->lineEdit() : qobject_cast<QLineEdit *>(watched);
    if (field == nullptr)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Paste))
            return refuseText(field, QStringLiteral("\x16"));
        // Keys without a character (arrows, Home, Delete, Shift) only move or remove; Tab moves
        // the focus.
        if (key->text().isEmpty() || key->text() == QStringLiteral("\x7f") ||
            key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        return refuseText(field, key->text());
    }
    case QEvent::InputMethod:
        return filterInputMethod(field, static_cast<QInputMethodEvent *>(event));
    case QEvent::ContextMenu:
        showMenuWithoutPaste(field, static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        return static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton;
    default:
        return false;
    }
}

// Several characters at once (a composed character, an input-method commit) are judged one
// after the other as if typed; one refused refuses them all.
bool NumericKeyFilter::refuseText(QLineEdit *field, const QString &typed)
{
    std::string text = field->text().toStdString();
    for (const char32_t key : typed.toUcs4()) {
        switch (calc::numericKeyVerdict(text, key)) {
        case calc::KeyVerdict::Accept:
            text += static_cast<char>(key);
            break;
        case calc::KeyVerdict::RefuseWithBeep:
            beep();
            return true;
        case calc::KeyVerdict::RefuseSecondSeparator:
            m_secondSeparator();
            return true;
        }
    }
    return false;
}

// A dead key or an input method shows its text being composed inside the field: only what the
// field could hold is shown, and a refused commit leaves the field as it was.
bool NumericKeyFilter::filterInputMethod(QLineEdit *field, QInputMethodEvent *event)
{
    const bool commitRefused = !event->commitString().isEmpty() && refuseText(field, event->commitString());
    bool foreignPreedit = false;
    for (const char32_t key : event->preeditString().toUcs4())
        foreignPreedit = foreignPreedit || calc::numericKeyVerdict({}, key) == calc::KeyVerdict::RefuseWithBeep;
    if (!commitRefused && !foreignPreedit)
        return false;
    // Passed on without what must not show; an empty preedit takes down the one shown before.
    QInputMethodEvent cleaned;
    if (!commitRefused)
        cleaned.setCommitString(event->commitString(), event->replacementStart(), event->replacementLength());
    QCoreApplication::sendEvent(field, &cleaned);
    return true;
}

void NumericKeyFilter::showMenuWithoutPaste(QLineEdit *field, const QPoint &globalPosition)
{
    auto *menu = new QMenu(field);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *cut = menu->addAction(tr("Couper"), field, &QLineEdit::cut);
    QAction *copy = menu->addAction(tr("Copier"), field, &QLineEdit::copy);
    menu->addSeparator();
    menu->addAction(tr("Tout sélectionner"), field, &QLineEdit::selectAll);
    cut->setEnabled(field->hasSelectedText());
    copy->setEnabled(field->hasSelectedText());
    menu->popup(globalPosition);
}
