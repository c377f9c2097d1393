#pragma once

#include "app/core/WordPair.h"

#include <QString>
#include <QVector>
#include <functional>
#include <optional>

class QListWidget;
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

struct ChosenList {
    QString name;
    WordPairs pairs;
};

// The list the teacher picked in `lists` with its pairs, read from the store
// as it is now. Nothing when none is picked (the reminder was shown) or the
// list can no longer be read (the teacher is told and the box refilled).
std::optional<ChosenList> takeChosenList(QListWidget *lists, QWidget *screen);

using FileDialogHandler = std::function<QString(FileDialog kind, const QString &caption, const QString &suggested)>;
using PrintDialogHandler = std::function<bool(QPrinter &printer)>;
// Replace the real dialogs (tests); empty handlers restore them.
void setFileDialogHandler(FileDialogHandler handler);
void setPrintDialogHandler(PrintDialogHandler handler);

} // namespace exchange
