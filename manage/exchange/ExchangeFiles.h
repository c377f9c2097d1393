#pragma once

#include "ListImport.h"
#include "app/core/WordPair.h"

#include "app/core/DataUpdate.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

// The file side of list exchange, shared by the screens and the command
// line: reading a file to import, writing an exported one, and the store
// change that appends an imported list.
class StoreContent;

namespace exchange {

struct FileRead {
    QByteArray bytes;
    QString error; // for the user, naming the file
    bool ok() const { return error.isEmpty(); }
};

// Refuses a file over the import limit without reading it.
FileRead readImportFile(const QString &path);

// Replaces `path` atomically with `bytes`. Returns an error for the user, or
// an empty string.
QString saveBytes(const QString &path, const QByteArray &bytes);

// Why `name` cannot be the name of a new list in the store as it is, or
// nothing: the refusals of CreateList (empty, "No Lists", taken, ...).
std::optional<QString> newNameRefusal(const StoreContent &store, const QString &name);

// Appends the list at the end of the store as it is under the lock,
// refusing a name another list has meanwhile taken.
dataupdate::Result appendList(const QString &name, const WordPairs &pairs);

// The pairs of the first list named `name`; nothing when the store cannot
// be read or holds no such list.
std::optional<WordPairs> pairsOfList(const QString &name);

QString fileNameFilter(); // for the import dialog

} // namespace exchange
