#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// How the store's bytes are text. Older versions wrote Windows-1252 only,
// and a school's older computers may still do; lists in other scripts need
// UTF-8. The encoding is decided once for the whole file, and each line is
// decoded by it, so no byte a reader cannot account for is ever lost.
enum class StoreEncoding {
    Windows1252,
    Utf8,         // no byte-order mark: a Linux editor saved it
    Utf8WithMark, // what this program writes once a list needs UTF-8
};

namespace storeencoding {

inline constexpr QByteArrayView Mark = "\xEF\xBB\xBF";

// A file's first line, or the whole file, after its byte-order mark.
inline QByteArrayView withoutMark(QByteArrayView bytes)
{
    return bytes.startsWith(Mark) ? bytes.sliced(Mark.size()) : bytes;
}

// A file starting with the mark is UTF-8; one without it that is valid
// UTF-8 holding at least one multi-byte sequence is UTF-8 too; anything
// else is Windows-1252, every byte round-tripping. One pass over the bytes.
StoreEncoding detect(QByteArrayView bytes);

// The same for a file given as its lines (the first may start with the mark).
template <class Lines>
StoreEncoding detectLines(const Lines &lines);

// Whether `bytes` is valid UTF-8 (shortest forms, no surrogates), and
// whether it holds any byte above ASCII.
bool isValidUtf8(QByteArrayView bytes, bool *multiByte = nullptr);

// One line of a store in `encoding` (its mark already removed). In a UTF-8
// store, a line that is not valid UTF-8 is read as Windows-1252: it was
// written by an older version, and never becomes U+FFFD.
QString decodeLine(QByteArrayView line, StoreEncoding encoding);

bool isUtf8(StoreEncoding encoding);

// The bytes of `text` in `encoding`; for Windows-1252, nothing when a
// character does not fit.
std::optional<QByteArray> encodeLine(const QString &text, StoreEncoding encoding);

// Texts compared as a reader sees them: the same letters, whatever the
// composition (é typed as one character or as e and an accent).
QString comparable(const QString &text);
bool sameText(const QString &a, const QString &b);

// `sameText` against one text, many times: composed once.
class SameTextAs {
public:
    explicit SameTextAs(const QString &text) : m_text(text), m_comparable(comparable(text)) {}
    bool operator()(const QString &other) const { return other == m_text || comparable(other) == m_comparable; }

private:
    QString m_text;
    QString m_comparable;
};

} // namespace storeencoding

template <class Lines>
StoreEncoding storeencoding::detectLines(const Lines &lines)
{
    if (lines.isEmpty())
        return StoreEncoding::Windows1252;
    if (QByteArrayView(lines.first()).startsWith(Mark))
        return StoreEncoding::Utf8WithMark;
    bool anyMultiByte = false;
    for (const auto &line : lines) {
        bool multiByte = false;
        if (!isValidUtf8(line, &multiByte))
            return StoreEncoding::Windows1252;
        anyMultiByte = anyMultiByte || multiByte;
    }
    return anyMultiByte ? StoreEncoding::Utf8 : StoreEncoding::Windows1252;
}
