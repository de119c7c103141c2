#include "ui/messagebox.h"

namespace {
MessageBoxHook &hook()
{
    static MessageBoxHook instance;
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
