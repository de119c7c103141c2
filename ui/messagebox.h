#pragma once

#include <QMessageBox>

#include <functional>

// Shows a modal message box with a single OK button. Tests install a hook instead, so that
// no modal box ever blocks a test run.
void showMessageBox(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                    const QString &text);

using MessageBoxHook = std::function<void(QMessageBox::Icon, const QString &title, const QString &text)>;
void setMessageBoxHook(MessageBoxHook hook);

// Asks "Enregistrer les modifications…?": Save, Discard or Cancel. Tests answer through the hook.
using QuestionHook = std::function<QMessageBox::StandardButton(const QString &title, const QString &text)>;
QMessageBox::StandardButton askToSaveBox(QWidget *parent, const QString &title, const QString &text);
void setQuestionHook(QuestionHook hook);
