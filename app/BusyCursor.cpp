#include "BusyCursor.h"

#include "core/DataUpdate.h"

#include <QGuiApplication>
#include <QThread>

void showBusyCursorWhileSavesWait()
{
    // The wait blocks the interface thread, and must: no click or key may
    // reach a screen whose save is under way, and no timer may run. So the
    // cursor changes without an event loop. An override cursor is applied
    // to every window within the call, and the X11 platform flushes that
    // request to the server there too.
    dataupdate::setWaitNotifier([](bool waiting) {
        if (!qApp || QThread::currentThread() != qApp->thread())
            return;
        if (waiting)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    });
}
