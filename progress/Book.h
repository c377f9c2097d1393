#pragma once

#include "Boxes.h"
#include "KeyIndex.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <array>
#include <functional>
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
    qsizetype size() const { return m_progress.size(); }
    bool isEmpty() const { return m_progress.isEmpty(); }

    // The file's bytes: UTF-8 with a byte-order mark, CR LF line ends.
    QByteArray toBytes() const;
    // Nothing when the bytes are not a progress file this version can read
    // (another program's file, a newer format, a damaged line).
    static std::optional<Book> fromBytes(QByteArrayView bytes);
    // The same bytes for a reader that keeps less than a book: `each` is
    // given every line's key (a view into `bytes`) and progress in file
    // order. False, perhaps after some calls, when fromBytes would fail.
    static bool scan(QByteArrayView bytes, const std::function<void(QByteArrayView key, const PairProgress &)> &each);

private:
    PairProgress &entry(const WordPair &pair);
    void keepOnly(const QList<bool> &keep);

    KeyIndex m_keys;
    QList<PairProgress> m_progress; // by the key's number
};

// The first line of a progress file, after the byte-order mark.
inline constexpr QByteArrayView FileHeader = "Lingo-Spark progress 1";

} // namespace progress
