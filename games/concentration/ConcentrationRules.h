#pragma once

#include "app/core/Random.h"
#include "app/core/WordPair.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

constexpr int CardCount = 16;
constexpr int PairCount = 8;
constexpr int NoCard = 16;

struct Card {
    QString text;
    int pairOf = 0; // list index, 1-based, of the entry whose word or meaning this is
    bool isWord = false;
};

using Deal = std::array<Card, CardCount>;

// Chooses 8 different entries of the list (entry i of the list is
// list[i - 1]) and lays their words, then their meanings, at random free
// positions. Every draw is taken among what is still free, so the deal ends
// however the draws fall. Needs 8 entries.
Deal dealCards(const WordPairs &list, const rnd::Source &random = {});

// One game of Concentration after the deal: which cards are up, the turn
// being judged and the counters. The screen mirrors cardState() into its
// card backs and faces.
class ConcentrationGame {
public:
    enum class CardState { FaceDown, FaceUp, Gone };
    enum class Verdict { None, Match, NoMatch };
    enum class FlipResult { Ignored, FirstUp, NoMatch, Match, Win };

    explicit ConcentrationGame(const Deal &deal);

    // A click on the back of card p.
    FlipResult flip(int p);
    // FeedbackButton: ends the judged turn. Returns true when the game is won
    // and the pupil leaves for the games menu.
    bool endTurn();
    // One second of the clock; stands once the game is won.
    void tick();

    CardState cardState(int p) const { return m_state[p]; }
    const Card &card(int p) const { return m_deal[p]; }
    int firstCard() const { return m_firstCard; }
    int secondCard() const { return m_secondCard; }
    int pairsFound() const { return m_pairsFound; }
    Verdict verdict() const { return m_verdict; }
    bool gameOver() const { return m_gameOver; }
    bool waitingForFeedback() const { return m_firstCard != NoCard && m_secondCard != NoCard; }
    std::int16_t tryCount() const { return m_tryCount; }
    std::int16_t elapsedSeconds() const { return m_elapsedSeconds; }

    // For tests of the counters' limits.
    void setCountersForTest(std::int16_t tries, std::int16_t seconds)
    {
        m_tryCount = tries;
        m_elapsedSeconds = seconds;
    }

private:
    FlipResult judge();

    Deal m_deal;
    std::array<CardState, CardCount> m_state;
    int m_firstCard = NoCard;
    int m_secondCard = NoCard;
    int m_pairsFound = 0;
    Verdict m_verdict = Verdict::None;
    bool m_gameOver = false;
    std::int16_t m_tryCount = 0;
    std::int16_t m_elapsedSeconds = 0;
};
