#pragma once

#include "Book.h"

#include <QByteArray>
#include <QList>
#include <QString>

class StoreContent;

// What a class's progress files in the data folder's progress/ say, for the
// teachers: per list, who practised it and which pairs the class misses.
namespace progress {

struct SkippedFile {
    QString file; // the file's name in the folder
    QString why;
};

// A pupil's answers to one pair.
struct Tally {
    int right = 0;
    int wrong = 0;
};

// What one pupil's file says of the store's pairs: only the counts, by the
// pair's number, not the pupil's whole book (30 books of 30,000 pairs took
// some 240 MB).
struct PupilCounts {
    QString account;
    QList<Tally> byPair;
};

struct ClassFolder {
    QString error;             // why the folder could not be read; empty when it was
    QList<PupilCounts> pupils; // by account name
    QList<SkippedFile> skipped;
    KeyIndex pairNumbers; // every pair of the store's lists, each once
    bool ok() const { return error.isEmpty(); }
};

// Reads every "*.dat" of the data folder's progress/ for the pairs of
// `store`. A file is taken only when its owner is the account it is named
// after (the password database's account of that name, or the uid the name
// spells): any other file, a name this computer does not know, or a file
// that is no progress file is skipped and named, so a pupil cannot pass a
// file off as another's.
ClassFolder readClassFolder(const QString &dataFolder, const StoreContent &store);

struct PupilRow {
    QString account;
    int right = 0;
    int wrong = 0;
};

struct MissedRow {
    WordPair pair; // as the list spells it
    int pupils = 0;
};

struct ListRows {
    QString list;
    QList<PupilRow> pupils;  // those who answered a pair of the list, by account
    QList<MissedRow> missed; // most missed first, at most MostMissedCount
};

inline constexpr int MostMissedCount = 10;

// One list: each pair counted once however often the list holds it. Pairs
// missed by as many pupils go by more wrong answers, then list order.
// The folder must have been read for a store holding the list.
ListRows listRows(const QString &name, const WordPairs &pairs, const ClassFolder &folder);
// Every list of the store the folder was read for, in store order.
QList<ListRows> classRows(const StoreContent &store, const ClassFolder &folder);

// The rows as the command line prints them, tab-separated:
// "pupil LIST ACCOUNT RIGHT WRONG" per pupil, then "missed LIST WORD MEANING
// PUPILS" per missed pair.
QList<QStringList> rowFields(const QList<ListRows> &lists);
// The same rows as CSV: UTF-8 with a byte-order mark, CR LF line ends.
QByteArray csvBytes(const QList<ListRows> &lists);

} // namespace progress
