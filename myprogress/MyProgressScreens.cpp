#include "MyProgressScreens.h"

#include "MyProgress.h"

#include "app/ScreenManager.h"

void registerMyProgressScreens(ScreenManager &manager)
{
    manager.registerScreen(ScreenId::MyProgress, [] { return new MyProgress; });
}
