#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One game of hangman: which letters of the word are shown, the guesses
// made so far and how much of the figure hangs. A letter is what a reader
// sees as one (a grapheme cluster), so a letter with its accents or vowel
// signs has one box. The screen turns each guess's outcome into boxes,
// figure parts and sounds.
class HangmanRound {
public:
    static constexpr int MaxWordLength = 14; // one letter box per letter
    static constexpr int FigureParts = 10;   // the tenth miss loses

    enum class GuessKind {
        Ignored,  // nothing typed, or the game is already over
        Repeated, // the very same text (same case) was guessed before
        Found,
        Missed,
    };
    struct Outcome {
        GuessKind kind = GuessKind::Ignored;
        int partDrawn = 0; // on a miss: the figure part now shown, 1..10
        bool lost = false;
        bool won = false;
    };

    explicit HangmanRound(const QString &word);

    Outcome guess(const QString &letter);

    const QString &word() const { return m_word; }
    int length() const { return int(m_letters.size()); }
    const QString &letter(int position) const { return m_letters[position]; }
    // The box (0..length-1) of a letter position. A right-to-left word
    // starts in the last box, so its boxes read the way the word does.
    int box(int position) const { return m_rightToLeft ? length() - 1 - position : position; }
    // A blank between the words of a phrase: its box stays hidden.
    bool isGap(int position) const { return m_letters[position] == QLatin1String(" "); }
    // What the box of a (0-based) letter position shows: the word's own
    // letter once found or given from the start, else nothing.
    QString boxText(int position) const;

    int lettersLeft() const { return m_lettersLeft; }
    int missStep() const { return m_missStep; }
    // Every processed guess, each preceded by a blank.
    const QString &alreadyUsed() const { return m_alreadyUsed; }
    bool isLost() const { return m_missStep > FigureParts; }
    bool isWon() const { return m_won; }

private:
    QString m_word;
    QStringList m_letters;
    QStringList m_folded; // each letter as a guess is compared with it
    bool m_rightToLeft;
    QList<bool> m_shown;
    int m_lettersLeft = 0;
    int m_missStep = 1;
    QStringList m_guesses;
    QString m_alreadyUsed;
    bool m_won = false;
};
