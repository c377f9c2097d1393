#pragma once

#include "games/PlayableWord.h"

#include <QString>

namespace scramble {

// One slot for each letter of the word.
inline constexpr int MaxWordLength = 20;

// The word's letters (grapheme clusters, so a letter with its accents or
// vowel signs moves as one), each used exactly once, in random order: slots
// are drawn, after one re-seed, until an untaken one comes up. A slot is
// known as taken by its own mark, never by the letter it held, so any
// letter (an asterisk too) is taken once. The result may equal the word.
QString scrambleWord(const QString &word, const rnd::Source &random = {});

enum class Verdict { Empty, Right, Wrong };

// The answer as typed, untrimmed; it is right when it reads as the word
// whatever its letter case or Unicode composition, whether it was submitted
// with the button or the Enter key.
Verdict judgeAnswer(const QString &answer, const QString &word);

} // namespace scramble
