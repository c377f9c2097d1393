#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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

    QMessageBox box(buttons == MsgButtons::Ok ? QMessageBox::Information : QMessageBox::Question,
                    title, text, QMessageBox::NoButton, parent ? parent : QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (buttons == MsgButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        default:
            return MsgAnswer::Cancel;
        }
    }
    if (buttons == MsgButtons::SaveOverCancel) {
        QPushButton *saveOver =
            box.addButton(QCoreApplication::translate("MessageBox", "Save over it"), QMessageBox::AcceptRole);
        QPushButton *cancel = box.addButton(QMessageBox::Cancel);
        // The safe answer is the one Enter and Escape give.
        box.setDefaultButton(cancel);
        box.setEscapeButton(cancel);
        box.exec();
        return box.clickedButton() == saveOver ? MsgAnswer::Yes : MsgAnswer::Cancel;
    }
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgAnswer::Ok;
}
