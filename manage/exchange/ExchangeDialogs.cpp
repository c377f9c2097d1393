#include "ExchangeDialogs.h"

#include "ExchangeFiles.h"

#include "app/ListChooser.h"
#include "app/MessageBox.h"
#include "app/core/SharedState.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace exchange {
namespace {

FileDialogHandler g_fileHandler;
PrintDialogHandler g_printHandler;

} // namespace

QString chooseFile(QWidget *parent, FileDialog kind, const QString &caption, const QString &suggested,
                   const QString &filter)
{
    if (g_fileHandler)
        return g_fileHandler(kind, caption, suggested);
    if (kind == FileDialog::Open)
        return QFileDialog::getOpenFileName(parent, caption, suggested, filter);
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

bool choosePrinter(QWidget *parent, QPrinter &printer)
{
    if (g_printHandler)
        return g_printHandler(printer);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void setFileDialogHandler(FileDialogHandler handler)
{
    g_fileHandler = std::move(handler);
}

void setPrintDialogHandler(PrintDialogHandler handler)
{
    g_printHandler = std::move(handler);
}

std::optional<ChosenList> takeChosenList(QListWidget *lists, QWidget *screen)
{
    if (!takeTeacherListChoice(lists))
        return std::nullopt;
    const QString name = Shared.CurrentList;
    auto pairs = pairsOfList(name);
    if (!pairs) {
        MsgBox(QCoreApplication::translate("ExchangeDialogs",
            "The list \"%1\" could not be read from the word list file.").arg(name),
               screen->windowTitle(), MsgButtons::Ok, screen);
        fillTeacherListChooser(lists);
        return std::nullopt;
    }
    return ChosenList{name, std::move(*pairs)};
}

} // namespace exchange
