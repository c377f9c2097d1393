// Lingo-Spark's own start, watched by the probe: from main() through the
// program's start-up sequence to the first paint of the main menu. Run in a
// program folder (thelists.dat, lsdata.dat, pictures) as the program is.
#include "StartupProbe.h"

#include "AllScreens.h"
#include "app/ScreenManager.h"

int main(int argc, char *argv[])
{
    StartupProbe::mainStart();
    QApplication app(argc, argv);
    StartupProbe probe([](QWidget *window) { return window == screens().find(ScreenId::First); },
                       StartupProbe::idleMsFromArgs(argc, argv));
    if (!startLingoSpark())
        return 1;
    return QApplication::exec();
}
