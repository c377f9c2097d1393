#pragma once

#include "TextFile.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>

// The word-list store, thelists.dat in AppPath. There is no index or cache:
// every operation opens the file, reads or writes what it needs and closes it.
//
// Format: the first line names the first list; each list is its name line
// followed by word/meaning line pairs; lists are separated by one line
// "<New List>". An empty store is the single line "No Lists".

inline constexpr QByteArrayView NewListLine = "<New List>";
inline constexpr QByteArrayView NoListsLine = "No Lists";

QString storePath();

bool StoreIsEmpty();

// The list names in file order (for an empty store: "No Lists").
QStringList ReadListNames();

// Fills Words, Meanings and WordCount with the first list named CurrentList.
// A name no longer in the store loads 0 pairs. Returns whether it was found.
bool LoadList();

// Every line of the store as its bytes; empty when the file cannot be read.
std::optional<QList<QByteArray>> ReadStoreLines();

textfile::SaveResult WriteStoreLines(const QList<QByteArray> &lines);

// The list names of a store given as lines, in order (what ReadListNames
// would yield for the same file).
QList<QByteArray> listNamesOf(const QList<QByteArray> &lines);
