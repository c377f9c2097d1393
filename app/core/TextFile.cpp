#include "TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace textfile {
namespace {

bool g_shortWrites = false;
QString g_failingRead;

bool failsForTests(const QString &path)
{
    return !g_failingRead.isEmpty() && QFileInfo(path).absoluteFilePath() == g_failingRead;
}

bool isBreak(char c)
{
    // Most bytes are above CR, so most take one comparison.
    return static_cast<unsigned char>(c) <= '\r' && (c == '\r' || c == '\n');
}

// The first CR or LF from `p` on, or `end`. Sixteen bytes at a time where
// the processor allows: a store's lines are short, and a call per line of
// memchr for each of the two bytes costs more than the scan itself.
[[gnu::always_inline]] inline const char *findBreak(const char *p, const char *end)
{
#ifdef __SSE2__
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    while (end - p >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const int hits = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf)));
        if (hits != 0)
            return p + __builtin_ctz(unsigned(hits));
        p += 16;
    }
#endif
    while (p < end && !isBreak(*p))
        ++p;
    return p;
}

qsizetype countLineFeeds(const char *p, const char *end)
{
    qsizetype count = 0;
#ifdef __SSE2__
    // Byte-wide counters, summed before any of them can pass 255.
    const __m128i lf = _mm_set1_epi8('\n');
    while (end - p >= 16) {
        __m128i counters = _mm_setzero_si128();
        for (int i = 0; i < 255 && end - p >= 16; ++i, p += 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
            counters = _mm_sub_epi8(counters, _mm_cmpeq_epi8(block, lf));
        }
        const __m128i sums = _mm_sad_epu8(counters, _mm_setzero_si128());
        count += _mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4);
    }
#endif
    return count + std::count(p, end, '\n');
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
}

const char *LineScanner::afterBreak(const char *stop) const
{
    if (stop == m_end)
        return m_end;
    if (*stop == '\r' && stop + 1 < m_end && stop[1] == '\n')
        return stop + 2;
    return stop + 1;
}

bool LineScanner::next(QByteArrayView &line)
{
    if (m_pos >= m_end)
        return false;
    const char *stop = findBreak(m_pos, m_end);
    line = QByteArrayView(m_pos, stop - m_pos);
    m_pos = afterBreak(stop);
    return true;
}

bool LineScanner::skipPast(QByteArrayView wanted)
{
    // Looking for the line's first byte runs at memory speed, where going
    // line by line would stop at each of a large store's million lines.
    const char *from = m_pos;
    while (!wanted.isEmpty() && from < m_end) {
        const auto *hit = static_cast<const char *>(std::memchr(from, wanted.front(), size_t(m_end - from)));
        if (!hit)
            break;
        const char *after = hit + wanted.size();
        const bool atLineStart = hit == m_pos || isBreak(hit[-1]);
        if (atLineStart && after <= m_end && std::memcmp(hit, wanted.data(), size_t(wanted.size())) == 0 &&
            (after == m_end || isBreak(*after))) {
            m_pos = afterBreak(after);
            return true;
        }
        from = hit + 1;
    }
    m_pos = m_end;
    return false;
}

namespace {

// Reads in pieces small enough to stay in the processor's cache, so that
// counting the line feeds of each piece just read costs no extra pass over
// the memory of a large file.
std::optional<QByteArray> readWhole(const QString &path, qsizetype *lineFeeds)
{
    if (failsForTests(path))
        return std::nullopt;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    // The size is a hint only: the file may grow or shrink while it is read.
    // One byte more lets the read that finds the end fit without a regrowth.
    const qsizetype hint = ::fstat(fd, &info) == 0 && info.st_size > 0 ? qsizetype(info.st_size) : 0;
    QByteArray bytes(hint + 1, Qt::Uninitialized);
    constexpr qsizetype Piece = 512 * 1024;
    qsizetype used = 0;
    qsizetype feeds = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2 + 4096);
        char *const to = bytes.data() + used;
        const ssize_t got = ::read(fd, to, size_t(std::min(bytes.size() - used, Piece)));
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd); // a folder, an I/O error, a share gone away
            return std::nullopt;
        }
        if (lineFeeds)
            feeds += countLineFeeds(to, to + got);
        used += got;
    }
    ::close(fd);
    bytes.truncate(used);
    if (lineFeeds)
        *lineFeeds = feeds;
    return bytes;
}

// Each line a view into the one buffer the file was read into.
Lines splitLines(QByteArray bytes, qsizetype lineFeeds)
{
    QList<QByteArrayView> views;
    // A file with lone CRs as line ends grows the list beyond this; others never do.
    views.reserve(bytes.isEmpty() ? 0 : lineFeeds + 1);
    const char *const end = bytes.constData() + bytes.size();
    for (const char *begin = bytes.constData(); begin < end;) {
        const char *const stop = findBreak(begin, end);
        views.append(QByteArrayView(begin, stop - begin));
        begin = stop == end                                          ? end
                : *stop == '\r' && stop + 1 < end && stop[1] == '\n' ? stop + 2
                                                                      : stop + 1;
    }
    return Lines({std::move(bytes)}, std::move(views));
}

} // namespace

std::optional<QByteArray> readBytes(const QString &path)
{
    return readWhole(path, nullptr);
}

std::optional<QByteArray> readFirstLine(const QString &path)
{
    if (failsForTests(path))
        return std::nullopt;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QByteArray line;
    char block[4096];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return std::nullopt;
        }
        const char *const end = findBreak(block, block + got);
        line.append(block, end - block);
        if (end != block + got)
            break;
    }
    ::close(fd);
    return line;
}

Lines::Lines(const QList<QByteArray> &lines)
    : m_buffers(lines)
{
    m_views.reserve(lines.size());
    for (const QByteArray &line : m_buffers)
        m_views.append(line);
}

QList<QByteArray> Lines::toList() const
{
    QList<QByteArray> lines;
    lines.reserve(m_views.size());
    for (QByteArrayView line : m_views)
        lines.append(line.toByteArray());
    return lines;
}

std::optional<Lines> readLines(const QString &path)
{
    qsizetype lineFeeds = 0;
    auto bytes = readWhole(path, &lineFeeds);
    if (!bytes)
        return std::nullopt;
    return splitLines(std::move(*bytes), lineFeeds);
}

SaveResult writeLines(const QString &path, const Lines &lines)
{
    const QString where = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, QCoreApplication::translate("TextFile",
            "Could not write %1: %2").arg(where, file.errorString())};

    // The new content goes out through one buffer of a fixed size, reused
    // and kept in the processor's cache, rather than a copy of the whole
    // file whose every page would be new memory.
    constexpr qsizetype Chunk = 1 << 20;
    QByteArray buffer(Chunk, Qt::Uninitialized);
    char *const start = buffer.data();
    char *out = start;
    bool complete = true;
    // A full disk can make write() return a short count without an error,
    // and commit() would then happily replace the file with a truncated one.
    qint64 offset = 0;
    const auto flush = [&] {
        const qint64 size = out - start;
        const qint64 toWrite = g_shortWrites ? size / 2 : size;
        complete = complete && file.write(start, toWrite) == size;
#ifdef SYNC_FILE_RANGE_WRITE
        // The disk starts on this part while the next is prepared, so the
        // final sync waits for less.
        if (complete && size > 0)
            ::sync_file_range(file.handle(), offset, size, SYNC_FILE_RANGE_WRITE);
#endif
        offset += size;
        out = start;
    };
    for (QByteArrayView line : lines.views()) {
        const qsizetype size = line.size() + 2;
        if (size > Chunk) {
            flush();
            complete = complete && file.write(line.constData(), line.size()) == line.size() &&
                       file.write("\r\n", 2) == 2;
            offset += size;
            continue;
        }
        if (out - start + size > Chunk)
            flush();
        // An empty line's view may have no data at all, which memcpy must not see.
        if (!line.isEmpty())
            std::memcpy(out, line.constData(), size_t(line.size()));
        out += line.size();
        *out++ = '\r';
        *out++ = '\n';
    }
    flush();
    if (!complete) {
        file.cancelWriting();
        file.commit();
        return {false, QCoreApplication::translate("TextFile", "Could not write %1: the disk may be full.").arg(where)};
    }
    if (!file.commit())
        return {false, QCoreApplication::translate("TextFile",
            "Could not write %1: %2").arg(where, file.errorString())};
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
