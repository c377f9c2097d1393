#include "QuizScreens.h"

#include "app/ScreenManager.h"

void registerQuizScreens(ScreenManager &)
{
}
