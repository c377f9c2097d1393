#pragma once

#include "app/core/Random.h"
#include "app/core/WordPair.h"

#include <QString>

// The cards of one list and where the pupil stands in them. Positions count
// from 1; 0 is before the first card and count() + 1 is one past the last,
// where the card is blank (the screen shows the end-of-list text there).
class CardDeck {
public:
    enum Order { Alphabetical = 1, Random = 2, FromStartLetter = 3 };
    CardDeck(int order, WordPairs pairsInFileOrder, rnd::Source random = {});

    int order() const { return m_order; }
    int count() const { return int(m_fileOrder.size()); }
    int position() const { return m_position; }
    // Whether a forward move has made the Previous controls appear.
    bool previousEnabled() const { return m_previousEnabled; }

    // The forward controls allow stepping back again, except in random order,
    // where there is no "previous" card to return to.
    void allowStepBack();

    // Places the deck just before the first card, in alphabetical order,
    // whose word starts with `letter` in either case. The whole text is
    // compared with the word's first letter (with its accents or vowel
    // signs, however typed), so "ab" never matches.
    // Returns false (and leaves the position alone) when no word matches.
    bool seekStartLetter(const QString &letter);

    void advance();
    WordPair fetch() const;
    WordPair moveForward();

    struct StepBack {
        WordPair card;
        bool beep; // there was nothing before the first card to go back to
    };
    StepBack stepBack();

private:
    int m_order;
    WordPairs m_fileOrder;
    // Sorted by word; pairs with equal words keep their file order, so each
    // card keeps its own meaning.
    WordPairs m_alphabetical;
    rnd::Source m_random;
    int m_position = 0;
    bool m_previousEnabled = false;
};
