#include "FlashcardScreens.h"

#include "Main.h"
#include "frmTitle.h"

#include "app/ScreenManager.h"

void registerFlashcardScreens(ScreenManager &manager)
{
    manager.registerScreen(ScreenId::frmTitle, [] { return new frmTitle; });
    manager.registerScreen(ScreenId::Main, [] { return new Main; });
}
