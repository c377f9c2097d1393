#include "QuizList.h"

#include "app/core/ListStore.h"
#include "app/core/SharedState.h"

bool listCanMakeQuestions(const QString &name)
{
    const QString currentList = Shared.CurrentList;
    const auto words = Shared.Words;
    const auto meanings = Shared.Meanings;
    const auto wordCount = Shared.WordCount;

    Shared.CurrentList = name;
    LoadList();
    const bool canAsk = hasTwoDifferentWords(loadedPairs());

    Shared.CurrentList = currentList;
    Shared.Words = words;
    Shared.Meanings = meanings;
    Shared.WordCount = wordCount;
    return canAsk;
}
