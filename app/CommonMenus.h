#pragma once

#include <QCoreApplication>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The menus and items several screens share, each caption written (and so
// translated) once. A screen asks for the items it has, in its own order;
// the hand-overs that differ from screen to screen stay the screen's.
class CommonMenus {
    Q_DECLARE_TR_FUNCTIONS(CommonMenus)
public:
    static QMenu *go(QMenuBar *bar);
    static QMenu *options(QMenuBar *bar);
    static QMenu *speech(QMenuBar *bar);
    static QMenu *myWords(QMenuBar *bar);

    static QAction *backToMainScreen(QMenu *menu, std::function<void()> handler);
    static QAction *backToGamesOptions(QMenu *menu, std::function<void()> handler);
    // Ends the program.
    static QAction *quit(QMenu *menu);

    // Two spellings, as the screens have always shown them.
    enum class AboutCase { ThisProgram, thisProgram };
    // Shows the About screen. A menu or the menu bar itself.
    static QAction *about(QWidget *menu, AboutCase spelling = AboutCase::ThisProgram);
};
