#pragma once

#include <QList>
#include <QString>

// A word and its meaning, as a list holds them: every activity draws from
// them and the list editor edits them.
struct WordPair {
    QString word;
    QString meaning;
    bool operator==(const WordPair &) const = default;
};

using WordPairs = QList<WordPair>;

// The quiz and Zap offer wrong choices from words other than the one asked
// (compared exactly), so a list plays only if it holds two different words.
// The screens that start a quiz say so in tooFewWordsMessage (app/ListChooser.h).
bool hasTwoDifferentWords(const WordPairs &pairs);
