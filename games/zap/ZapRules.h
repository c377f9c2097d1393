#pragma once

#include "app/core/Random.h"
#include "app/core/WordPair.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

constexpr int TargetCount = 5;
constexpr int TurnSeconds = 60;

struct TargetPlace {
    int left;
    int top;
};
// Five fixed layouts of the five words, in twips; word i goes to Target i - 1.
extern const std::array<std::array<TargetPlace, TargetCount>, 5> TargetLayouts;

// Background colours of the end-of-turn message, as &HBBGGRR values.
constexpr std::uint32_t LoseBackgroundRest = 0x8080FF;
constexpr std::uint32_t LoseBackgroundFlash = 0xFFFF00;

// "You scored" rating of the results screen.
enum class ZapRating { Oops, NotTooBad, GoodJob, GreatWork, Fantastic };
ZapRating RateScore(int score);

// The centre of a shot's rings, in twips, from the target label's geometry.
struct BlastCentre {
    float x;
    std::int16_t y;
};
BlastCentre blastCentre(int left, int top, int width, int height);

// One game of Word Zap!: turns of five targets, the vanishing of the words,
// shots and misses with their score, and the 60-second play clock. The
// screen's three timers drive vanishTick(), clockTick() and flashTick(); the
// screen turns the outcomes into labels, sounds and rings.
class ZapGame {
public:
    enum class Phase { WaitingForReady, TurnRunning, TurnOver };
    enum class Outcome { Ignored, NewTurn, GoodShot, WrongShot, Missed };

    // The list's pairs; they also make the pool of pairs not yet asked.
    explicit ZapGame(WordPairs list, rnd::Source random = {});

    bool playable() const { return m_playable; }

    // Picks the turn's pair, its five choices and a layout; the Ready prompt
    // waits. Does nothing for a list that is not playable.
    void newTurn();
    // The Ready prompt was clicked: targets shown, vanishing and clock run.
    void startTurn();
    // A target (or the picture behind it) was pressed.
    Outcome shoot(int index);
    // A click on the window outside every control.
    Outcome windowClick();
    // The end-of-turn message was clicked.
    Outcome messageClick();

    // One tick of the vanishing timer: returns the index of the target that
    // vanished (-1 for none) and sets `missed` when the turn was lost.
    int vanishTick(bool *missed);
    // One second of the play clock. Returns true exactly once, on the tick
    // that reaches 0: time is up.
    bool clockTick();
    // One tick of the flash of "Great Shot!".
    void flashTick();

    Phase phase() const { return m_phase; }
    bool vanishRunning() const { return m_vanishRunning; }
    bool clockRunning() const { return m_clockRunning; }
    std::int16_t score() const { return m_score; }
    int timeLeft() const { return m_timeLeft; }
    bool missedLast() const { return m_missedLast; }
    bool targetVisible(int index) const { return m_targetVisible[index]; }
    const QString &choice(int index) const { return m_choices[index]; } // 0..4
    int rightAnswer() const { return m_rightAnswer; }                    // 1..5
    const QString &currentWord() const { return m_currentWord; }
    const QString &currentMeaning() const { return m_currentMeaning; }
    int layout() const { return m_layout; } // 1..5
    int poolSize() const { return int(m_pool.size()); }
    // What ended the turn (GoodShot, WrongShot or Missed): the end-of-turn message says it.
    Outcome turnEnd() const { return m_turnEnd; }
    std::uint32_t messageBackground() const { return m_messageBackground; }

private:
    void pickWords();
    void placeTargets();
    Outcome goodShot();
    Outcome wrongShot();
    Outcome missed();
    void addScore(int delta);
    void startNextTurn();

    WordPairs m_list;
    WordPairs m_pool;
    rnd::Source m_random;
    bool m_playable = false;

    Phase m_phase = Phase::WaitingForReady;
    bool m_vanishRunning = false;
    bool m_clockRunning = false;
    bool m_timeUp = false;
    std::int16_t m_score = 0;
    int m_timeLeft = TurnSeconds;
    bool m_missedLast = false;
    int m_vanishPhase = 1;
    int m_nextToVanish = 0;
    std::array<bool, TargetCount> m_targetVisible{};
    std::array<QString, TargetCount> m_choices;
    int m_rightAnswer = 1;
    QString m_currentWord;
    QString m_currentMeaning;
    int m_layout = 1;
    Outcome m_turnEnd = Outcome::Ignored;
    std::uint32_t m_messageBackground = LoseBackgroundRest;
};
