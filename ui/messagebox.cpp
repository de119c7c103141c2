#include "ui/messagebox.h"

#include <QAbstractButton>
#include <QCoreApplication>

namespace {
MessageBoxHook &hook()
{
    static MessageBoxHook instance;
    return instance;
}
QuestionHook &questionHook()
{
    static QuestionHook instance;
    return instance;
}
} // namespace

void showMessageBox(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                    const QString &text)
{
    if (hook()) {
        hook()(icon, title, text);
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void setMessageBoxHook(MessageBoxHook hook_) { hook() = std::move(hook_); }

QMessageBox::StandardButton askToSaveBox(QWidget *parent, const QString &title, const QString &text)
{
    if (questionHook())
        return questionHook()(title, text);
    QMessageBox box(QMessageBox::Question, title, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Save);
    box.button(QMessageBox::Save)->setText(QCoreApplication::translate("Conception", "Enregistrer"));
    box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("Conception", "Ne pas enregistrer"));
    box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("Conception", "Annuler"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void setQuestionHook(QuestionHook hook_) { questionHook() = std::move(hook_); }
