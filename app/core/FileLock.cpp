#include "FileLock.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filelock {
namespace {

const bool posixForced = qEnvironmentVariableIntValue("LINGO_SPARK_POSIX_LOCKS") == 1;

constexpr mode_t LockFileMode = 0660;

bool refusedForThisAccount(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

// Gives a new lock file the folder's group and the group's read and write,
// so that any teacher account can lock it. The group change is refused to
// an account outside that group; a setgid folder has given it already.
void openToTheGroup(int fd, gid_t folderGroup)
{
    if (::fchown(fd, uid_t(-1), folderGroup) != 0) {
        // Not a member of the folder's group: the file keeps ours.
    }
    ::fchmod(fd, LockFileMode);
}

// Some SMB servers refuse hard links: there the file is created in place.
// A save killed right after that creation can leave it without the group's
// write permission, which the link below cannot.
int createInPlace(const QByteArray &name, gid_t folderGroup)
{
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, LockFileMode);
    if (fd < 0)
        return errno == EEXIST ? 0 : errno;
    openToTheGroup(fd, folderGroup);
    ::close(fd);
    return 0;
}

// Makes the lock file under a name of its own and links it into place, so
// it never exists under its real name without its final group and mode,
// whenever the save that makes it is killed. Another save making it at the
// same moment is no error: either file is the lock file.
int createLockFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat folder {};
    if (::stat(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &folder) != 0)
        return errno;
    QByteArray temporary = name + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return errno;
    openToTheGroup(fd, folder.st_gid);
    ::close(fd);
    const int linked = ::link(temporary.constData(), name.constData()) == 0 ? 0 : errno;
    ::unlink(temporary.constData());
    switch (linked) {
    case 0:
    case EEXIST:
        return 0;
    case EPERM:
    case EOPNOTSUPP:
    case ENOSYS:
        return createInPlace(name, folder.st_gid);
    default:
        return linked;
    }
}

bool setLock(int fd, int command)
{
    struct flock region {}; // the whole file; l_pid must be 0 for open file description locks
    region.l_type = F_WRLCK;
    region.l_whence = SEEK_SET;
    return ::fcntl(fd, command, &region) == 0;
}

} // namespace

Lock::Lock(QString lockPath)
    : m_path(std::move(lockPath))
{
    if (posixForced)
        m_kind = Kind::Posix;
}

Lock::~Lock()
{
    // Closing the only descriptor drops the lock of either kind.
    if (m_fd >= 0)
        ::close(m_fd);
}

bool Lock::open()
{
    const QByteArray name = QFile::encodeName(m_path);
    m_fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
    if (m_fd < 0 && errno == ENOENT) {
        if (const int made = createLockFile(m_path); made != 0) {
            m_errno = made;
            return false;
        }
        m_fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
    }
    m_errno = m_fd < 0 ? errno : 0;
    return m_fd >= 0;
}

Status Lock::tryLock()
{
    if (m_locked)
        return Status::Locked;
    if (m_fd < 0 && !open())
        return refusedForThisAccount(m_errno) ? Status::NotWritable : Status::Failed;
    if (m_kind == Kind::OpenFileDescription) {
        if (setLock(m_fd, F_OFD_SETLK))
            return m_locked = true, Status::Locked;
        if (errno == EAGAIN || errno == EACCES)
            return Status::Held;
        // A kernel or file system without them (EINVAL, ENOLCK): the older
        // kind, which conflicts with them where both exist.
        m_kind = Kind::Posix;
    }
    if (setLock(m_fd, F_SETLK))
        return m_locked = true, Status::Locked;
    if (errno == EAGAIN || errno == EACCES)
        return Status::Held;
    m_errno = errno;
    return Status::Failed;
}

} // namespace filelock
