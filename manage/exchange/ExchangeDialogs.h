#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// The system's file and print dialogs of the exchange screens go through
// here, so tests answer them instead of blocking on a modal window.
namespace exchange {

enum class FileDialog { Open, Save };

// The chosen path, or empty when the teacher cancelled.
QString chooseFile(QWidget *parent, FileDialog kind, const QString &caption, const QString &suggested,
                   const QString &filter);

// Lets the teacher choose a printer and its settings; false on cancel.
bool choosePrinter(QWidget *parent, QPrinter &printer);

using FileDialogHandler = std::function<QString(FileDialog kind, const QString &caption, const QString &suggested)>;
using PrintDialogHandler = std::function<bool(QPrinter &printer)>;
// Replace the real dialogs (tests); empty handlers restore them.
void setFileDialogHandler(FileDialogHandler handler);
void setPrintDialogHandler(PrintDialogHandler handler);

} // namespace exchange
