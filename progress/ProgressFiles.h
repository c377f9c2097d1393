#pragma once

#include "Book.h"

#include <QDateTime>
#include <QFileDevice>
#include <QString>

// Where progress lives: the account's own file in its state folder, one per
// data folder, and, where a school made one, a copy in the data folder's
// class folder for the teachers. Never in the lists or the settings.
namespace progress {

// ${XDG_STATE_HOME:-~/.local/state}/lingo-spark/progress (Qt 6.4 knows no
// state location). A relative XDG_STATE_HOME is ignored, as the XDG rules say.
QString defaultStateFolder();

// The account's file for one data folder: named by the SHA-1 of the folder's
// canonical path, so two names of one folder (a link, "..") share it.
QString accountFilePath(const QString &stateFolder, const QString &dataFolder);

// The data folder's class folder, "progress" beside the lists.
QString classFolderPath(const QString &dataFolder);
// Whether this account can write its file there: the folder exists and this
// account may create and replace files in it.
bool canWriteClassFolder(const QString &dataFolder);
// This account's name (the password database's), else its decimal uid.
QString accountName();
QString classFilePath(const QString &dataFolder);

struct BookRead {
    Book book;
    // A line for stderr when the file was damaged or foreign and set aside,
    // or could not be read; empty otherwise.
    QString problem;
    // False when a file was there that could neither be read nor set aside:
    // writing would overwrite what was never read.
    bool mayWrite = true;
};

// Reads the account's file; a missing file is an empty book. A damaged or
// foreign one is renamed to "<name>.damaged-<yyyyMMdd-HHmmss>" (never
// deleted) and progress starts again.
BookRead readAccountFile(const QString &path, const QDateTime &now);

// Replaces `path` atomically with `bytes`, with `permissions` whatever the
// umask; the folder is made (owner only) when `makeFolder`. Empty on
// success, else why not.
QString replaceFile(const QString &path, const QByteArray &bytes, QFileDevice::Permissions permissions, bool makeFolder);

// rw------- for the account's own file, rw-r----- for the class file.
inline constexpr QFileDevice::Permissions OwnFilePermissions{QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                            QFileDevice::ReadUser | QFileDevice::WriteUser};
inline constexpr QFileDevice::Permissions ClassFilePermissions{OwnFilePermissions | QFileDevice::ReadGroup};

} // namespace progress
