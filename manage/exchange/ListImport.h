#pragma once

#include "app/core/WordPair.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QVector>

// Reads a word list brought in from another program: KVTML 2.0, delimited
// text (tab, semicolon or comma) or "word = meaning" lines. Takes the file's
// bytes and returns the pairs it takes and the rows it refuses, each with
// its line and why, the way a compiler reports; it touches no file, so the
// screen, the command line and the tests feed it the same bytes.

inline constexpr qsizetype MaxImportBytes = 4 * 1024 * 1024;

enum class HeaderChoice { Detect, Header, NoHeader };

struct RefusedRow {
    int line = 0; // 1-based, where the row starts in the file
    QString why;
    bool operator==(const RefusedRow &) const = default;
};

struct ImportResult {
    enum class Format { None, Kvtml, Delimited, Equals };
    Format format = Format::None;
    QString error;  // the file is no word list (names the file); nothing else is set
    QString name;   // the list name offered: the KVTML title or the file's name
    QString encoding;
    QChar separator;          // Delimited: '\t', ';' or ','
    int columns = 0;          // the most columns any row has
    bool headerFound = false; // the first row was taken as a header
    bool hintsAsMeanings = false; // KVTML of one language: each word's hint is its meaning
    // BCP 47 codes found for the words and the meanings, empty when unknown:
    // KVTML's identifiers, or a header row of language names.
    QString wordsLanguage;
    QString meaningsLanguage;
    WordPairs pairs;  // at most MaxPairs
    int leftOut = 0;          // good pairs beyond MaxPairs
    QVector<RefusedRow> refused;

    bool ok() const { return error.isEmpty(); }
};

// `fileName` is the name shown in messages; its base name is the list name
// when the file carries no title.
ImportResult readImport(QByteArrayView bytes, const QString &fileName, HeaderChoice header = HeaderChoice::Detect);

// The file's text: a UTF-16 or UTF-8 byte-order mark decides; else UTF-8
// when the bytes are valid UTF-8, else Windows-1252. The text is kept as the
// file has it; each word and meaning is normalised to NFC when it is taken,
// so an "e" followed by a combining accent is stored as one "é".
struct DecodedText {
    QString text;
    QString encoding; // for the preview: "UTF-8", "UTF-16", "Windows-1252"
};
DecodedText decodeText(QByteArrayView bytes);

// Why a word or meaning cannot be taken (empty, a line break or another
// control character, the store's own marker lines), or empty when it can.
// Every script is taken.
QString pairRefusal(const QString &word, const QString &meaning);

// "Languages: español — Spanish / English — English" for the preview, or
// empty when the file names none.
QString languagesNote(const ImportResult &result);

// Short notes for the preview and the command line: columns dropped, pairs
// left out over the limit.
QStringList importNotes(const ImportResult &result);
