#pragma once

#include "app/core/WordPair.h"

#include <QDate>
#include <QDateTime>
#include <QByteArray>
#include <QByteArrayView>
#include <QVarLengthArray>
#include <QString>
#include <array>

// How a pupil's answers move a pair through the boxes. Plain rules: the day
// and the time are passed in, never read here, so the screens, the verb and
// the tests decide what "today" is.
namespace progress {

// Boxes 1..BoxCount; a pair of box b falls due DueAfterDays[b - 1] local
// calendar days after the day of its last graded answer.
inline constexpr int BoxCount = 5;
inline constexpr std::array<int, BoxCount> DueAfterDays{0, 1, 3, 7, 21};
// The box a pair enters with its first answer.
inline constexpr int FirstBoxIfWrong = 1;
inline constexpr int FirstBoxIfRight = 2;
// A pair no list of the data folder has held for this many days is dropped.
inline constexpr int DropAfterDaysUnheld = 90;

// A pair as progress knows it: word and meaning in composed form (NFC), so
// the same letters typed on two keyboards are one pair, in every list that
// holds it. Held as the progress file spells them (UTF-8, a backslash, tab,
// CR and LF escaped, a tab between): a file is read and written without
// converting a character, and a key costs one allocation.
using PairKey = QByteArray;
PairKey keyOf(const WordPair &pair);
// The same bytes into the caller's buffer (emptied first), for a lookup
// that keeps no key and so needs no allocation.
using KeyBuffer = QVarLengthArray<char, 256>;
QByteArrayView writeKey(KeyBuffer &out, const WordPair &pair);

struct PairProgress {
    int box = 0;         // 0: never graded ("never practised")
    int right = 0;
    int wrong = 0;
    QDate lastGraded;    // the local day of the last graded answer
    QDate lastRaised;    // the day a right answer last moved it up
    qint64 lastSeen = 0; // graded or only seen: seconds since 1970 UTC, 0 never
    QDate lastHeld;      // the last day a list of the data folder held it

    bool practised() const { return box > 0; }
};

// A graded answer (a quiz question, a game won or lost, a Zap turn).
void grade(PairProgress &pair, bool right, const QDateTime &now);
// Seen without a grade (a card turned over, a Concentration pair found).
void see(PairProgress &pair, const QDateTime &now);

// The day it falls due; null for a pair never graded.
QDate dueDate(const PairProgress &pair);
// Due today or earlier; a pair never graded is never due.
bool isDue(const PairProgress &pair, QDate today);
// Whether it has gone unheld long enough to be dropped.
bool droppedOn(const PairProgress &pair, QDate today);

} // namespace progress
