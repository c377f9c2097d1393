#include "AllScreens.h"
#include "app/AlsaSoundPlayer.h"
#include "app/AppScreens.h"
#include "app/ScreenManager.h"

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

    registerAllScreens(screens());
    screens().show(ScreenId::First);
    return QApplication::exec();
}
