#pragma once

#include "app/core/Letters.h"
#include "app/core/Random.h"
#include "app/core/SharedState.h"

#include <QStringList>
#include <algorithm>
#include <optional>

// Picks the word of a Hangman or Scramble game among the list's words (the
// loaded list only, never entries beyond its count). Only words of at most
// `maxLetters` letters, blanks and punctuation included, take part, each
// with the same chance. Redrawing until a short word comes up could give up
// while one fitting word exists, so the fitting words are counted first.
// Returns the word's position in `words`, or nothing when the list is empty
// or every word is too long.
inline std::optional<int> drawPlayableWord(const QStringList &words, int maxLetters, const rnd::Source &random = {})
{
    QList<int> fitting;
    for (int i = 0; i < words.size(); ++i)
        if (letters::count(words[i]) <= maxLetters)
            fitting.append(i);
    if (fitting.isEmpty())
        return std::nullopt;
    random.reseed();
    const int pick = std::clamp(random.from1To(int(fitting.size())), 1, int(fitting.size()));
    return fitting[pick - 1];
}

// The game's word from the list loaded into Words/Meanings: sets CurrentWord
// and CurrentMeaning. False when no word of the list can be played.
inline bool drawGameWord(int maxLetters)
{
    const auto pick = drawPlayableWord(loadedWords(), maxLetters);
    if (!pick)
        return false;
    Shared.CurrentWord = Shared.Words[*pick + 1];
    Shared.CurrentMeaning = Shared.Meanings[*pick + 1];
    return true;
}
