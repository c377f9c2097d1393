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
