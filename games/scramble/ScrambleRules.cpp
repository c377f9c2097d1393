#include "ScrambleRules.h"

#include <QList>

namespace scramble {

QString scrambleWord(const QString &word, const rnd::Source &random)
{
    const QStringList pieces = letters::split(word);
    const int length = int(pieces.size());
    QList<bool> taken(length, false);
    QString scrambled;
    random.reseed();
    for (int placed = 0; placed < length;) {
        const int k = std::clamp(random.from1To(length), 1, length);
        if (taken[k - 1])
            continue;
        taken[k - 1] = true;
        scrambled += pieces[k - 1];
        ++placed;
    }
    return scrambled;
}

Verdict judgeAnswer(const QString &answer, const QString &word)
{
    if (answer.isEmpty())
        return Verdict::Empty;
    return letters::sameIgnoringCase(answer, word) ? Verdict::Right : Verdict::Wrong;
}

} // namespace scramble
