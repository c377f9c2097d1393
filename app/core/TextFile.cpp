#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>
#include <fcntl.h>
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

// Where the file system cannot make unnamed temporary files, QSaveFile
// writes "<name>.XXXXXX" beside the file; one left by a killed save is
// never read, and the next successful save removes it.
void removeStaleTemporaries(const QString &path)
{
    const QFileInfo target(path);
    QDir folder = target.absoluteDir();
    const QStringList stale =
        folder.entryList({target.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden);
    for (const QString &name : stale)
        folder.remove(name);
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

FileBytes::FileBytes(const QString &path)
    : m_file(path)
{
    if (!g_failingRead.isEmpty() && QFileInfo(path).absoluteFilePath() == g_failingRead)
        return;
    if (!m_file.open(QIODevice::ReadOnly)) // never Text mode: it would drop the CRs
        return;
    m_open = true;
    const qint64 size = m_file.size();
    if (size <= 0)
        return;
    if (const uchar *mapped = m_file.map(0, size)) {
        m_view = QByteArrayView(reinterpret_cast<const char *>(mapped), size);
    } else {
        m_copy = m_file.readAll();
        m_view = m_copy;
    }
}

std::optional<QList<QByteArray>> readLines(const QString &path)
{
    const FileBytes file(path);
    if (!file.isOpen())
        return std::nullopt;
    const QByteArrayView data = file.bytes();
    QList<QByteArray> lines;
    // One allocation for the list instead of a regrowth every few thousand lines.
    lines.reserve(data.count('\n') + data.count('\r') / 2 + 1);
    LineScanner scanner(data);
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
    removeStaleTemporaries(path);
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
