#pragma once

#include "CardDeck.h"
#include "RevealAnimation.h"

#include <QString>

// What the flash-card viewer shows, kept apart from its widgets: the deck,
// the two half captions, the reveal animation and which controls are
// offered. Each action mirrors one control of the viewer; the screen turns
// the state into geometry, captions, beeps and sounds.
class CardViewer {
public:
    enum Side { ShowWord = 1, ShowMeaning = 2 };

    CardViewer(int order, int side, WordPairs pairsInFileOrder, rnd::Source random = {});

    // Puts the first card up (in start-letter order, the first card from
    // that letter). Returns true when no word starts with `startLetter`:
    // `notice`, in the screen's words, then stands in for the first card,
    // which is beeped. `endOfList`, also the screen's, fills both halves
    // once the cards run out.
    bool start(const QString &startLetter, const QString &notice, const QString &endOfList);

    void forward();        // the forward arrow and "Next Card"
    bool back();           // "Previous Card"; true when it beeps
    void revealBoth();     // the reveal button
    bool backFromCover();  // a click on the word half's cover; true when it beeps
    void tick() { m_animation.tick(); }

    const CardDeck &deck() const { return m_deck; }
    const RevealAnimation &animation() const { return m_animation; }
    const WordPair &current() const { return m_current; }
    const QString &wordCaption() const { return m_wordCaption; }
    const QString &meaningCaption() const { return m_meaningCaption; }
    // Which halves of the current card of the list are uncovered or being
    // uncovered; a notice or the end of the list is no card. `card` tells
    // one putting-up of a card from the next.
    struct Uncovered {
        int card = -1;
        bool word = false;
        bool meaning = false;
    };
    Uncovered uncovered() const;

    bool previousShown() const { return m_previousShown; }
    bool revealButtonShown() const { return m_revealButtonShown; }

private:
    void clearCaptions();
    void setChosenCaption();
    void showCard();
    void noteAdvance();

    int m_side;
    CardDeck m_deck;
    RevealAnimation m_animation;
    WordPair m_current;
    QString m_endOfList;
    QString m_wordCaption;
    QString m_meaningCaption;
    bool m_previousShown = false;
    bool m_revealButtonShown = true;
    bool m_notice = false;
    int m_cardsPutUp = 0;
};
