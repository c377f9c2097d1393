#include "WordPair.h"

bool hasTwoDifferentWords(const WordPairs &pairs)
{
    for (const WordPair &pair : pairs)
        if (pair.word != pairs.first().word)
            return true;
    return false;
}
