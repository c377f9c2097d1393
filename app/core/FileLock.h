#pragma once

#include <QString>

// An exclusive lock that the kernel holds on a permanent lock file, and
// drops by itself when the holder exits or is killed: on this computer, and
// through the file server's lock manager on a network share. Nothing about
// the holder is written into the file, so there is nothing to judge stale.
namespace filelock {

enum class Kind {
    OpenFileDescription, // owned by the open file, as flock(2) is, but shared with NFS and SMB
    Posix,               // owned by the process: the fallback where the former is refused
};

enum class Status {
    Locked,
    Held,        // another open file holds it: try again later
    NotWritable, // this account cannot create or open the lock file for writing
    Failed,      // the folder or its file server cannot lock
};

// A taken or refused lock on `lockPath`, released by its destructor. The
// lock file is made once, with the folder's group and group read and write
// so that every teacher account can lock it, and is never removed.
class Lock {
public:
    explicit Lock(QString lockPath);
    ~Lock();
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;

    // One attempt, never waiting. A lock already taken stays taken.
    Status tryLock();
    bool isLocked() const { return m_locked; }
    Kind kind() const { return m_kind; }
    int error() const { return m_errno; } // of the last Failed or NotWritable attempt

private:
    bool open();

    QString m_path;
    int m_fd = -1;
    bool m_locked = false;
    Kind m_kind = Kind::OpenFileDescription;
    int m_errno = 0;
};

// LINGO_SPARK_POSIX_LOCKS=1 in the environment takes POSIX record locks
// only, for tests that must prove a save is safe where the file system
// refuses open file description locks.

} // namespace filelock
