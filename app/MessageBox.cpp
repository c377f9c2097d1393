#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

MessageBoxHandler &handler()
{
    static MessageBoxHandler h;
    return h;
}

} // namespace

void setMessageBoxHandler(MessageBoxHandler h)
{
    handler() = std::move(h);
}

MsgAnswer MsgBox(const QString &text, const QString &title, MsgButtons buttons, QWidget *parent)
{
    if (handler())
        return handler()(text, title, buttons);

    QMessageBox box(buttons == MsgButtons::YesNo ? QMessageBox::Question : QMessageBox::Information,
                    title, text, QMessageBox::NoButton, parent ? parent : QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgAnswer::Ok;
}
