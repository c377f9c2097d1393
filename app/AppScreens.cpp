#include "AppScreens.h"

#include "AboutForm.h"
#include "ChooseAList.h"
#include "Error.h"
#include "First.h"
#include "ScreenManager.h"

void registerAppScreens(ScreenManager &manager)
{
    manager.registerScreen(ScreenId::First, [] { return new First; });
    manager.registerScreen(ScreenId::AboutForm, [] { return new AboutForm; });
    manager.registerScreen(ScreenId::ChooseAList, [] { return new ChooseAList; });
    manager.registerScreen(ScreenId::Error, [] { return new Error; });
}
