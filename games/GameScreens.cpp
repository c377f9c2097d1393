#include "GameScreens.h"

#include "app/ScreenManager.h"

void registerGameScreens(ScreenManager &)
{
}
