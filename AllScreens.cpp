#include "AllScreens.h"

#include "app/AppScreens.h"
#include "flashcards/FlashcardScreens.h"
#include "games/GamesMenuScreens.h"
#include "games/concentration/ConcentrationScreens.h"
#include "games/hangman/HangmanScreens.h"
#include "games/scramble/ScrambleScreens.h"
#include "games/zap/ZapScreens.h"
#include "manage/ManageScreens.h"
#include "manage/editor/ListEditorScreens.h"
#include "quiz/QuizScreens.h"

void registerAllScreens(ScreenManager &manager)
{
    registerAppScreens(manager);
    registerFlashcardScreens(manager);
    registerQuizScreens(manager);
    registerGamesMenuScreens(manager);
    registerHangmanScreens(manager);
    registerScrambleScreens(manager);
    registerConcentrationScreens(manager);
    registerZapScreens(manager);
    registerManageScreens(manager);
    registerListEditorScreens(manager);
}
