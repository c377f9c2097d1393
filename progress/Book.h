#pragma once

#include "Boxes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <array>
#include <optional>

class StoreContent;

namespace progress {

// How many pairs of a list sit where, each distinct pair once.
struct BoxCounts {
    std::array<int, BoxCount + 1> inBox{}; // [1..BoxCount]; [0] unused
    int neverPractised = 0;
    int dueToday = 0;
    int total = 0;
};

// One account's progress in one data folder: every pair it has met, by the
// pair, whatever list it was met in. Also the owner of the progress file's
// format (README, "Progress files").
class Book {
public:
    void graded(const WordPair &pair, bool right, const QDateTime &now);
    void seen(const WordPair &pair, const QDateTime &now);

    BoxCounts boxCounts(const WordPairs &list, QDate today) const;
    // The list's due pairs as the list spells them, each once: box 1
    // first, then the longest overdue, then in list order.
    WordPairs duePairs(const WordPairs &list, QDate today) const;
    // Forgets the list's pairs; true when there was something to forget.
    bool startAgain(const WordPairs &list);

    // Marks every pair a list of `store` holds as held today, then drops
    // the pairs no list has held for DropAfterDaysUnheld days.
    void refreshHeld(const StoreContent &store, QDate today);

    const PairProgress *find(const WordPair &pair) const;
    const QHash<PairKey, PairProgress> &pairs() const { return m_pairs; }
    void insert(const PairKey &key, const PairProgress &pair) { m_pairs.insert(key, pair); }
    qsizetype size() const { return m_pairs.size(); }
    bool isEmpty() const { return m_pairs.isEmpty(); }

    // The file's bytes: UTF-8 with a byte-order mark, CR LF line ends.
    QByteArray toBytes() const;
    // Nothing when the bytes are not a progress file this version can read
    // (another program's file, a newer format, a damaged line).
    static std::optional<Book> fromBytes(QByteArrayView bytes);

private:
    QHash<PairKey, PairProgress> m_pairs;
};

// The first line of a progress file, after the byte-order mark.
inline constexpr QByteArrayView FileHeader = "Lingo-Spark progress 1";

} // namespace progress
