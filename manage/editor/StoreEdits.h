#pragma once

#include "app/core/WordPair.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVector>
#include <optional>

// The teacher's list writers work on the store's lines (the file's bytes,
// one entry per line) and hand the whole sequence back to WriteStoreLines.
// Nothing here touches a file, so every rewrite can be checked line by line.

// A list's lines in the store: its name line and its pair lines.
struct ListBlock {
    qsizetype nameLine = 0;
    qsizetype end = 0; // one past the block's last line
};

// The `occurrence`-th list (0 = first, in store order) whose name line is
// exactly `name`. A store may hold same-named lists from older versions;
// the occurrence says which one the teacher picked.
std::optional<ListBlock> findListBlock(const QList<QByteArray> &lines, const QByteArray &name, int occurrence = 0);

// Every pair of the block, however many: a list is never cut when edited.
// A word left without a meaning at the end of the file gets an empty one.
QVector<WordPair> pairsOf(const QList<QByteArray> &lines, const ListBlock &block);

// The name line followed by the word and meaning lines; nothing when some
// text cannot be stored in Windows-1252.
std::optional<QList<QByteArray>> blockLines(const QString &name, const QVector<WordPair> &pairs);

// The store with a new list's block appended at the end, preceded by a
// separator only when another list stands before it.
QList<QByteArray> withListAppended(QList<QByteArray> store, const QList<QByteArray> &block);

// The store with the chosen list removed from its place and `block` (the
// edited list) appended at the end. A list no longer found is just appended,
// so the teacher's work is never thrown away.
QList<QByteArray> withListWrittenBack(QList<QByteArray> store, const QByteArray &oldName, int occurrence,
                                      const QList<QByteArray> &block);
