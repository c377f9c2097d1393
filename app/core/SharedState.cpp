#include "SharedState.h"

#include "DataFolder.h"

#include <QCoreApplication>
#include <QDir>

Module1 Shared;

namespace {

QString &programFolderSetting()
{
    static QString folder;
    return folder;
}

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

QStringList loadedMeanings()
{
    return firstEntries(Shared.Meanings);
}

QString appFile(const QString &name)
{
    return QDir(Shared.AppPath).filePath(name);
}

void setProgramFolder(const QString &folder)
{
    programFolderSetting() = folder;
}

QString programFolder()
{
    QString &folder = programFolderSetting();
    if (folder.isEmpty())
        folder = findProgramFolder(QCoreApplication::applicationDirPath(), QStringLiteral(LINGO_SOURCE_DATA_DIR));
    return folder;
}

QString programFile(const QString &name)
{
    return QDir(programFolder()).filePath(name);
}
