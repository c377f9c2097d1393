#include "ScrambleScreens.h"

#include "app/ScreenManager.h"

void registerScrambleScreens(ScreenManager &)
{
}
