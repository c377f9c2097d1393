// Lingo-Spark's own start, watched by the probe: from main() through the
// program's start-up sequence to the first paint of the main menu.
// Usage: startup_lingo --data FOLDER [--idle-ms N]
#include "StartupProbe.h"

#include "AllScreens.h"
#include "app/ScreenManager.h"
#include "translations/InterfaceLanguage.h"

int main(int argc, char *argv[])
{
    StartupProbe::mainStart();
    QApplication app(argc, argv);
    // The interface language as the program chooses it (LANGUAGE and the rest).
    translations::InterfaceLanguage language(translations::chooseLanguage(
        translations::systemLanguageSources(QString()), translations::shippedLanguages()));
    language.install();
    StartupProbe probe([](QWidget *window) { return window == screens().find(ScreenId::First); },
                       StartupProbe::idleMsFromArgs(argc, argv));
    QString data;
    for (int i = 1; i + 1 < argc; ++i) {
        if (QByteArray(argv[i]) == "--data")
            data = QString::fromLocal8Bit(argv[i + 1]);
    }
    if (!startLingoSpark(data))
        return 1;
    return QApplication::exec();
}
