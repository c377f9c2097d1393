#include "DataFolder.h"

#include "ConfigFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString absoluteFolder(const QString &path, const QDir &base = QDir::current())
{
    QString expanded = path;
    if (expanded == u'~' || expanded.startsWith(QStringLiteral("~/")))
        expanded = QDir::homePath() + expanded.mid(1);
    return QDir::cleanPath(base.absoluteFilePath(expanded));
}

QString shown(const QString &folder)
{
    return QDir::toNativeSeparators(folder);
}

bool readable(const QString &path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

// Empty when the folder and every data file in it can be read.
QString checkFolder(const DataFolderChoice &choice)
{
    // Who named the folder, so a technician knows which setting to mend.
    const QString setBy = choice.isDefault ? QString() : QCoreApplication::translate("DataFolder",
        "(set by %1)\n").arg(shown(choice.origin));
    const QString folder = shown(choice.folder);
    if (!QFileInfo(choice.folder).isDir())
        return QCoreApplication::translate("DataFolder",
            "Lingo-Spark cannot start: the data folder\n%1\n%2does not exist.\n\n"
            "If it is on a shared drive, check that the drive is connected.")
            .arg(folder, setBy);
    if (!QDir(choice.folder).isReadable())
        return QCoreApplication::translate("DataFolder",
            "Lingo-Spark cannot start: the data folder\n%1\n%2cannot be read from this account.")
            .arg(folder, setBy);
    for (const QString &name : dataFileNames()) {
        if (!readable(QDir(choice.folder).filePath(name)))
            return QCoreApplication::translate("DataFolder",
                "Lingo-Spark cannot start: the file \"%1\" is missing or cannot be read in the "
                "data folder\n%2\n%3\nIf the folder is on a shared drive, check that the drive "
                "is connected; otherwise copy the file there again.")
                .arg(name, folder, setBy);
    }
    return {};
}

// The default folder gets the data files it lacks; files already there are
// the user's and are never replaced.
QString seedDefaultFolder(const QString &folder, const QString &programFolder)
{
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("DataFolder",
            "Lingo-Spark cannot start: it cannot create its data folder\n%1").arg(shown(folder));
    for (const QString &name : dataFileNames()) {
        const QString target = QDir(folder).filePath(name);
        if (QFileInfo::exists(target))
            continue;
        const QString source = QDir(programFolder).filePath(name);
        if (!QFile::copy(source, target))
            return QCoreApplication::translate("DataFolder",
                "Lingo-Spark cannot start: it cannot copy \"%1\" from\n%2\ninto its data folder\n%3")
                .arg(name, shown(programFolder), shown(folder));
        // The shipped copy may be read-only; the user's copy is theirs to change.
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
    return {};
}

} // namespace

QStringList dataFileNames()
{
    return {QStringLiteral("thelists.dat"), QStringLiteral("lsdata.dat")};
}

DataFolderSources systemDataFolderSources(const QString &option)
{
    DataFolderSources sources;
    sources.option = option;
    sources.environment = qEnvironmentVariable("LINGO_SPARK_DATA");
    sources.configFiles = lingoSparkConfigFiles();
    sources.defaultFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/lingo-spark");
    return sources;
}

QString configuredDataFolder(const QString &configFile)
{
    return configFileValue(configFile, QStringLiteral("DataFolder"));
}

DataFolderChoice chooseDataFolder(const DataFolderSources &sources)
{
    if (!sources.option.isEmpty())
        return {absoluteFolder(sources.option), QStringLiteral("--data"), false};
    if (!sources.environment.isEmpty())
        return {absoluteFolder(sources.environment), QStringLiteral("LINGO_SPARK_DATA"), false};
    for (const QString &config : sources.configFiles) {
        const QString folder = configuredDataFolder(config);
        if (!folder.isEmpty())
            return {absoluteFolder(folder, QFileInfo(config).absoluteDir()), config, false};
    }
    return {absoluteFolder(sources.defaultFolder), QString(), true};
}

QString prepareDataFolder(const DataFolderChoice &choice, const QString &programFolder)
{
    if (choice.isDefault) {
        const QString problem = seedDefaultFolder(choice.folder, programFolder);
        if (!problem.isEmpty())
            return problem;
    }
    return checkFolder(choice);
}

QString findProgramFolder(const QString &applicationDir, const QString &fallback)
{
    const QString installed = QDir::cleanPath(applicationDir + QStringLiteral("/../share/lingo-spark"));
    return QFileInfo(installed).isDir() ? installed : fallback;
}
