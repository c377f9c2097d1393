#include "HangmanScreens.h"

#include "Hangman.h"
#include "HangmanOutcome.h"
#include "app/ScreenManager.h"

void registerHangmanScreens(ScreenManager &manager)
{
    manager.registerScreen(ScreenId::Hangman, [] { return new Hangman; });
    manager.registerScreen(ScreenId::youwin, [] { return new youwin; });
    manager.registerScreen(ScreenId::LoseForm, [] { return new LoseForm; });
}
