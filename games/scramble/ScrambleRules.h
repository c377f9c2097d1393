#pragma once

#include "games/PlayableWord.h"

#include <QString>

namespace scramble {

// One character slot for each character of the word.
inline constexpr int MaxWordLength = 20;

// The word's characters, each used exactly once, in random order: slots are
// drawn, after one re-seed, until an untaken one comes up. A slot is known
// as taken by its own mark, never by the character it held, so any
// character (an asterisk too) is taken once. The result may equal the word.
QString scrambleWord(const QString &word, const rnd::Source &random = {});

enum class Verdict { Empty, Right, Wrong };

// The answer as typed, untrimmed; letter case does not matter, whether it
// was submitted with the button or the Enter key.
Verdict judgeAnswer(const QString &answer, const QString &word);

} // namespace scramble
