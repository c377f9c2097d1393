#include "ListStore.h"

#include "SharedState.h"
#include "StoreEncoding.h"

namespace {

void report(bool *readable, bool value)
{
    if (readable)
        *readable = value;
}

} // namespace

QString storePath()
{
    return appFile(QStringLiteral("thelists.dat"));
}

bool StoreIsEmpty(bool *readable)
{
    // The first line tells, and the main menu asks each time it loads: a
    // school's store of many megabytes is not read whole for it.
    const auto first = textfile::readFirstLine(storePath());
    report(readable, first.has_value());
    return first && storeencoding::withoutMark(*first) == NoListsLine;
}

QStringList ReadListNames(bool *readable)
{
    QStringList names;
    const auto bytes = textfile::readBytes(storePath());
    report(readable, bytes.has_value());
    if (!bytes)
        return names;
    const StoreEncoding encoding = storeencoding::detect(*bytes);
    textfile::LineScanner scanner(storeencoding::withoutMark(*bytes));
    NameLines walk(scanner);
    QByteArrayView name;
    while (walk.next(name))
        names.append(storeencoding::decodeLine(name, encoding));
    return names;
}

bool LoadList(bool *readable)
{
    Shared.WordCount = 0;
    const auto bytes = textfile::readBytes(storePath());
    report(readable, bytes.has_value());
    if (!bytes)
        return false;
    const StoreEncoding encoding = storeencoding::detect(*bytes);
    const storeencoding::SameTextAs wanted(Shared.CurrentList);
    textfile::LineScanner scanner(storeencoding::withoutMark(*bytes));
    NameLines walk(scanner);
    QByteArrayView name;
    bool found = false;
    while (!found && walk.next(name))
        found = wanted(storeencoding::decodeLine(name, encoding));
    if (!found)
        return false;

    int count = 0;
    QByteArrayView word, meaning;
    while (count < MaxPairs && scanner.next(word) && word != NewListLine) {
        ++count;
        Shared.Words[count] = storeencoding::decodeLine(word, encoding);
        // A list cut off after a word (at the end of the file or before the
        // next list) still loads that word, with no meaning.
        const bool hasMeaning = scanner.next(meaning) && meaning != NewListLine;
        Shared.Meanings[count] = hasMeaning ? storeencoding::decodeLine(meaning, encoding) : QString();
        if (!hasMeaning)
            break;
    }
    Shared.WordCount = std::int16_t(count);
    return true;
}

std::optional<QList<QByteArray>> ReadStoreLines()
{
    const auto lines = textfile::readLines(storePath());
    return lines ? std::optional(lines->toList()) : std::nullopt;
}

textfile::SaveResult WriteStoreLines(const QList<QByteArray> &lines)
{
    return textfile::writeLines(storePath(), lines);
}

QList<QByteArray> listNamesOf(const QList<QByteArray> &lines)
{
    QList<QByteArray> names;
    for (qsizetype index : liststore::nameLineIndexes(lines))
        names.append(lines[index]);
    return names;
}

namespace liststore {

QList<qsizetype> nameLineIndexes(const QList<QByteArray> &lines)
{
    QList<qsizetype> indexes;
    LineCursor cursor(lines);
    NameLines walk(cursor);
    QByteArrayView name;
    while (walk.next(name))
        indexes.append(cursor.index());
    return indexes;
}

qsizetype nameLineOf(const QList<QByteArray> &lines, qsizetype position)
{
    if (position < 0)
        return -1;
    LineCursor cursor(lines);
    NameLines walk(cursor);
    QByteArrayView name;
    for (qsizetype seen = 0; walk.next(name); ++seen) {
        if (seen == position)
            return cursor.index();
    }
    return -1;
}

qsizetype blockEnd(const QList<QByteArray> &lines, qsizetype nameLine)
{
    qsizetype i = nameLine + 1;
    while (i < lines.size() && lines[i] != NewListLine)
        ++i;
    return i;
}

} // namespace liststore
