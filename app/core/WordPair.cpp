#include "WordPair.h"

#include <QCoreApplication>

bool hasTwoDifferentWords(const WordPairs &pairs)
{
    for (const WordPair &pair : pairs)
        if (pair.word != pairs.first().word)
            return true;
    return false;
}

QString tooFewWordsMessage()
{
    return QCoreApplication::translate("WordPair", "This list needs at least two different words to make a quiz. "
                                                   "Please choose another list.");
}
