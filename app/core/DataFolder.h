#pragma once

#include <QString>
#include <QStringList>

// The data folder holds the teacher's two files only; pictures and sounds are
// the program's own files, found beside the executable. The folder is chosen
// once at start. A folder someone named (option, variable, setting) is taken
// as it is: an unmounted share usually leaves an empty mount point, and
// filling that with fresh lists would hide the school's lists from everyone.
// Only the per-user default folder is created and seeded.

// The files a data folder must hold.
QStringList dataFileNames();

// Where each source of the choice stands, most important first.
struct DataFolderSources {
    QString option;          // --data DIR
    QString environment;     // LINGO_SPARK_DATA
    QStringList configFiles; // lingo-spark.conf files, the user's before the system's
    QString defaultFolder;   // ${XDG_DATA_HOME:-~/.local/share}/lingo-spark
};

struct DataFolderChoice {
    QString folder;       // absolute
    QString origin;       // said in messages: "--data", "LINGO_SPARK_DATA", a config file
    bool isDefault = false;
};

// The sources as this process sees them (environment, XDG config folders).
DataFolderSources systemDataFolderSources(const QString &option);

// The first source that names a folder; an empty variable or setting names
// none. A relative setting is taken from its config file's folder.
DataFolderChoice chooseDataFolder(const DataFolderSources &sources);

// The DataFolder= value of one config file ("# ..." and "; ..." are comments,
// a leading "~/" is the home folder); empty when it sets none.
QString configuredDataFolder(const QString &configFile);

// Makes the chosen folder ready: the default folder is created and given the
// data files it lacks from `programFolder`; any other folder is only checked.
// Empty when the folder is usable, else the message for the user, naming the
// folder and the file.
QString prepareDataFolder(const DataFolderChoice &choice, const QString &programFolder);

// The program's own files: `applicationDir`/../share/lingo-spark when it is
// there (an installed program), else `fallback` (the source tree's data/ for
// a program run from its build folder).
QString findProgramFolder(const QString &applicationDir, const QString &fallback);
