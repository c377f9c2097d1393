#include "QuizRules.h"


int chooseDirection(int quizType, const rnd::Source &random)
{
    if (quizType == WordToMeaning || quizType == MeaningToWord)
        return quizType;
    random.reseed();
    return random.from1To(2);
}

QuestionDrawer::QuestionDrawer(WordPairs list, rnd::Source random)
    : m_list(std::move(list)), m_pool(m_list), m_random(std::move(random)), m_canAsk(hasTwoDifferentWords(m_list))
{
}

void QuestionDrawer::askOnly(WordPairs pairs)
{
    m_pool = std::move(pairs);
    m_inOrder = true;
}

std::optional<Question> QuestionDrawer::makeQuestion(int direction)
{
    if (!m_canAsk)
        return std::nullopt;

    Question q;
    q.direction = direction;
    m_random.reseed();
    if (!m_pool.isEmpty() && m_inOrder)
        q.pair = m_pool.takeFirst();
    else if (!m_pool.isEmpty())
        q.pair = m_pool.takeAt(m_random.from1To(int(m_pool.size())) - 1);
    else
        q.pair = m_list[m_random.from1To(int(m_list.size())) - 1];

    m_random.reseed();
    q.rightAnswer = m_random.from1To(4);

    // Redrawing from the whole list until the word differs picks uniformly
    // among the pairs with another word; drawing among those directly gives
    // the same choices and cannot run on.
    QList<int> others;
    for (int k = 0; k < m_list.size(); ++k)
        if (m_list[k].word != q.pair.word)
            others.append(k);

    for (int i = 1; i <= 4; ++i) {
        const WordPair &source = i == q.rightAnswer ? q.pair : m_list[others[m_random.from1To(int(others.size())) - 1]];
        q.choices[i] = direction == WordToMeaning ? source.meaning : source.word;
    }
    q.text = direction == WordToMeaning ? q.pair.word : q.pair.meaning;
    return q;
}

int scorePercent(int right, int asked)
{
    return asked > 0 ? right * 100 / asked : 0;
}

Rating ratingFor(int percent)
{
    if (percent >= 100)
        return Rating::Perfect;
    if (percent >= 71)
        return Rating::GoodJob;
    if (percent >= 41)
        return Rating::MoreWork;
    return Rating::KeepStudying;
}
