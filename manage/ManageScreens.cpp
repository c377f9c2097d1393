#include "ManageScreens.h"

#include "app/ScreenManager.h"

void registerManageScreens(ScreenManager &)
{
}
