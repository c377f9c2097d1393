#include "StoreEdits.h"

#include "app/core/Cp1252.h"
#include "app/core/ListStore.h"

#include <algorithm>

namespace {

bool isBlankOrSeparator(const QByteArray &line)
{
    return line.isEmpty() || line == NewListLine;
}

// The store made ready for a block at its end: no blank or separator lines
// at the head, no "No Lists" marker once a list is written, no separator
// dangling at the tail, and the last list's pairs complete, so that the
// appended separator can only ever be read as a separator.
QList<QByteArray> readyForAppend(QList<QByteArray> lines)
{
    while (!lines.isEmpty() && isBlankOrSeparator(lines.first()))
        lines.removeFirst();
    if (!lines.isEmpty() && lines.first() == NoListsLine) {
        // Only the empty-store marker goes; a list that an old version let
        // someone call "No Lists" keeps its lines.
        const bool onlyMarker = std::all_of(lines.cbegin() + 1, lines.cend(),
                                            [](const QByteArray &line) { return line.isEmpty(); });
        if (onlyMarker)
            lines.clear();
    }
    while (!lines.isEmpty() && lines.last() == NewListLine)
        lines.removeLast();
    if (lines.isEmpty())
        return lines;

    const qsizetype lastName = liststore::nameLineIndexes(lines).last();
    const bool wordWithoutMeaning = (lines.size() - lastName - 1) % 2 == 1;
    if (wordWithoutMeaning) {
        if (lines.last().isEmpty())
            lines.removeLast(); // a stray blank line at the end of the file
        else
            lines.append(QByteArray()); // loads as a word with no meaning already
    }
    return lines;
}

} // namespace

std::optional<ListBlock> findListBlock(const QList<QByteArray> &lines, const QByteArray &name, int occurrence)
{
    int seen = 0;
    for (qsizetype index : liststore::nameLineIndexes(lines)) {
        if (lines[index] != name)
            continue;
        if (seen++ == occurrence)
            return ListBlock{index, liststore::blockEnd(lines, index)};
    }
    return std::nullopt;
}

QVector<WordPair> pairsOf(const QList<QByteArray> &lines, const ListBlock &block)
{
    QVector<WordPair> pairs;
    pairs.reserve((block.end - block.nameLine) / 2);
    for (qsizetype i = block.nameLine + 1; i < block.end; i += 2) {
        const QString meaning = i + 1 < block.end ? cp1252::decode(lines[i + 1]) : QString();
        pairs.append({cp1252::decode(lines[i]), meaning});
    }
    return pairs;
}

std::optional<QList<QByteArray>> blockLines(const QString &name, const QVector<WordPair> &pairs)
{
    QList<QByteArray> lines;
    lines.reserve(1 + 2 * pairs.size());
    const auto add = [&lines](const QString &text) {
        const auto bytes = cp1252::encode(text);
        if (bytes)
            lines.append(*bytes);
        return bytes.has_value();
    };
    if (!add(name))
        return std::nullopt;
    for (const WordPair &pair : pairs) {
        if (!add(pair.word) || !add(pair.meaning))
            return std::nullopt;
    }
    return lines;
}

QList<QByteArray> withListAppended(QList<QByteArray> store, const QList<QByteArray> &block)
{
    QList<QByteArray> lines = readyForAppend(std::move(store));
    if (!lines.isEmpty())
        lines.append(QByteArray(NewListLine.data(), NewListLine.size()));
    lines.append(block);
    return lines;
}

QList<QByteArray> withListWrittenBack(QList<QByteArray> store, const QByteArray &oldName, int occurrence,
                                      const QList<QByteArray> &block)
{
    if (const auto old = findListBlock(store, oldName, occurrence)) {
        // A name line after the first is always preceded by its separator,
        // which goes with the block.
        const qsizetype from = old->nameLine > 0 ? old->nameLine - 1 : 0;
        store.remove(from, old->end - from);
    }
    return withListAppended(std::move(store), block);
}
