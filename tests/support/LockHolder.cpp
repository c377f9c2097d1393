#include "LockHolder.h"

#include "app/core/DataUpdate.h"

#include <QFile>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

LockHeldElsewhere::LockHeldElsewhere(const QString &dataFile)
{
    const QByteArray lockName = QFile::encodeName(dataupdate::lockPathFor(dataFile));
    int ready[2];
    if (::pipe(ready) != 0)
        return;
    m_pid = ::fork();
    if (m_pid == 0) {
        // Only async-signal-safe calls between fork and _exit.
        ::close(ready[0]);
        const int fd = ::open(lockName.constData(), O_RDWR | O_CREAT, 0660);
        struct flock region {};
        region.l_type = F_WRLCK;
        region.l_whence = SEEK_SET;
        const char took = fd >= 0 && ::fcntl(fd, F_SETLK, &region) == 0 ? 1 : 0;
        if (::write(ready[1], &took, 1) != 1 || !took)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char took = 0;
    if (m_pid < 0 || ::read(ready[0], &took, 1) != 1 || !took)
        release();
    ::close(ready[0]);
}

LockHeldElsewhere::~LockHeldElsewhere()
{
    release();
}

void LockHeldElsewhere::release()
{
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGKILL);
    ::waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}
