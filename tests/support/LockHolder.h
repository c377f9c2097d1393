#pragma once

#include <QString>
#include <sys/types.h>

// Another computer's save in progress: a child process holding the lock of
// a data file (its permanent lock file beside it), until destroyed. A lock
// taken in this process would not do: locks of the POSIX kind do not keep
// out their own process.
class LockHeldElsewhere {
public:
    explicit LockHeldElsewhere(const QString &dataFile);
    ~LockHeldElsewhere();
    LockHeldElsewhere(const LockHeldElsewhere &) = delete;
    LockHeldElsewhere &operator=(const LockHeldElsewhere &) = delete;

    bool holding() const { return m_pid > 0; }
    void release();

private:
    pid_t m_pid = -1;
};
