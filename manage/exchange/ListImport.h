#pragma once

#include "app/core/WordPair.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QVector>

#include <optional>

// Reads a word list brought in from another program: KVTML 2.0, delimited
// text (tab, semicolon or comma) or "word = meaning" lines. Takes the file's
// bytes and returns the pairs it takes and the rows it refuses, each with
// its line and why, the way a compiler reports; it touches no file, so the
// screen, the command line and the tests feed it the same bytes.

inline constexpr qsizetype MaxImportBytes = 4 * 1024 * 1024;

enum class HeaderChoice { Detect, Header, NoHeader };

// Why a row is not taken; ImportList words it for the preview and the
// command line.
enum class RowRefusal {
    LineBreakInWord,
    ControlInWord, // detail: the character, as "U+0007"
    LineBreakInMeaning,
    ControlInMeaning, // detail: the character
    EmptyWord,
    EmptyMeaning,
    StoreMarker, // detail: the marker line the word or meaning is
    UnclosedQuote,
    NoHint, // a KVTML word of one language without the hint that is its meaning
};

struct RefusedRow {
    int line = 0; // 1-based, where the row starts in the file
    RowRefusal why = RowRefusal::EmptyWord;
    QString detail;
    bool operator==(const RefusedRow &) const = default;
};

// Why a file holds no word list at all.
enum class ImportFailure {
    None,
    TooLarge,
    NotText,
    Empty,
    NotKvtml, // XML of another kind
    OldKvtml,
    UnreadableXml, // xmlLine and xmlError say where and why
    OneLanguageNoHints,
    NoPairs,
};

struct ImportResult {
    enum class Format { None, Kvtml, Delimited, Equals };
    Format format = Format::None;
    ImportFailure failure = ImportFailure::None; // when set, only the fields up to xmlError say more
    QString fileName; // as the messages name the file
    qint64 xmlLine = 0;
    QString xmlError; // Qt's own words
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

    bool ok() const { return failure == ImportFailure::None; }
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
// control character, the store's own marker lines), or nothing when it can;
// the line is the caller's to set. Every script is taken.
std::optional<RefusedRow> pairRefusal(const QString &word, const QString &meaning);
