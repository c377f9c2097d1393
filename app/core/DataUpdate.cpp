#include "DataUpdate.h"

#include "FileLock.h"
#include "ListStore.h"
#include "SettingsFile.h"
#include "TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRandomGenerator>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <unistd.h>

namespace dataupdate {
namespace {

std::atomic<WaitNotifier> waitNotifier{nullptr};

QString readOnlyMessage(const QString &folder)
{
    return QCoreApplication::translate("DataUpdate",
        "The word lists and settings in the folder %1 cannot be changed from this account.")
        .arg(QDir::toNativeSeparators(folder));
}

bool writable(const QString &path, int mode = W_OK)
{
    return ::access(QFile::encodeName(path).constData(), mode) == 0;
}

// Locks of the POSIX kind do not keep out a second lock taken by the same
// process, and closing any descriptor of the file drops them: so within one
// process, one update of a file runs at a time. A nested update of the same
// file from the same thread could never get its turn, and is Busy at once.
class InProcessTurn {
public:
    enum class Status { Taken, Nested, Waiting };

    explicit InProcessTurn(QString path)
        : m_path(std::move(path))
    {
    }
    ~InProcessTurn()
    {
        if (m_taken) {
            QMutexLocker guard(&mutex);
            holders.remove(m_path);
        }
    }

    Status take()
    {
        if (m_taken)
            return Status::Taken;
        QMutexLocker guard(&mutex);
        const auto holder = holders.constFind(m_path);
        if (holder == holders.cend()) {
            holders.insert(m_path, QThread::currentThreadId());
            m_taken = true;
            return Status::Taken;
        }
        return *holder == QThread::currentThreadId() ? Status::Nested : Status::Waiting;
    }

private:
    static inline QMutex mutex;
    static inline QHash<QString, Qt::HANDLE> holders;
    QString m_path;
    bool m_taken = false;
};

// Tells the interface once that a save waits, and again when it stops
// waiting, on every path out.
class WaitShown {
public:
    WaitShown() = default;
    ~WaitShown()
    {
        if (m_notifier)
            m_notifier(false);
    }
    void begin()
    {
        if (!m_notifier && (m_notifier = waitNotifier.load()))
            m_notifier(true);
    }

private:
    WaitNotifier m_notifier = nullptr;
};

// Crash tests kill saves inside their locked section; this widens it.
void pauseForTests()
{
    static const int pauseMs = qEnvironmentVariableIntValue("LINGO_SPARK_TEST_SAVE_PAUSE_MS");
    if (pauseMs > 0)
        QThread::msleep(QRandomGenerator::global()->bounded(pauseMs + 1));
}

Result readOnly(const QString &folder)
{
    return {Outcome::ReadOnly, QCoreApplication::translate("DataUpdate",
        "%1\n\nNothing was saved.").arg(readOnlyMessage(folder)), {}};
}

Result busy(const QString &where)
{
    return {Outcome::Busy,
            QCoreApplication::translate("DataUpdate",
                "Another computer is saving %1 just now.\n\nPlease try again in a moment.").arg(where),
            {}};
}

} // namespace

QString lockPathFor(const QString &path)
{
    return path + QStringLiteral(".lck");
}

void setWaitNotifier(WaitNotifier notifier)
{
    waitNotifier = notifier;
}

Result updateFile(const QString &path, const Edit &edit)
{
    textfile::Lines after;
    Result result = updateLines(
        path, [&edit](const textfile::Lines &now) { return edit(now.toList()); }, &after);
    result.lines = after.toList();
    return result;
}

Result updateLines(const QString &path, const LinesEdit &edit, textfile::Lines *after)
{
    const QString where = QDir::toNativeSeparators(path);
    const QString folder = QFileInfo(path).absolutePath();
    const QString lockPath = lockPathFor(QFileInfo(path).absoluteFilePath());
    InProcessTurn turn(lockPath);
    filelock::Lock lock(lockPath);
    WaitShown waitShown;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const InProcessTurn::Status ours = turn.take();
        if (ours == InProcessTurn::Status::Nested)
            return busy(where);
        if (ours == InProcessTurn::Status::Taken) {
            const filelock::Status status = lock.tryLock();
            if (status == filelock::Status::Locked)
                break;
            if (status == filelock::Status::NotWritable)
                return readOnly(folder);
            if (status == filelock::Status::Failed)
                return {Outcome::WriteFailed,
                        lock.error() == ENOLCK
                            ? QCoreApplication::translate("DataUpdate",
                                "Could not save %1: the folder %2 cannot lock files, so saves from "
                                "several computers could overwrite each other.\n\nNothing was saved.")
                                  .arg(where, QDir::toNativeSeparators(folder))
                            : QCoreApplication::translate("DataUpdate",
                                "Could not save %1: the folder %2 cannot be reached.")
                                  .arg(where, QDir::toNativeSeparators(folder)),
                        {}};
        }
        if (waited.elapsed() >= LockWaitMs)
            return busy(where);
        waitShown.begin();
        QThread::msleep(20);
    }
    if (QFileInfo::exists(path) && !writable(path))
        return readOnly(folder);
    const auto now = textfile::readLines(path);
    if (!now)
        return {Outcome::ReadFailed, QCoreApplication::translate("DataUpdate",
            "Could not read %1.\n\nNothing was saved.").arg(where), {}};
    *after = *now;
    Change change = edit(*now);
    switch (change.kind) {
    case Change::Kind::Refuse:
        return {Outcome::Refused, change.why, {}};
    case Change::Kind::Conflict:
        return {Outcome::Conflict, change.why, {}};
    case Change::Kind::Write:
        break;
    }
    pauseForTests();
    if (const auto saved = textfile::writeLines(path, change.lines); !saved)
        return {Outcome::WriteFailed, saved.error, {}};
    *after = std::move(change.lines);
    return {Outcome::Saved, {}, {}};
}

Result updateSettings(const Edit &edit)
{
    return updateFile(settingsPath(), [&edit](const QList<QByteArray> &now) {
        Change change = edit(now);
        if (change.kind == Change::Kind::Write) {
            QList<QByteArray> lines = change.lines.toList();
            padSettingsLines(lines);
            change.lines = lines;
        }
        return change;
    });
}

bool canWriteDataFolder(QString *why)
{
    const QString folder = QFileInfo(storePath()).absolutePath();
    // The folder takes the new files a save renames over the old (and the
    // lock files, the first time); each data file and each lock file already
    // made must be writable itself, or the save is refused.
    const auto lockWritable = [](const QString &path) {
        const QString lockPath = lockPathFor(path);
        return !QFileInfo::exists(lockPath) || writable(lockPath);
    };
    const bool ok = writable(folder, W_OK | X_OK) && writable(storePath()) && writable(settingsPath()) &&
                    lockWritable(storePath()) && lockWritable(settingsPath());
    if (!ok && why)
        *why = readOnlyMessage(folder);
    return ok;
}

} // namespace dataupdate
