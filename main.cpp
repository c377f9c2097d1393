#include "app/AlsaSoundPlayer.h"
#include "app/AppScreens.h"
#include "app/ScreenManager.h"
#include "flashcards/FlashcardScreens.h"
#include "games/GameScreens.h"
#include "manage/ManageScreens.h"
#include "quiz/QuizScreens.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Hand-overs close the only window just before showing the next one.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Lingo-Spark"));

    setSoundPlayer(std::make_unique<AlsaSoundPlayer>());
    if (!dataFilesPresent())
        return 1;

    ScreenManager &manager = screens();
    registerAppScreens(manager);
    registerFlashcardScreens(manager);
    registerQuizScreens(manager);
    registerGameScreens(manager);
    registerManageScreens(manager);

    manager.show(ScreenId::First);
    return QApplication::exec();
}
