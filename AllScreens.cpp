#include "AllScreens.h"

#include "app/AlsaSoundPlayer.h"
#include "app/AppScreens.h"
#include "app/BusyCursor.h"
#include "app/DeferredIconStyle.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/core/DataFolder.h"
#include "app/core/SharedState.h"
#include "flashcards/FlashcardScreens.h"
#include "games/GamesMenuScreens.h"
#include "games/concentration/ConcentrationScreens.h"
#include "games/hangman/HangmanScreens.h"
#include "games/scramble/ScrambleScreens.h"
#include "games/zap/ZapScreens.h"
#include "manage/ManageScreens.h"
#include "manage/editor/ListEditorScreens.h"
#include "manage/exchange/ExchangeScreens.h"
#include "myprogress/MyProgressScreens.h"
#include "progress/Recorder.h"
#include "quiz/QuizScreens.h"
#include "speech/Speaker.h"

#include <QApplication>

#include <cstdio>

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
    registerExchangeScreens(manager);
    registerMyProgressScreens(manager);
}

void connectProgramEnd()
{
    // Quit and the last screen closing both end exec(): the word playing
    // stops and the speech thread is joined before the screens go, and the
    // last answers are saved, the write running while speech shuts down.
    // A file server that hangs holds the end up for a second at most.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] {
        progress::recorder().flush();
        shutdownSpeech();
        progress::recorder().flushAndWait(1000);
    });
}

bool startLingoSpark(const QString &dataOption)
{
    // Hand-overs close the only window just before showing the next one.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Lingo-Spark"));
    // Based on the style chosen by the desktop or the user (-style, QT_STYLE_OVERRIDE).
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()->name()));

    const DataFolderChoice choice = chooseDataFolder(systemDataFolderSources(dataOption));
    const QString problem = prepareDataFolder(choice, programFolder());
    if (!problem.isEmpty()) {
        // Also on stderr, for the technician reading a session log.
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        MsgBox(problem, QStringLiteral("Lingo-Spark"));
        return false;
    }
    Shared.AppPath = choice.folder;

    setSoundPlayer(std::make_unique<AlsaSoundPlayer>());
    connectProgramEnd();
    showBusyCursorWhileSavesWait();

    registerAllScreens(screens());
    screens().show(ScreenId::First);
    return true;
}
