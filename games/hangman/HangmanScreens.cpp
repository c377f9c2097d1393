#include "HangmanScreens.h"

#include "app/ScreenManager.h"

void registerHangmanScreens(ScreenManager &)
{
}
