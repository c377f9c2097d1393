#pragma once

#include <QString>

// A word and its meaning, as a list holds them: the quiz draws from them and
// the list editor edits them.
struct WordPair {
    QString word;
    QString meaning;
    bool operator==(const WordPair &) const = default;
};
