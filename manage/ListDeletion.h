#pragma once

#include "app/core/ListStore.h"

#include <QByteArray>
#include <QList>

// Working on the word-list store as the lines ReadStoreLines gives. Lists
// are addressed by their position in store order (0 = first), never by
// name: two lists may share a name, and a word may equal a list's name.
// Positions are those of liststore::nameLineOf, so they agree with the
// names the chooser shows.
namespace liststore {

// The store without the list at `position`: its block and one neighbouring
// separator go, the other lists keep their order and bytes, and deleting
// the last list leaves the single line "No Lists". An unknown position
// returns the lines unchanged.
QList<QByteArray> deleteListAt(QList<QByteArray> lines, qsizetype position);

} // namespace liststore
