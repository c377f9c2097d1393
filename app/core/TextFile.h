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
    bool atEnd() const { return m_pos >= m_end; }

private:
    const char *m_pos;
    const char *m_end;
    const char *m_nextCR;
    const char *m_nextLF;
};

// The whole file, read in one go; empty when it cannot be opened.
std::optional<QByteArray> readAll(const QString &path);

std::optional<QList<QByteArray>> readLines(const QString &path);

struct SaveResult {
    bool ok = true;
    QString error; // for the user, when !ok
    explicit operator bool() const { return ok; }
};

// Replaces the file atomically: the old content stays intact until the new
// one is completely on disk, and a failure is reported, never hidden.
SaveResult writeLines(const QString &path, const QList<QByteArray> &lines);

// Test seam: makes the next saves write only part of their data, the way a
// full disk does, so the short-write handling can be proven.
void simulateShortWritesForTests(bool on);

} // namespace textfile
