#include "HangmanRound.h"

HangmanRound::HangmanRound(const QString &word)
    : m_word(word), m_shown(word.size(), false), m_lettersLeft(int(word.size()))
{
    for (int i = 0; i < m_word.size(); ++i) {
        const QChar c = m_word[i];
        if (c == QLatin1Char(' ') || c == QLatin1Char('\'') || c == QLatin1Char('-')) {
            m_shown[i] = true;
            --m_lettersLeft;
        }
    }
}

QString HangmanRound::boxText(int position) const
{
    return m_shown[position] ? QString(m_word[position]) : QString();
}

HangmanRound::Outcome HangmanRound::guess(const QString &letter)
{
    Outcome outcome;
    if (letter.isEmpty() || isLost() || m_won)
        return outcome;
    // The repeat test tells capitals from small letters, so "E" after "e" is
    // processed again (and can never count a letter twice, see below).
    if (letter.size() == 1 && m_alreadyUsed.contains(letter[0], Qt::CaseSensitive)) {
        outcome.kind = GuessKind::Repeated;
        return outcome;
    }

    bool found = false;
    for (int i = 0; i < m_word.size(); ++i) {
        if (QString::compare(QString(m_word[i]), letter, Qt::CaseInsensitive) != 0)
            continue;
        found = true;
        if (!m_shown[i]) {
            m_shown[i] = true;
            --m_lettersLeft;
        }
    }
    m_alreadyUsed += QLatin1Char(' ') + letter;

    if (found) {
        outcome.kind = GuessKind::Found;
    } else {
        outcome.kind = GuessKind::Missed;
        outcome.partDrawn = m_missStep;
        ++m_missStep;
        outcome.lost = isLost();
    }
    // A word with nothing to find (only blanks, apostrophes and hyphens) is
    // won by its first guess, whatever the guess.
    if (!outcome.lost && m_lettersLeft == 0) {
        m_won = true;
        outcome.won = true;
    }
    return outcome;
}
