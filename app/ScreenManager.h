#pragma once

#include "Screen.h"
#include "ScreenId.h"

#include <QObject>
#include <QPointer>
#include <QVector>
#include <functional>
#include <map>

// Owns the rule that each screen type exists at most once, and is the one
// source of truth for which of the program's screens is active.
class ScreenManager : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<Screen *()>;

    void registerScreen(ScreenId id, Factory factory);

    // Creates the screen if it does not exist (running its Form_Load), makes
    // it visible, raises and activates it.
    Screen *show(ScreenId id);
    // Makes it invisible; it keeps what was typed into it. A hidden screen is
    // no window for the user: once no screen is visible and none is being
    // shown, the hidden ones are closed too and the program ends.
    void hide(ScreenId id);
    // Destroys it; the next show starts it afresh.
    void close(ScreenId id);
    void closeAll();

    Screen *find(ScreenId id) const;
    template <class T> T *find(ScreenId id) const { return qobject_cast<T *>(find(id)); }
    bool exists(ScreenId id) const { return find(id) != nullptr; }
    bool isShown(ScreenId id) const;

    Screen *activeScreen() const { return m_active; }
    bool isActive(ScreenId id) const { return m_active && m_active->id() == id; }
    // Makes a screen the active one, as a click on its window would.
    void activate(ScreenId id);

    // "Quit": ends the program at once, without running any screen handler.
    void endProgram();
    bool programEnded() const { return m_ended; }
    // Tests replace what ending the program does.
    void setEndProgramHandler(std::function<void()> handler);
    void resetForTests();

    // From a screen: the window system activated it.
    void windowActivated(Screen *screen);

private:
    void setActive(Screen *screen);
    void activateAnotherAfter(Screen *leaving);
    void endWhenNoScreenIsLeft();
    bool anyScreenVisible() const;
    void destroy(Screen *screen);

    std::map<ScreenId, Factory> m_factories;
    std::map<ScreenId, QPointer<Screen>> m_screens;
    QPointer<Screen> m_active;
    QVector<QPointer<Screen>> m_history;
    std::function<void()> m_endHandler;
    bool m_ended = false;
    bool m_syncPending = false;
    // Screens between creation and becoming visible: a load step that waits
    // (a message box) must not look like a program without a window.
    int m_showing = 0;
};

ScreenManager &screens();
