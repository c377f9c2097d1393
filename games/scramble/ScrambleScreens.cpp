#include "ScrambleScreens.h"

#include "Scramble.h"
#include "ScrambleOutcome.h"
#include "app/ScreenManager.h"

void registerScrambleScreens(ScreenManager &manager)
{
    manager.registerScreen(ScreenId::Scramble, [] { return new Scramble; });
    manager.registerScreen(ScreenId::ScrambleWin, [] { return new ScrambleWin; });
    manager.registerScreen(ScreenId::ScrambleLose, [] { return new ScrambleLose; });
}
