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

StoreContent StoreContent::fromFileLines(const QList<QByteArray> &lines)
{
    StoreContent content;
    content.m_encoding = storeencoding::detectLines(lines);
    content.m_lines.reserve(lines.size());
    for (const QByteArray &line : lines)
        content.m_lines.append({line, {}, true});
    if (content.m_encoding == StoreEncoding::Utf8WithMark)
        content.m_lines.first().bytes = lines.first().mid(storeencoding::Mark.size());
    return content;
}

QList<QByteArray> StoreContent::fileLines() const
{
    StoreEncoding target = m_encoding;
    if (target == StoreEncoding::Windows1252) {
        const bool fits = std::all_of(m_lines.cbegin(), m_lines.cend(), [](const Line &line) {
            return line.fromFile || storeencoding::encodeLine(line.text, StoreEncoding::Windows1252);
        });
        if (!fits)
            target = StoreEncoding::Utf8WithMark;
    }
    const bool reencode = target != m_encoding;
    QList<QByteArray> lines;
    lines.reserve(m_lines.size());
    for (const Line &line : m_lines) {
        if (line.fromFile && !reencode)
            lines.append(line.bytes);
        else
            lines.append(storeencoding::encodeLine(textOf(line), target).value_or(QByteArray()));
    }
    if (target == StoreEncoding::Utf8WithMark && !lines.isEmpty())
        lines.first().prepend(storeencoding::Mark.data(), storeencoding::Mark.size());
    return lines;
}

bool StoreContent::isEmpty() const
{
    return !m_lines.isEmpty() && is(m_lines.first(), NoListsLine) &&
           std::all_of(m_lines.cbegin() + 1, m_lines.cend(), [this](const Line &line) { return blank(line); });
}

bool StoreContent::blank(const Line &line) const
{
    return line.fromFile ? line.bytes.isEmpty() : line.text.isEmpty();
}

bool StoreContent::is(const Line &line, QByteArrayView ascii) const
{
    return line.fromFile ? line.bytes == ascii : line.text == QLatin1StringView(ascii.data(), ascii.size());
}

QString StoreContent::textOf(const Line &line) const
{
    return line.fromFile ? storeencoding::decodeLine(line.bytes, m_encoding) : line.text;
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
        if (is(m_lines[i], NewListLine) && i + 1 < count) {
            indexes.append(i + 1);
            ++i;
        }
    }
    return indexes;
}

qsizetype StoreContent::blockEnd(qsizetype nameLine) const
{
    qsizetype i = nameLine + 1;
    while (i < m_lines.size() && !is(m_lines[i], NewListLine))
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
        names.append(textOf(m_lines[index]));
    return names;
}

StoredList StoreContent::listAt(qsizetype position) const
{
    const qsizetype nameLine = nameLineOf(position);
    if (nameLine < 0)
        return {};
    StoredList list{textOf(m_lines[nameLine]), {}};
    const qsizetype end = blockEnd(nameLine);
    list.pairs.reserve((end - nameLine) / 2);
    // A word left without a meaning at the end of the file gets an empty one.
    for (qsizetype i = nameLine + 1; i < end; i += 2)
        list.pairs.append({textOf(m_lines[i]), i + 1 < end ? textOf(m_lines[i + 1]) : QString()});
    return list;
}

qsizetype StoreContent::positionOf(const QString &name, int occurrence) const
{
    const QString wanted = comparable(name);
    const QList<qsizetype> names = nameLines();
    int seen = 0;
    for (qsizetype position = 0; position < names.size(); ++position) {
        const QString stored = textOf(m_lines[names[position]]);
        if ((stored == name || comparable(stored) == wanted) && seen++ == occurrence)
            return position;
    }
    return -1;
}

int StoreContent::occurrenceAt(qsizetype position) const
{
    const QStringList all = names();
    if (position < 0 || position >= all.size())
        return 0;
    const QString wanted = comparable(all[position]);
    return int(std::count_if(all.cbegin(), all.cbegin() + position,
                             [&wanted](const QString &name) { return comparable(name) == wanted; }));
}

// The content made ready for a list at its end: no blank or separator lines
// at the head, no "No Lists" marker once a list is written, no separator
// dangling at the tail, and the last list's pairs complete, so that the
// appended separator can only ever be read as a separator.
void StoreContent::readyForAppend()
{
    const auto blank = [this](const Line &line) { return this->blank(line); };
    while (!m_lines.isEmpty() && (blank(m_lines.first()) || is(m_lines.first(), NewListLine)))
        m_lines.removeFirst();
    if (!m_lines.isEmpty() && is(m_lines.first(), NoListsLine)) {
        // Only the empty-store marker goes; a list that an old version let
        // someone call "No Lists" keeps its lines.
        if (std::all_of(m_lines.cbegin() + 1, m_lines.cend(), blank))
            m_lines.clear();
    }
    while (!m_lines.isEmpty() && is(m_lines.last(), NewListLine))
        m_lines.removeLast();
    if (m_lines.isEmpty())
        return;
    const bool wordWithoutMeaning = (m_lines.size() - nameLines().last() - 1) % 2 == 1;
    if (wordWithoutMeaning) {
        if (blank(m_lines.last()))
            m_lines.removeLast(); // a stray blank line at the end of the file
        else
            m_lines.append(added(QString())); // loads as a word with no meaning already
    }
}

void StoreContent::appendList(const StoredList &list)
{
    readyForAppend();
    if (!m_lines.isEmpty())
        m_lines.append(added(NewListLine.toByteArray()));
    m_lines.reserve(m_lines.size() + 1 + 2 * list.pairs.size());
    m_lines.append(added(comparable(list.name)));
    for (const WordPair &pair : list.pairs) {
        m_lines.append(added(comparable(pair.word)));
        m_lines.append(added(comparable(pair.meaning)));
    }
}

void StoreContent::removeBlock(qsizetype nameLine)
{
    // A name line after the first is always preceded by its separator,
    // which goes with the block.
    const qsizetype from = nameLine > 0 ? nameLine - 1 : 0;
    m_lines.remove(from, blockEnd(nameLine) - from);
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
    while (!m_lines.isEmpty() && is(m_lines.first(), NewListLine))
        m_lines.removeFirst();
    if (m_lines.isEmpty())
        m_lines.append(added(NoListsLine.toByteArray()));
}

std::optional<StoreContent> ReadStore()
{
    const auto lines = ReadStoreLines();
    if (!lines)
        return std::nullopt;
    return StoreContent::fromFileLines(*lines);
}

namespace dataupdate {

Result updateStore(const StoreEdit &edit)
{
    return updateFile(storePath(), [&edit](const QList<QByteArray> &now) {
        StoreContent content = StoreContent::fromFileLines(now);
        Change change = edit(content);
        if (change.kind == Change::Kind::Write)
            change.lines = content.fileLines();
        return change;
    });
}

} // namespace dataupdate
