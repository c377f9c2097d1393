#include "QuizScreens.h"

#include "Quiz.h"
#include "QuizOptions.h"
#include "summary.h"

#include "app/ScreenManager.h"

void registerQuizScreens(ScreenManager &manager)
{
    manager.registerScreen(ScreenId::QuizOptions, [] { return new QuizOptions; });
    manager.registerScreen(ScreenId::Quiz, [] { return new Quiz; });
    manager.registerScreen(ScreenId::summary, [] { return new summary; });
}
