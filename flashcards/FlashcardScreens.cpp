#include "FlashcardScreens.h"

#include "app/ScreenManager.h"

void registerFlashcardScreens(ScreenManager &)
{
}
