#include "CardDeck.h"

#include "app/core/Collation.h"
#include "app/core/Letters.h"

#include <algorithm>

CardDeck::CardDeck(int order, WordPairs pairsInFileOrder, rnd::Source random)
    : m_order(order), m_fileOrder(std::move(pairsInFileOrder)), m_alphabetical(m_fileOrder), m_random(std::move(random))
{
    std::stable_sort(m_alphabetical.begin(), m_alphabetical.end(),
                     [](const WordPair &a, const WordPair &b) { return alphabeticallyBefore(a.word, b.word); });
}

void CardDeck::allowStepBack()
{
    if (m_order != Random)
        m_previousEnabled = true;
}

bool CardDeck::seekStartLetter(const QString &letter)
{
    for (int i = 0; i < m_alphabetical.size(); ++i) {
        if (letters::sameIgnoringCase(letters::first(m_alphabetical[i].word), letter)) {
            m_position = i; // one before the match: the next forward move lands on it
            return true;
        }
    }
    return false;
}

void CardDeck::advance()
{
    if (m_order == Random) {
        m_previousEnabled = false;
        // Independent draws: cards repeat and random order never reaches an end.
        m_random.reseed();
        m_position = std::clamp(m_random.from1To(std::max(count(), 1)), 1, std::max(count(), 1));
    } else {
        ++m_position;
    }
    if (m_position > count() + 1)
        m_position = count() + 1;
}

WordPair CardDeck::fetch() const
{
    if (m_position < 1 || m_position > count())
        return {};
    const WordPairs &cards = m_order == Random ? m_fileOrder : m_alphabetical;
    return cards[m_position - 1];
}

WordPair CardDeck::moveForward()
{
    advance();
    return fetch();
}

CardDeck::StepBack CardDeck::stepBack()
{
    --m_position;
    bool beep = false;
    if (m_position < 0) {
        m_position = 0;
        beep = true;
    }
    return {fetch(), beep};
}
