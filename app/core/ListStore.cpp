#include "ListStore.h"

#include "Cp1252.h"
#include "SharedState.h"

QString storePath()
{
    return appFile(QStringLiteral("thelists.dat"));
}

bool StoreIsEmpty()
{
    const textfile::FileBytes file(storePath());
    textfile::LineScanner scanner(file.bytes());
    QByteArrayView first;
    return scanner.next(first) && first == NoListsLine;
}

QStringList ReadListNames()
{
    QStringList names;
    const textfile::FileBytes file(storePath());
    textfile::LineScanner scanner(file.bytes());
    QByteArrayView line;
    if (scanner.next(line))
        names.append(cp1252::decode(line));
    while (scanner.next(line)) {
        if (line == NewListLine && scanner.next(line))
            names.append(cp1252::decode(line));
    }
    return names;
}

bool LoadList()
{
    Shared.WordCount = 0;
    const auto wanted = cp1252::encode(Shared.CurrentList);
    if (!wanted)
        return false;
    const textfile::FileBytes file(storePath());
    textfile::LineScanner scanner(file.bytes());
    QByteArrayView line;
    bool found = scanner.next(line) && line == *wanted;
    while (!found && scanner.next(line)) {
        // Only a line after a separator is a name; words and meanings that
        // happen to equal a list's name are passed over.
        if (line == NewListLine && scanner.next(line))
            found = line == *wanted;
    }
    if (!found)
        return false;

    int count = 0;
    QByteArrayView word, meaning;
    while (count < MaxPairs && scanner.next(word) && word != NewListLine) {
        ++count;
        Shared.Words[count] = cp1252::decode(word);
        // A file cut off after a word still loads that word, with no meaning.
        Shared.Meanings[count] = scanner.next(meaning) ? cp1252::decode(meaning) : QString();
    }
    Shared.WordCount = std::int16_t(count);
    return true;
}

std::optional<QList<QByteArray>> ReadStoreLines()
{
    return textfile::readLines(storePath());
}

textfile::SaveResult WriteStoreLines(const QList<QByteArray> &lines)
{
    return textfile::writeLines(storePath(), lines);
}

QList<QByteArray> listNamesOf(const QList<QByteArray> &lines)
{
    QList<QByteArray> names;
    if (lines.isEmpty())
        return names;
    names.append(lines.first());
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        if (lines[i] == NewListLine) {
            names.append(lines[i + 1]);
            ++i;
        }
    }
    return names;
}
