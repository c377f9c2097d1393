#include "DataUpdate.h"

#include "ListStore.h"
#include "SettingsFile.h"
#include "TextFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

namespace dataupdate {
namespace {

QString readOnlyMessage(const QString &folder)
{
    return QStringLiteral("The word lists and settings in the folder %1 cannot be changed from this account.")
        .arg(QDir::toNativeSeparators(folder));
}

bool writable(const QString &path, int mode = W_OK)
{
    return ::access(QFile::encodeName(path).constData(), mode) == 0;
}

// Another account of the teachers' group must be able to break the lock if
// this save dies holding it, and breaking opens the lock file for writing.
void letTheGroupBreak(const QString &lockPath)
{
    const QByteArray name = QFile::encodeName(lockPath);
    struct stat info {};
    if (::stat(name.constData(), &info) == 0 && (info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP))
        ::chmod(name.constData(), (info.st_mode & 07777) | S_IRGRP | S_IWGRP);
}

// QLockFile's own wait sleeps longer and longer between attempts, so under
// many saves a waiting writer keeps missing the moments the lock is free.
bool takeLock(QLockFile &lock)
{
    QElapsedTimer waited;
    waited.start();
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || waited.elapsed() >= LockWaitMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

} // namespace

Result updateFile(const QString &path, const Edit &edit)
{
    const QString where = QDir::toNativeSeparators(path);
    const QString folder = QFileInfo(path).absolutePath();
    const QString lockPath = path + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    lock.setStaleLockTime(StaleLockMs);
    if (!takeLock(lock)) {
        switch (lock.error()) {
        case QLockFile::PermissionError:
            return {Outcome::ReadOnly, readOnlyMessage(folder) + QStringLiteral("\n\nNothing was saved."), {}};
        case QLockFile::LockFailedError:
            return {Outcome::Busy,
                    QStringLiteral("Another computer is saving %1 just now.\n\nPlease try again in a moment.")
                        .arg(where),
                    {}};
        default:
            return {Outcome::WriteFailed,
                    QStringLiteral("Could not save %1: the folder %2 cannot be reached.")
                        .arg(where, QDir::toNativeSeparators(folder)),
                    {}};
        }
    }
    letTheGroupBreak(lockPath);
    if (QFileInfo::exists(path) && !writable(path))
        return {Outcome::ReadOnly, readOnlyMessage(folder) + QStringLiteral("\n\nNothing was saved."), {}};
    const auto now = textfile::readLines(path);
    if (!now)
        return {Outcome::ReadFailed, QStringLiteral("Could not read %1.\n\nNothing was saved.").arg(where), {}};
    Change change = edit(*now);
    switch (change.kind) {
    case Change::Kind::Refuse:
        return {Outcome::Refused, change.why, *now};
    case Change::Kind::Conflict:
        return {Outcome::Conflict, change.why, *now};
    case Change::Kind::Write:
        break;
    }
    if (const auto saved = textfile::writeLines(path, change.lines); !saved)
        return {Outcome::WriteFailed, saved.error, *now};
    return {Outcome::Saved, {}, std::move(change.lines)};
}

Result updateStore(const Edit &edit)
{
    return updateFile(storePath(), edit);
}

Result updateSettings(const Edit &edit)
{
    return updateFile(settingsPath(), [&edit](const QList<QByteArray> &now) {
        Change change = edit(now);
        if (change.kind == Change::Kind::Write)
            padSettingsLines(change.lines);
        return change;
    });
}

bool canWriteDataFolder(QString *why)
{
    const QString folder = QFileInfo(storePath()).absolutePath();
    // The folder takes the lock files and the new files a save renames over
    // the old; each data file must be writable itself, or the save is refused.
    const bool ok = writable(folder, W_OK | X_OK) && writable(storePath()) && writable(settingsPath());
    if (!ok && why)
        *why = readOnlyMessage(folder);
    return ok;
}

} // namespace dataupdate
