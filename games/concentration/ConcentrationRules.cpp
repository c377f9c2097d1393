#include "ConcentrationRules.h"

#include "app/core/Numbers.h"
#include "app/core/Random.h"

#include <algorithm>
#include <vector>

namespace {

// The k-th (1-based) index whose flag is clear. Drawing k among the clear
// ones is what "draw again while taken" amounts to, without the retries.
int nthFree(const std::vector<bool> &taken, int k)
{
    for (int i = 0; i < int(taken.size()); ++i)
        if (!taken[i] && --k == 0)
            return i;
    return -1;
}

int drawFree(const std::vector<bool> &taken, int freeCount, const rnd::Source &random)
{
    random.reseed();
    return nthFree(taken, random.from1To(freeCount));
}

} // namespace

Deal dealCards(const WordPairs &list, const rnd::Source &random)
{
    Deal deal;
    const int wordCount = int(list.size());
    if (wordCount < PairCount)
        return deal;

    std::vector<bool> dealt(wordCount, false);
    std::vector<bool> used(CardCount, false);
    std::array<int, PairCount> chosen{};

    for (int n = 0; n < PairCount; ++n) {
        const int w = drawFree(dealt, wordCount - n, random);
        dealt[w] = true;
        chosen[n] = w;
        const int s = drawFree(used, CardCount - n, random);
        used[s] = true;
        deal[s] = {list[w].word, w + 1, true};
    }
    for (int n = 0; n < PairCount; ++n) {
        const int s = drawFree(used, PairCount - n, random);
        used[s] = true;
        deal[s] = {list[chosen[n]].meaning, chosen[n] + 1, false};
    }
    return deal;
}

ConcentrationGame::ConcentrationGame(const Deal &deal)
    : m_deal(deal)
{
    m_state.fill(CardState::FaceDown);
}

ConcentrationGame::FlipResult ConcentrationGame::flip(int p)
{
    if (p < 0 || p >= CardCount || waitingForFeedback() || m_state[p] != CardState::FaceDown)
        return FlipResult::Ignored;
    m_state[p] = CardState::FaceUp;
    if (m_firstCard == NoCard) {
        m_firstCard = p;
        return FlipResult::FirstUp;
    }
    m_secondCard = p;
    return judge();
}

ConcentrationGame::FlipResult ConcentrationGame::judge()
{
    // A pupil who leaves the board open all day sees the count stop at the
    // 16-bit limit rather than turn negative.
    m_tryCount = addCapped(m_tryCount, 1);
    if (m_deal[m_firstCard].pairOf != m_deal[m_secondCard].pairOf) {
        m_verdict = Verdict::NoMatch;
        return FlipResult::NoMatch;
    }
    m_verdict = Verdict::Match;
    if (m_pairsFound == PairCount - 1) {
        m_state[m_firstCard] = CardState::Gone;
        m_state[m_secondCard] = CardState::Gone;
        m_gameOver = true;
        return FlipResult::Win;
    }
    return FlipResult::Match;
}

bool ConcentrationGame::endTurn()
{
    if (!waitingForFeedback())
        return false;
    if (m_verdict == Verdict::Match) {
        m_state[m_firstCard] = CardState::Gone;
        m_state[m_secondCard] = CardState::Gone;
        ++m_pairsFound;
    } else if (m_verdict == Verdict::NoMatch) {
        m_state[m_firstCard] = CardState::FaceDown;
        m_state[m_secondCard] = CardState::FaceDown;
    }
    m_firstCard = NoCard;
    m_secondCard = NoCard;
    return m_pairsFound == PairCount;
}

void ConcentrationGame::tick()
{
    if (!m_gameOver)
        m_elapsedSeconds = addCapped(m_elapsedSeconds, 1);
}
