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

// The readers below cannot tell an unreadable file from an empty one by
// their results alone; a caller that writes from what they found passes
// `readable` and writes nothing when it comes back false.

bool StoreIsEmpty(bool *readable = nullptr);

// The list names in file order (for an empty store: "No Lists").
QStringList ReadListNames(bool *readable = nullptr);

// Fills Words, Meanings and WordCount with the first list named CurrentList.
// A name no longer in the store loads 0 pairs. Returns whether it was found.
bool LoadList(bool *readable = nullptr);

// Every line of the store as its bytes; nothing when the file cannot be read.
std::optional<QList<QByteArray>> ReadStoreLines();

textfile::SaveResult WriteStoreLines(const QList<QByteArray> &lines);

// Hands out the lines of a store held in memory one at a time, as
// textfile::LineScanner does for a file's bytes, so both feed NameLines.
class LineCursor {
public:
    explicit LineCursor(const QList<QByteArray> &lines) : m_lines(lines) {}
    bool next(QByteArrayView &line)
    {
        if (m_next >= m_lines.size())
            return false;
        line = m_lines[m_next++];
        return true;
    }
    bool skipPast(QByteArrayView wanted)
    {
        while (m_next < m_lines.size()) {
            if (m_lines[m_next++] == wanted)
                return true;
        }
        return false;
    }
    qsizetype index() const { return m_next - 1; } // of the line last handed out

private:
    const QList<QByteArray> &m_lines;
    qsizetype m_next = 0;
};

// The one walk over a store's name lines, shared by every reader and writer
// so that the names a chooser shows, the list that loads and the lines a
// rewrite replaces always agree: the first line names the first list, and
// the line after each "<New List>" line names the next (even when it reads
// "<New List>" itself). Words and meanings are never taken for names. A list
// runs from its name line to the next "<New List>" line.
template <class Lines>
class NameLines {
public:
    explicit NameLines(Lines &lines) : m_lines(lines) {}

    // The next name line; `lines` is left just after it, on the list's pairs.
    bool next(QByteArrayView &name)
    {
        if (!m_started) {
            m_started = true;
            return m_lines.next(name);
        }
        return m_lines.skipPast(NewListLine) && m_lines.next(name);
    }

private:
    Lines &m_lines;
    bool m_started = false;
};

// The list names of a store given as lines, in order (what ReadListNames
// would yield for the same file).
QList<QByteArray> listNamesOf(const QList<QByteArray> &lines);

namespace liststore {

// The indexes of the name lines, in store order.
QList<qsizetype> nameLineIndexes(const QList<QByteArray> &lines);

// The index of the name line of the list at `position` (0 = first), or -1.
qsizetype nameLineOf(const QList<QByteArray> &lines, qsizetype position);

// One past the last line of the list whose name line is `nameLine`: the
// index of the next "<New List>" line, or the number of lines.
qsizetype blockEnd(const QList<QByteArray> &lines, qsizetype nameLine);

} // namespace liststore
