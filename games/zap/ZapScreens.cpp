#include "ZapScreens.h"

#include "app/ScreenManager.h"

void registerZapScreens(ScreenManager &)
{
}
