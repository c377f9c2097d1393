#include "Boxes.h"

namespace progress {

PairKey keyOf(const WordPair &pair)
{
    return {pair.word.normalized(QString::NormalizationForm_C), pair.meaning.normalized(QString::NormalizationForm_C)};
}

size_t qHash(const PairKey &key, size_t seed) noexcept
{
    return qHashMulti(seed, key.word, key.meaning);
}

void grade(PairProgress &pair, bool right, const QDateTime &now)
{
    const QDate today = now.date();
    if (!right) {
        pair.box = FirstBoxIfWrong;
        ++pair.wrong;
    } else {
        if (!pair.practised()) {
            pair.box = FirstBoxIfRight;
            pair.lastRaised = today;
        } else if (pair.lastRaised != today && pair.box < BoxCount) {
            ++pair.box;
            pair.lastRaised = today;
        }
        ++pair.right;
    }
    pair.lastGraded = today;
    pair.lastHeld = today;
    see(pair, now);
}

void see(PairProgress &pair, const QDateTime &now)
{
    pair.lastSeen = now.toSecsSinceEpoch();
    pair.lastHeld = now.date();
}

QDate dueDate(const PairProgress &pair)
{
    if (!pair.practised() || pair.box > BoxCount)
        return {};
    return pair.lastGraded.addDays(DueAfterDays[pair.box - 1]);
}

bool isDue(const PairProgress &pair, QDate today)
{
    const QDate due = dueDate(pair);
    return due.isValid() && due <= today;
}

bool droppedOn(const PairProgress &pair, QDate today)
{
    return !pair.lastHeld.isValid() || pair.lastHeld.daysTo(today) >= DropAfterDaysUnheld;
}

} // namespace progress
