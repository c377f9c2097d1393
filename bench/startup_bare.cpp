// The yardstick for start-up: a bare Qt Widgets program that shows one label
// in a window of the main menu's size, watched by the same probe.
#include "StartupProbe.h"

#include <QLabel>

int main(int argc, char *argv[])
{
    StartupProbe::mainStart();
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Lingo-Spark"));
    StartupProbe probe([&label](QWidget *window) { return window == &label; }, StartupProbe::idleMsFromArgs(argc, argv));
    // The main menu's client area (7080 x 4800 twips) and its menu bar.
    label.resize(472, 320 + 22);
    label.show();
    return QApplication::exec();
}
