#include "ZapRules.h"

#include "app/core/Numbers.h"
#include "app/core/Random.h"

#include <cmath>
#include <vector>

const std::array<std::array<TargetPlace, TargetCount>, 5> TargetLayouts = {{
    {{{3240, 960}, {960, 2160}, {1560, 3600}, {4560, 3480}, {5400, 2280}}},
    {{{840, 1440}, {5520, 1440}, {3360, 2520}, {1560, 3600}, {5400, 3600}}},
    {{{3360, 1320}, {3360, 1920}, {3360, 2520}, {3360, 3120}, {3360, 3720}}},
    {{{720, 1200}, {3000, 1200}, {3000, 2280}, {3000, 4320}, {5400, 4320}}},
    {{{840, 2640}, {3120, 2640}, {5640, 2640}, {3120, 1200}, {3120, 4200}}},
}};

// Worded for the score screen, which shows it.
ZapRating RateScore(int score)
{
    if (score < 1)
        return ZapRating::Oops;
    if (score < 100)
        return ZapRating::NotTooBad;
    if (score < 200)
        return ZapRating::GoodJob;
    if (score < 400)
        return ZapRating::GreatWork;
    return ZapRating::Fantastic;
}

BlastCentre blastCentre(int left, int top, int width, int height)
{
    // Halves round to even, as the rings of a centred target always did.
    return {float(width) / 2.0f + float(left), std::int16_t(std::nearbyint(height / 2.0 + top))};
}

ZapGame::ZapGame(WordPairs list, rnd::Source random)
    : m_list(std::move(list)), m_pool(m_list), m_random(std::move(random)), m_playable(hasTwoDifferentWords(m_list))
{
}

void ZapGame::newTurn()
{
    if (!playable())
        return;
    m_phase = Phase::WaitingForReady;
    m_vanishRunning = false;
    m_nextToVanish = 0;
    m_vanishPhase = 1;
    m_targetVisible.fill(false);
    pickWords();
    placeTargets();
}

void ZapGame::pickWords()
{
    m_random.reseed();
    const WordPair pair = !m_pool.isEmpty() ? m_pool.takeAt(m_random.from1To(int(m_pool.size())) - 1)
                                            : m_list[m_random.from1To(int(m_list.size())) - 1];
    m_currentWord = pair.word;
    m_currentMeaning = pair.meaning;

    m_random.reseed();
    m_rightAnswer = m_random.from1To(TargetCount);

    // Drawing among the entries that differ from the turn's word is what
    // "draw again while it is the same word" comes to, and cannot run on
    // for ever. Wrong words may repeat among themselves.
    std::vector<int> wrong;
    for (int k = 0; k < m_list.size(); ++k)
        if (m_list[k].word != m_currentWord)
            wrong.push_back(k);
    for (int i = 1; i <= TargetCount; ++i) {
        const int k = wrong[m_random.from1To(int(wrong.size())) - 1];
        m_choices[i - 1] = i == m_rightAnswer ? m_currentWord : m_list[k].word;
    }
}

void ZapGame::placeTargets()
{
    m_random.reseed();
    m_layout = m_random.from1To(int(TargetLayouts.size()));
}

void ZapGame::startTurn()
{
    if (m_phase != Phase::WaitingForReady || !playable())
        return;
    m_phase = Phase::TurnRunning;
    m_vanishRunning = true;
    m_clockRunning = true;
    m_targetVisible.fill(true);
}

void ZapGame::startNextTurn()
{
    m_missedLast = false;
    newTurn();
}

ZapGame::Outcome ZapGame::shoot(int index)
{
    if (m_phase == Phase::TurnOver) {
        startNextTurn();
        return Outcome::NewTurn;
    }
    if (m_phase != Phase::TurnRunning || index < 0 || index >= TargetCount || !m_targetVisible[index])
        return Outcome::Ignored;
    return index == m_rightAnswer - 1 ? goodShot() : wrongShot();
}

ZapGame::Outcome ZapGame::windowClick()
{
    if (m_phase == Phase::TurnOver) {
        startNextTurn();
        return Outcome::NewTurn;
    }
    if (m_phase == Phase::TurnRunning && m_vanishRunning)
        return missed();
    return Outcome::Ignored;
}

ZapGame::Outcome ZapGame::messageClick()
{
    if (m_phase != Phase::TurnOver)
        return Outcome::Ignored;
    startNextTurn();
    return Outcome::NewTurn;
}

int ZapGame::vanishTick(bool *turnLost)
{
    *turnLost = false;
    if (!m_vanishRunning)
        return -1;
    if (m_vanishPhase == 1) {
        m_vanishPhase = 2;
        return -1;
    }
    if (m_vanishPhase == 2) {
        m_vanishPhase = 0;
        return -1;
    }
    const int vanished = m_nextToVanish;
    m_targetVisible[vanished] = false;
    m_vanishPhase = 1;
    if (m_nextToVanish < TargetCount - 1) {
        ++m_nextToVanish;
    } else {
        m_nextToVanish = 0;
        missed();
        *turnLost = true;
    }
    return vanished;
}

bool ZapGame::clockTick()
{
    if (!m_clockRunning)
        return false;
    // The clock stands at 0 while the time-up message is open, and time is
    // up only once even though the timers keep firing meanwhile.
    if (m_timeLeft > 0)
        --m_timeLeft;
    if (m_timeLeft == 0 && !m_timeUp) {
        m_timeUp = true;
        return true;
    }
    return false;
}

void ZapGame::flashTick()
{
    if (m_phase != Phase::TurnOver || m_missedLast)
        return;
    m_messageBackground = m_messageBackground == LoseBackgroundFlash ? LoseBackgroundRest : LoseBackgroundFlash;
}

void ZapGame::addScore(int delta)
{
    // A long losing streak stops at the 16-bit limit instead of wrapping
    // round to a large positive score.
    m_score = addCapped(m_score, delta);
}

ZapGame::Outcome ZapGame::goodShot()
{
    m_vanishRunning = false;
    addScore(50);
    m_turnEnd = Outcome::GoodShot;
    m_phase = Phase::TurnOver;
    m_missedLast = false;
    return m_turnEnd;
}

ZapGame::Outcome ZapGame::missed()
{
    m_vanishRunning = false;
    m_missedLast = true;
    addScore(-50);
    m_turnEnd = Outcome::Missed;
    m_phase = Phase::TurnOver;
    return m_turnEnd;
}

ZapGame::Outcome ZapGame::wrongShot()
{
    m_missedLast = true;
    m_vanishRunning = false;
    addScore(-50);
    m_turnEnd = Outcome::WrongShot;
    m_phase = Phase::TurnOver;
    return m_turnEnd;
}
