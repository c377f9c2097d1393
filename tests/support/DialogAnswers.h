#pragma once

#include "manage/exchange/ExchangeDialogs.h"

#include <QPrinter>
#include <QString>

// The file and print dialogs of the list exchange, answered without a
// window: a file dialog returns `file` (empty: cancelled), and printing
// goes to a PDF at `printed`. Header only: just the tests that link the
// exchange use it.
struct DialogAnswers {
    explicit DialogAnswers(QString pdf)
        : printed(std::move(pdf))
    {
        exchange::setFileDialogHandler([this](exchange::FileDialog, const QString &, const QString &) { return file; });
        exchange::setPrintDialogHandler([this](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            return true;
        });
    }
    ~DialogAnswers()
    {
        exchange::setFileDialogHandler({});
        exchange::setPrintDialogHandler({});
    }
    DialogAnswers(const DialogAnswers &) = delete;
    DialogAnswers &operator=(const DialogAnswers &) = delete;

    QString file;
    const QString printed;
};
