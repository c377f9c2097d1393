#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

// Line-based text files as the store and the settings file use them: bytes
// kept as they are, lines ended by CR LF, a lone CR or a lone LF on reading
// (a file touched by a Linux editor still loads), always CR LF on writing.
namespace textfile {

// Walks the lines of a buffer without copying them.
class LineScanner {
public:
    explicit LineScanner(QByteArrayView data);
    bool next(QByteArrayView &line);
    // Moves just past the next line that is exactly `wanted`; false at the end.
    bool skipPast(QByteArrayView wanted);

private:
    const char *afterBreak(const char *stop) const;

    const char *m_pos;
    const char *m_end;
};

// The whole file read with plain reads into one buffer; nothing when it
// cannot be read. Never a memory map: another program may truncate the file
// in place while it is read, which would kill a mapped reader.
std::optional<QByteArray> readBytes(const QString &path);

// The file's first line, without its line break (the whole file when it has
// none), read no further than that; nothing when it cannot be read.
std::optional<QByteArray> readFirstLine(const QString &path);

// A file's lines: views into buffers they keep alive, so a store of a
// million lines is one buffer and a list of views, not a million
// allocations. Copying is cheap (both lists are shared).
class Lines {
public:
    Lines() = default;
    // Lines each owning its bytes.
    Lines(const QList<QByteArray> &lines); // NOLINT: any list of lines will do
    // Views into `buffers`, which the caller vouches for.
    Lines(QList<QByteArray> buffers, QList<QByteArrayView> views)
        : m_buffers(std::move(buffers)), m_views(std::move(views))
    {
    }

    qsizetype size() const { return m_views.size(); }
    bool isEmpty() const { return m_views.isEmpty(); }
    QByteArrayView operator[](qsizetype i) const { return m_views[i]; }
    const QList<QByteArrayView> &views() const { return m_views; }
    const QList<QByteArray> &buffers() const { return m_buffers; }
    QList<QByteArray> toList() const;
    bool operator==(const Lines &other) const { return m_views == other.m_views; }

private:
    QList<QByteArray> m_buffers;
    QList<QByteArrayView> m_views;
};

// The file's lines, read whole into one buffer.
std::optional<Lines> readLines(const QString &path);

struct SaveResult {
    bool ok = true;
    QString error; // for the user, when !ok
    explicit operator bool() const { return ok; }
};

// Replaces the file atomically: the old content stays intact until the new
// one is completely on disk, and a failure is reported, never hidden. Only
// the file itself and the temporary file of this save are touched.
SaveResult writeLines(const QString &path, const Lines &lines);
inline SaveResult writeLines(const QString &path, const QList<QByteArray> &lines)
{
    return writeLines(path, Lines(lines));
}

// Test seam: makes the next saves write only part of their data, the way a
// full disk does, so the short-write handling can be proven.
void simulateShortWritesForTests(bool on);

// Test seam: every read of `path` fails as an unreadable file would, until
// called again with an empty path. Lets a test make a screen's load fail and
// the file be readable again before its save.
void failReadsForTests(const QString &path);

} // namespace textfile
