#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace textfile {
namespace {

bool g_shortWrites = false;
QString g_failingRead;

const char *findOrEnd(const char *from, const char *end, char c)
{
    const void *hit = std::memchr(from, c, size_t(end - from));
    return hit ? static_cast<const char *>(hit) : end;
}

// A rename is only durable once the folder entry is on disk too.
void syncFolderOf(const QString &path)
{
    const QByteArray dir = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

LineScanner::LineScanner(QByteArrayView data)
    : m_pos(data.data()), m_end(data.data() + data.size())
{
    if (data.isEmpty())
        m_pos = m_end = nullptr;
    m_nextCR = m_pos ? findOrEnd(m_pos, m_end, '\r') : nullptr;
    m_nextLF = m_pos ? findOrEnd(m_pos, m_end, '\n') : nullptr;
}

bool LineScanner::next(QByteArrayView &line)
{
    if (m_pos >= m_end)
        return false;
    // Both searches are cached, so a file without any CR (or LF) is still
    // scanned once rather than once per line.
    if (m_nextCR < m_pos)
        m_nextCR = findOrEnd(m_pos, m_end, '\r');
    if (m_nextLF < m_pos)
        m_nextLF = findOrEnd(m_pos, m_end, '\n');
    const char *stop = m_nextCR < m_nextLF ? m_nextCR : m_nextLF;
    line = QByteArrayView(m_pos, stop - m_pos);
    if (stop == m_end)
        m_pos = m_end;
    else if (*stop == '\r' && stop + 1 < m_end && stop[1] == '\n')
        m_pos = stop + 2;
    else
        m_pos = stop + 1;
    return true;
}

std::optional<QByteArray> readBytes(const QString &path)
{
    if (!g_failingRead.isEmpty() && QFileInfo(path).absoluteFilePath() == g_failingRead)
        return std::nullopt;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    // The size is a hint only: the file may grow or shrink while it is read.
    // One byte more lets the read that finds the end fit without a regrowth.
    const qsizetype hint = ::fstat(fd, &info) == 0 && info.st_size > 0 ? qsizetype(info.st_size) : 0;
    QByteArray bytes(hint + 1, Qt::Uninitialized);
    qsizetype used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2 + 4096);
        const ssize_t got = ::read(fd, bytes.data() + used, size_t(bytes.size() - used));
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd); // a folder, an I/O error, a share gone away
            return std::nullopt;
        }
        used += got;
    }
    ::close(fd);
    bytes.truncate(used);
    return bytes;
}

std::optional<QList<QByteArray>> readLines(const QString &path)
{
    const auto data = readBytes(path);
    if (!data)
        return std::nullopt;
    QList<QByteArray> lines;
    // One allocation for the list instead of a regrowth every few thousand lines.
    lines.reserve(data->count('\n') + data->count('\r') / 2 + 1);
    LineScanner scanner(*data);
    QByteArrayView line;
    while (scanner.next(line))
        lines.emplace_back(line.data(), line.size());
    return lines;
}

SaveResult writeLines(const QString &path, const QList<QByteArray> &lines)
{
    qsizetype size = 0;
    for (const QByteArray &line : lines)
        size += line.size() + 2;
    QByteArray content;
    content.reserve(size);
    for (const QByteArray &line : lines) {
        content += line;
        content += "\r\n";
    }

    const QString where = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, QStringLiteral("Could not write %1: %2").arg(where, file.errorString())};

    // A full disk can make write() return a short count without an error,
    // and commit() would then happily replace the file with a truncated one.
    qsizetype toWrite = content.size();
    if (g_shortWrites)
        toWrite /= 2;
    const qint64 written = file.write(content.constData(), toWrite);
    if (written != content.size()) {
        file.cancelWriting();
        file.commit();
        return {false, QStringLiteral("Could not write %1: the disk may be full.").arg(where)};
    }
    if (!file.commit())
        return {false, QStringLiteral("Could not write %1: %2").arg(where, file.errorString())};
    syncFolderOf(path);
    return {};
}

void simulateShortWritesForTests(bool on)
{
    g_shortWrites = on;
}

void failReadsForTests(const QString &path)
{
    g_failingRead = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

} // namespace textfile
