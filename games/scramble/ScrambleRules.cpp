#include "ScrambleRules.h"

#include <QList>

namespace scramble {

QString scrambleWord(const QString &word, const DrawFrom1To &draw)
{
    const int length = int(word.size());
    QList<bool> taken(length, false);
    QString scrambled;
    while (scrambled.size() < length) {
        const int k = std::clamp(draw(length), 1, length);
        if (taken[k - 1])
            continue;
        taken[k - 1] = true;
        scrambled += word[k - 1];
    }
    return scrambled;
}

Verdict judgeAnswer(const QString &answer, const QString &word)
{
    if (answer.isEmpty())
        return Verdict::Empty;
    return answer.toLower() == word.toLower() ? Verdict::Right : Verdict::Wrong;
}

} // namespace scramble
