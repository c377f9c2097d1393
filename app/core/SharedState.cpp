#include "SharedState.h"

#include "DataFolder.h"

#include <QCoreApplication>
#include <QDir>

Module1 Shared;

namespace {

QStringList firstEntries(const std::array<QString, MaxPairs + 1> &entries)
{
    QStringList part;
    for (int i = 1; i <= Shared.WordCount && i <= MaxPairs; ++i)
        part.append(entries[size_t(i)]);
    return part;
}

} // namespace

QStringList loadedWords()
{
    return firstEntries(Shared.Words);
}

WordPairs loadedPairs()
{
    WordPairs pairs;
    for (int i = 1; i <= Shared.WordCount && i <= MaxPairs; ++i)
        pairs.append({Shared.Words[size_t(i)], Shared.Meanings[size_t(i)]});
    return pairs;
}

QString appFile(const QString &name)
{
    return QDir(Shared.AppPath).filePath(name);
}

QString programFolder()
{
    // Found once: the executable does not move while it runs.
    static const QString folder =
        findProgramFolder(QCoreApplication::applicationDirPath(), QStringLiteral(LINGO_SOURCE_DATA_DIR));
    return folder;
}

QString programFile(const QString &name)
{
    return QDir(programFolder()).filePath(name);
}
