#pragma once

#include "DataUpdate.h"
#include "StoreEncoding.h"
#include "WordPair.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

// A list as the store holds it.
struct StoredList {
    QString name;
    WordPairs pairs;
};

// Names and pairs compared as text: the same letters, whatever the bytes
// or the composition.
bool sameList(const StoredList &a, const StoredList &b);

// The word-list store's content, the one owner of its format: names, pairs,
// separators and encoding. Lists are addressed by their position in store
// order (0 = first), never by name alone: two lists may share a name, and a
// word may equal a list's name.
//
// Built from the file's lines, it decides the encoding once and decodes a
// line only when asked for it. It gives the file's lines back with every
// line it did not change byte for byte, as long as the encoding holds: a
// Windows-1252 store turns into UTF-8 with a byte-order mark, re-encoded
// whole, the first time it is given text Windows-1252 cannot hold.
class StoreContent {
public:
    StoreContent() = default;
    static StoreContent fromFileLines(const textfile::Lines &lines);
    textfile::Lines fileLines() const;

    StoreEncoding encoding() const { return m_encoding; } // as read

    // The name of each list in store order; an empty store is the single
    // line "No Lists", which reads as one name, as the choosers show it.
    QStringList names() const;
    qsizetype listCount() const { return nameLines().size(); }
    // The empty store: "No Lists" and nothing but blank lines after it.
    bool isEmpty() const;
    StoredList listAt(qsizetype position) const;
    // Every list in store order. One pass over the lines, where a loop of
    // listAt() finds the lists' starts again for each.
    QList<StoredList> lists() const;

    // The position of the `occurrence`-th list (0 = first) named `name`,
    // or -1. Names compare as text.
    qsizetype positionOf(const QString &name, int occurrence = 0) const;
    // Which of the lists of its name the list at `position` is.
    int occurrenceAt(qsizetype position) const;
    bool hasListNamed(const QString &name) const { return positionOf(name) >= 0; }
    // The `occurrence`-th list named `name`, or nothing when there is none.
    std::optional<StoredList> listNamed(const QString &name, int occurrence = 0) const;

    // The list added at the end; its text is stored in composed form (NFC).
    void appendList(const StoredList &list);
    // The list at `position` taken from its place and `list` appended at the
    // end. An unknown position just appends, so no teacher's work is lost.
    void writeBack(qsizetype position, const StoredList &list);
    // The list at `position` removed, with one neighbouring separator;
    // removing the last list leaves the single line "No Lists".
    void removeAt(qsizetype position);

private:
    // Lines are views of the file's bytes; a line this program added is
    // held as UTF-8 and encoded when written. A store of a million lines is
    // then one buffer and a list of views, not a million decoded strings.
    QByteArrayView bytesOf(qsizetype line) const;
    QString textOf(qsizetype line) const;
    bool is(qsizetype line, QByteArrayView ascii) const { return bytesOf(line) == ascii; }
    bool blank(qsizetype line) const { return bytesOf(line).isEmpty(); }
    void add(const QString &text);
    void removeLines(qsizetype from, qsizetype count);
    QList<qsizetype> nameLines() const;
    qsizetype blockEnd(qsizetype nameLine) const;
    qsizetype nameLineOf(qsizetype position) const;
    StoredList listFrom(qsizetype nameLine) const;
    void removeBlock(qsizetype nameLine);
    void readyForAppend();

    QList<QByteArrayView> m_lines; // into m_buffers
    QList<QByteArray> m_buffers;
    QList<bool> m_added;
    bool m_marked = false; // m_lines[0] still starts with the file's byte-order mark
    StoreEncoding m_encoding = StoreEncoding::Windows1252;
};

// The store as it is in the file now; nothing when it cannot be read.
std::optional<StoreContent> ReadStore();

namespace dataupdate {

// A change of the store, made on its content as it is now. Change::save()
// writes the content as the edit left it.
using StoreEdit = std::function<Change(StoreContent &now)>;

struct StoreResult : Result {
    StoreContent store; // what the file holds now, as far as this call knows
};

StoreResult updateStore(const StoreEdit &edit); // thelists.dat in AppPath

} // namespace dataupdate
