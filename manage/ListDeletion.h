#pragma once

#include <QByteArray>
#include <QList>

// Working on the word-list store as the lines ReadStoreLines gives. Lists
// are addressed by their position in store order (0 = first), never by
// name: two lists may share a name, and a word may equal a list's name.
namespace liststore {

// The index of the name line of the list at `position`, or -1.
qsizetype nameLineOf(const QList<QByteArray> &lines, qsizetype position);

// One past the last line of the block whose name line is `nameLine`: the
// index of the next "<New List>" line, or the number of lines.
qsizetype blockEnd(const QList<QByteArray> &lines, qsizetype nameLine);

// The store without the list at `position`: its block and one neighbouring
// separator go, the other lists keep their order and bytes, and deleting
// the last list leaves the single line "No Lists". An unknown position
// returns the lines unchanged.
QList<QByteArray> deleteListAt(QList<QByteArray> lines, qsizetype position);

} // namespace liststore
