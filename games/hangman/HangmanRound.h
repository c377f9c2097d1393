#pragma once

#include <QList>
#include <QString>

// One game of hangman: which characters of the word are shown, the guesses
// made so far and how much of the figure hangs. The screen turns each guess's
// outcome into boxes, figure parts and sounds.
class HangmanRound {
public:
    static constexpr int MaxWordLength = 14; // one letter box per character
    static constexpr int FigureParts = 10;   // the tenth miss loses

    enum class GuessKind {
        Ignored,  // nothing typed, or the game is already over
        Repeated, // the very same character (same case) was guessed before
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
    int length() const { return int(m_word.size()); }
    // A blank between the words of a phrase: its box stays hidden.
    bool isGap(int position) const { return m_word[position] == QLatin1Char(' '); }
    // What the box of a (0-based) position shows: the word's own character
    // once found or given from the start, else nothing.
    QString boxText(int position) const;

    int lettersLeft() const { return m_lettersLeft; }
    int missStep() const { return m_missStep; }
    // Every processed guess, each preceded by a blank.
    const QString &alreadyUsed() const { return m_alreadyUsed; }
    bool isLost() const { return m_missStep > FigureParts; }
    bool isWon() const { return m_won; }

private:
    QString m_word;
    QList<bool> m_shown;
    int m_lettersLeft = 0;
    int m_missStep = 1;
    QString m_alreadyUsed;
    bool m_won = false;
};
