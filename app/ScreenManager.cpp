#include "ScreenManager.h"

#include <QApplication>
#include <QTimer>

ScreenManager &screens()
{
    static ScreenManager manager;
    return manager;
}

void ScreenManager::registerScreen(ScreenId id, Factory factory)
{
    m_factories[id] = std::move(factory);
}

Screen *ScreenManager::find(ScreenId id) const
{
    const auto it = m_screens.find(id);
    return it == m_screens.end() ? nullptr : it->second.data();
}

bool ScreenManager::isShown(ScreenId id) const
{
    const Screen *s = find(id);
    return s && s->isVisible();
}

Screen *ScreenManager::show(ScreenId id)
{
    Screen *screen = find(id);
    if (!screen) {
        const auto factory = m_factories.find(id);
        if (factory == m_factories.end())
            return nullptr;
        screen = factory->second();
        m_screens[id] = screen;
        ++m_showing;
        screen->Form_Load();
        --m_showing;
        // The load step may already have handed over and closed the screen.
        if (find(id) != screen)
            return nullptr;
    }
    screen->show();
    screen->raise();
    screen->activateWindow();
    setActive(screen);
    screen->shown();
    return screen;
}

void ScreenManager::hide(ScreenId id)
{
    Screen *screen = find(id);
    if (!screen)
        return;
    screen->hide();
    if (m_active == screen)
        activateAnotherAfter(screen);
    endWhenNoScreenIsLeft();
}

void ScreenManager::close(ScreenId id)
{
    Screen *screen = find(id);
    if (!screen)
        return;
    m_screens.erase(id);
    destroy(screen);
    if (m_active == screen)
        activateAnotherAfter(screen);
    endWhenNoScreenIsLeft();
}

void ScreenManager::destroy(Screen *screen)
{
    screen->stopTimers();
    screen->hide();
    // A handler of this very screen may be running: destroy it afterwards.
    screen->deleteLater();
}

void ScreenManager::closeAll()
{
    while (!m_screens.empty()) {
        const ScreenId id = m_screens.begin()->first;
        Screen *screen = find(id);
        m_screens.erase(id);
        if (screen) {
            screen->stopTimers();
            screen->hide();
            delete screen;
        }
    }
    m_active = nullptr;
    m_history.clear();
}

void ScreenManager::activate(ScreenId id)
{
    Screen *screen = find(id);
    if (!screen)
        return;
    screen->raise();
    screen->activateWindow();
    setActive(screen);
}

void ScreenManager::endProgram()
{
    m_ended = true;
    if (m_endHandler)
        m_endHandler();
    else
        QCoreApplication::exit(0); // not quit(): that would run every close handler
}

void ScreenManager::setEndProgramHandler(std::function<void()> handler)
{
    m_endHandler = std::move(handler);
}

void ScreenManager::resetForTests()
{
    closeAll();
    m_ended = false;
}

void ScreenManager::windowActivated(Screen *)
{
    // Activation events of several windows shown in one handler arrive one
    // after another; settle on the window that is active once they are in.
    if (m_syncPending)
        return;
    m_syncPending = true;
    QTimer::singleShot(0, this, [this] {
        m_syncPending = false;
        auto *screen = qobject_cast<Screen *>(QApplication::activeWindow());
        if (screen && find(screen->id()) == screen && screen->isVisible())
            setActive(screen);
    });
}

void ScreenManager::setActive(Screen *screen)
{
    if (m_active == screen)
        return;
    QPointer<Screen> previous = m_active;
    m_active = screen;
    m_history.removeAll(QPointer<Screen>(screen));
    m_history.append(screen);
    screen->Form_Activate();
    if (previous) {
        // Deactivation is acted on after the hand-over has settled, and only
        // if the screen did not get activation back meanwhile.
        QTimer::singleShot(0, this, [this, previous] {
            if (previous && m_active != previous && find(previous->id()) == previous)
                previous->Form_Deactivate();
        });
    }
}

void ScreenManager::activateAnotherAfter(Screen *leaving)
{
    m_history.removeAll(QPointer<Screen>(leaving));
    for (auto it = m_history.crbegin(); it != m_history.crend(); ++it) {
        Screen *candidate = it->data();
        if (candidate && find(candidate->id()) == candidate && candidate->isVisible()) {
            candidate->raise();
            candidate->activateWindow();
            // Still the active one until now, so a screen that was hidden
            // hears that it lost activation to this one.
            setActive(candidate);
            return;
        }
    }
    m_active = nullptr;
}

bool ScreenManager::anyScreenVisible() const
{
    for (const auto &[id, screen] : m_screens)
        if (screen && screen->isVisible())
            return true;
    return false;
}

void ScreenManager::endWhenNoScreenIsLeft()
{
    // Hand-overs may close the only screen just before showing the next one,
    // so look again once the handler has finished.
    QTimer::singleShot(0, this, [this] {
        if (m_ended || m_showing > 0 || anyScreenVisible())
            return;
        // Hidden screens (a dismissed reminder, a cancelled password screen)
        // are no window for the user: they go with the last visible one.
        for (const auto &[id, screen] : m_screens)
            if (screen)
                destroy(screen);
        m_screens.clear();
        m_active = nullptr;
        m_history.clear();
        endProgram();
    });
}
