#include "WordPair.h"

bool hasTwoDifferentWords(const WordPairs &pairs)
{
    for (const WordPair &pair : pairs)
        if (pair.word != pairs.first().word)
            return true;
    return false;
}

QString tooFewWordsMessage()
{
    return QStringLiteral("This list needs at least two different words to make a quiz. "
                          "Please choose another list.");
}
