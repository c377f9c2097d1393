#include "HangmanRound.h"

#include "app/core/Letters.h"

HangmanRound::HangmanRound(const QString &word)
    : m_word(word), m_letters(letters::split(word)), m_rightToLeft(word.isRightToLeft()),
      m_shown(m_letters.size(), false), m_lettersLeft(int(m_letters.size()))
{
    for (int i = 0; i < m_letters.size(); ++i) {
        m_folded.append(letters::folded(m_letters[i]));
        const QString &c = m_letters[i];
        if (c == QLatin1String(" ") || c == QLatin1String("'") || c == QLatin1String("-")) {
            m_shown[i] = true;
            --m_lettersLeft;
        }
    }
}

QString HangmanRound::boxText(int position) const
{
    return m_shown[position] ? m_letters[position] : QString();
}

HangmanRound::Outcome HangmanRound::guess(const QString &letter)
{
    Outcome outcome;
    if (letter.isEmpty() || isLost() || m_won)
        return outcome;
    // The repeat test tells capitals from small letters and composed from
    // decomposed, so "E" after "e" is processed again (and can never count
    // a letter twice, see below). A blank is among the letters already used
    // as soon as anything was guessed.
    if (m_guesses.contains(letter) || letters::split(m_alreadyUsed).contains(letter)) {
        outcome.kind = GuessKind::Repeated;
        return outcome;
    }

    const QString folded = letters::folded(letter);
    bool found = false;
    for (int i = 0; i < m_letters.size(); ++i) {
        if (m_folded[i] != folded)
            continue;
        found = true;
        if (!m_shown[i]) {
            m_shown[i] = true;
            --m_lettersLeft;
        }
    }
    m_guesses.append(letter);
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
