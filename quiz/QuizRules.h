#pragma once

#include "app/core/Random.h"
#include "app/core/WordPair.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

// 1: the word is shown and its meaning is marked; 2: the other way round.
enum QuizDirectionValue { WordToMeaning = 1, MeaningToWord = 2 };

struct Question {
    WordPair pair;
    int direction = WordToMeaning;
    int rightAnswer = 1;            // position 1..4
    std::array<QString, 5> choices; // positions 1..4; 0 unused
    QString text;                   // what the pupil is asked about
};

// Kinds 1 and 2 fix the direction; kind 3 draws it for every question.
int chooseDirection(int quizType, const rnd::Source &random);

// Asks every pair of the list once, in random order, before any repeats;
// once the pool is used up, pairs are drawn from the whole list.
class QuestionDrawer {
public:
    QuestionDrawer(WordPairs list, rnd::Source random);

    bool canAsk() const { return m_canAsk; }
    // Asks these pairs (of the list) first, in this order, instead of the
    // whole list in random order; the wrong choices still come from the
    // whole list.
    void askOnly(WordPairs pairs);
    int poolSize() const { return int(m_pool.size()); }

    // nullopt for a list that cannot make a question (see hasTwoDifferentWords).
    std::optional<Question> makeQuestion(int direction);

private:
    WordPairs m_list;
    WordPairs m_pool;
    rnd::Source m_random;
    bool m_canAsk;
    bool m_inOrder = false;
};

// The integer part of right x 100 / asked, in integers so that 29 of 50 is
// 58 (floating point would drop it to 57); 0 when nothing was asked.
int scorePercent(int right, int asked);

// The results screen's verdict on a percentage.
enum class Rating { Perfect, GoodJob, MoreWork, KeepStudying };
Rating ratingFor(int percent);
