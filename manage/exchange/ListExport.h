#pragma once

#include "app/core/WordPair.h"
#include "languages/ListLanguages.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

// Writers that mirror the import readers: they take a list's pairs and
// return the file's bytes, touching no file.

enum class ExportFormat { Csv, Kvtml };

// From the file name's ending (.csv, .txt: CSV; .kvtml, .xml: KVTML).
std::optional<ExportFormat> exportFormatFor(const QString &fileName);

// UTF-8 with a byte-order mark (so spreadsheets show the accents), comma
// separated, CR LF, no header row; fields are quoted where a reader would
// otherwise split, join or trim them.
QByteArray csvBytes(const WordPairs &pairs);

struct KvtmlBytes {
    // A pair or the list name holds a character XML cannot carry; ExportList words it.
    enum class Refusal { None, ControlInPair, ControlInName };
    QByteArray bytes;
    Refusal refusal = Refusal::None;
    WordPair pair; // ControlInPair: the pair and its number (1-based)
    int pairNumber = 0;
    char16_t character = 0; // the one refused
    bool ok() const { return refusal == Refusal::None; }
};

// KVTML 2.0 with the identifiers "Word" and "Meaning" (each with its
// language's code as its locale, when set), one entry per pair, all in one
// lesson named after the list.
KvtmlBytes kvtmlBytes(const QString &title, const WordPairs &pairs, const languages::ListLanguages &languages = {});
