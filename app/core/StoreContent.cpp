#include "StoreContent.h"

#include "ListStore.h"

#include <algorithm>

using storeencoding::comparable;

bool sameList(const StoredList &a, const StoredList &b)
{
    if (a.pairs.size() != b.pairs.size() || !storeencoding::sameText(a.name, b.name))
        return false;
    for (qsizetype i = 0; i < a.pairs.size(); ++i) {
        if (!storeencoding::sameText(a.pairs[i].word, b.pairs[i].word) ||
            !storeencoding::sameText(a.pairs[i].meaning, b.pairs[i].meaning))
            return false;
    }
    return true;
}

StoreContent StoreContent::fromFileLines(const textfile::Lines &lines)
{
    StoreContent content;
    content.m_encoding = storeencoding::detectLines(lines.views());
    content.m_lines = lines.views();
    content.m_buffers = lines.buffers();
    content.m_added = QList<bool>(lines.size(), false);
    content.m_marked = content.m_encoding == StoreEncoding::Utf8WithMark;
    return content;
}

textfile::Lines StoreContent::fileLines() const
{
    StoreEncoding target = m_encoding;
    const bool anyAdded = m_added.contains(true);
    if (target == StoreEncoding::Windows1252 && anyAdded) {
        for (qsizetype i = 0; i < m_lines.size(); ++i) {
            if (m_added[i] && !storeencoding::encodeLine(textOf(i), StoreEncoding::Windows1252)) {
                target = StoreEncoding::Utf8WithMark;
                break;
            }
        }
    }
    const bool reencode = target != m_encoding;
    QList<QByteArrayView> lines = m_lines;
    QList<QByteArray> buffers = m_buffers;
    const auto replace = [&lines, &buffers](qsizetype i, QByteArray bytes) {
        buffers.append(std::move(bytes));
        lines[i] = buffers.last();
    };
    if (reencode || anyAdded) {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (reencode || m_added[i])
                replace(i, storeencoding::encodeLine(textOf(i), target).value_or(QByteArray()));
        }
    }
    const bool markNow = !lines.isEmpty() && m_marked && !reencode && !m_added.first();
    if (target == StoreEncoding::Utf8WithMark && !lines.isEmpty() && !markNow)
        replace(0, storeencoding::Mark.toByteArray().append(lines.first()));
    return textfile::Lines(std::move(buffers), std::move(lines));
}

QByteArrayView StoreContent::bytesOf(qsizetype line) const
{
    const QByteArrayView bytes = m_lines[line];
    return line == 0 && m_marked ? bytes.sliced(storeencoding::Mark.size()) : bytes;
}

QString StoreContent::textOf(qsizetype line) const
{
    return m_added[line] ? QString::fromUtf8(m_lines[line]) : storeencoding::decodeLine(bytesOf(line), m_encoding);
}

void StoreContent::add(const QString &text)
{
    m_buffers.append(text.toUtf8());
    m_lines.append(m_buffers.last());
    m_added.append(true);
}

void StoreContent::removeLines(qsizetype from, qsizetype count)
{
    if (count <= 0)
        return;
    if (from == 0)
        m_marked = false;
    m_lines.remove(from, count);
    m_added.remove(from, count);
}

bool StoreContent::isEmpty() const
{
    if (m_lines.isEmpty() || !is(0, NoListsLine))
        return false;
    for (qsizetype i = 1; i < m_lines.size(); ++i) {
        if (!blank(i))
            return false;
    }
    return true;
}

// The first line names the first list, and the line after each "<New List>"
// line names the next (even when it reads "<New List>" itself), as every
// reader of the file walks it. Words and meanings are never taken for names.
QList<qsizetype> StoreContent::nameLines() const
{
    QList<qsizetype> indexes;
    const qsizetype count = m_lines.size();
    if (count == 0)
        return indexes;
    indexes.append(0);
    for (qsizetype i = 1; i < count; ++i) {
        if (is(i, NewListLine) && i + 1 < count) {
            indexes.append(i + 1);
            ++i;
        }
    }
    return indexes;
}

qsizetype StoreContent::blockEnd(qsizetype nameLine) const
{
    qsizetype i = nameLine + 1;
    while (i < m_lines.size() && !is(i, NewListLine))
        ++i;
    return i;
}

qsizetype StoreContent::nameLineOf(qsizetype position) const
{
    const QList<qsizetype> names = nameLines();
    return position >= 0 && position < names.size() ? names[position] : -1;
}

QStringList StoreContent::names() const
{
    QStringList names;
    for (qsizetype index : nameLines())
        names.append(textOf(index));
    return names;
}

StoredList StoreContent::listAt(qsizetype position) const
{
    const qsizetype nameLine = nameLineOf(position);
    return nameLine < 0 ? StoredList{} : listFrom(nameLine);
}

QList<StoredList> StoreContent::lists() const
{
    QList<StoredList> all;
    const QList<qsizetype> names = nameLines();
    all.reserve(names.size());
    for (qsizetype nameLine : names)
        all.append(listFrom(nameLine));
    return all;
}

StoredList StoreContent::listFrom(qsizetype nameLine) const
{
    StoredList list{textOf(nameLine), {}};
    const qsizetype end = blockEnd(nameLine);
    list.pairs.reserve((end - nameLine) / 2);
    // A word left without a meaning at the end of the file gets an empty one.
    for (qsizetype i = nameLine + 1; i < end; i += 2)
        list.pairs.append({textOf(i), i + 1 < end ? textOf(i + 1) : QString()});
    return list;
}

qsizetype StoreContent::positionOf(const QString &name, int occurrence) const
{
    const storeencoding::SameTextAs wanted(name);
    const QList<qsizetype> names = nameLines();
    int seen = 0;
    for (qsizetype position = 0; position < names.size(); ++position) {
        if (wanted(textOf(names[position])) && seen++ == occurrence)
            return position;
    }
    return -1;
}

std::optional<StoredList> StoreContent::listNamed(const QString &name, int occurrence) const
{
    const qsizetype position = positionOf(name, occurrence);
    if (position < 0)
        return std::nullopt;
    return listAt(position);
}

int StoreContent::occurrenceAt(qsizetype position) const
{
    const QStringList all = names();
    if (position < 0 || position >= all.size())
        return 0;
    return int(std::count_if(all.cbegin(), all.cbegin() + position, storeencoding::SameTextAs(all[position])));
}

// The content made ready for a list at its end: no blank or separator lines
// at the head, no "No Lists" marker once a list is written, no separator
// dangling at the tail, and the last list's pairs complete, so that the
// appended separator can only ever be read as a separator.
void StoreContent::readyForAppend()
{
    while (!m_lines.isEmpty() && (blank(0) || is(0, NewListLine)))
        removeLines(0, 1);
    if (!m_lines.isEmpty() && is(0, NoListsLine) && isEmpty()) {
        // Only the empty-store marker goes; a list that an old version let
        // someone call "No Lists" keeps its lines.
        removeLines(0, m_lines.size());
    }
    while (!m_lines.isEmpty() && is(m_lines.size() - 1, NewListLine))
        removeLines(m_lines.size() - 1, 1);
    if (m_lines.isEmpty())
        return;
    const bool wordWithoutMeaning = (m_lines.size() - nameLines().last() - 1) % 2 == 1;
    if (wordWithoutMeaning) {
        if (blank(m_lines.size() - 1))
            removeLines(m_lines.size() - 1, 1); // a stray blank line at the end of the file
        else
            add(QString()); // loads as a word with no meaning already
    }
}

void StoreContent::appendList(const StoredList &list)
{
    readyForAppend();
    if (!m_lines.isEmpty())
        add(QString::fromLatin1(NewListLine));
    add(comparable(list.name));
    for (const WordPair &pair : list.pairs) {
        add(comparable(pair.word));
        add(comparable(pair.meaning));
    }
}

void StoreContent::removeBlock(qsizetype nameLine)
{
    // A name line after the first is always preceded by its separator,
    // which goes with the block.
    const qsizetype from = nameLine > 0 ? nameLine - 1 : 0;
    removeLines(from, blockEnd(nameLine) - from);
}

void StoreContent::writeBack(qsizetype position, const StoredList &list)
{
    if (const qsizetype nameLine = nameLineOf(position); nameLine >= 0)
        removeBlock(nameLine);
    appendList(list);
}

void StoreContent::removeAt(qsizetype position)
{
    const qsizetype i = nameLineOf(position);
    if (i < 0)
        return;
    removeBlock(i);
    // After removing the first list its following separator leads the file.
    // A blank first line is kept: it names a list (a hand-edited store may
    // have one), and dropping it would turn that list's first word into a name.
    while (!m_lines.isEmpty() && is(0, NewListLine))
        removeLines(0, 1);
    if (m_lines.isEmpty())
        add(QString::fromLatin1(NoListsLine));
}

std::optional<StoreContent> ReadStore()
{
    const auto lines = textfile::readLines(storePath());
    if (!lines)
        return std::nullopt;
    return StoreContent::fromFileLines(*lines);
}

namespace dataupdate {

StoreResult updateStore(const StoreEdit &edit)
{
    textfile::Lines after;
    StoreResult result{updateLines(
                           storePath(),
                           [&edit](const textfile::Lines &now) {
                               StoreContent content = StoreContent::fromFileLines(now);
                               Change change = edit(content);
                               if (change.kind == Change::Kind::Write)
                                   change.lines = content.fileLines();
                               return change;
                           },
                           &after),
                       {}};
    result.store = StoreContent::fromFileLines(after);
    return result;
}

} // namespace dataupdate
