#include "GamesMenuScreens.h"

#include "app/ScreenManager.h"

void registerGamesMenuScreens(ScreenManager &)
{
}
