#include "GamesMenuScreens.h"

#include "GameOption.h"
#include "GiveHint.h"
#include "app/ScreenManager.h"

void registerGamesMenuScreens(ScreenManager &manager)
{
    manager.registerScreen(ScreenId::GameOption, [] { return new GameOption; });
    // Shared by Hangman and Scramble, which show it by its id.
    manager.registerScreen(ScreenId::GiveHint, [] { return new GiveHint; });
}
