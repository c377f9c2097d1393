#include "CommonMenus.h"

#include "ScreenManager.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction *item(QWidget *menu, const QString &text, std::function<void()> handler)
{
    QAction *action = menu->addAction(text);
    QObject::connect(action, &QAction::triggered, menu, [handler = std::move(handler)] { handler(); });
    return action;
}

} // namespace

QMenu *CommonMenus::go(QMenuBar *bar)
{
    return bar->addMenu(tr("Go"));
}

QMenu *CommonMenus::options(QMenuBar *bar)
{
    return bar->addMenu(tr("Options"));
}

QMenu *CommonMenus::speech(QMenuBar *bar)
{
    return bar->addMenu(tr("Speech"));
}

QMenu *CommonMenus::myWords(QMenuBar *bar)
{
    return bar->addMenu(tr("My Words"));
}

QAction *CommonMenus::backToMainScreen(QMenu *menu, std::function<void()> handler)
{
    return item(menu, tr("Back to Main Screen"), std::move(handler));
}

QAction *CommonMenus::backToGamesOptions(QMenu *menu, std::function<void()> handler)
{
    return item(menu, tr("Back to Games Options"), std::move(handler));
}

QAction *CommonMenus::quit(QMenu *menu)
{
    return item(menu, tr("Quit"), [] { screens().endProgram(); });
}

QAction *CommonMenus::about(QWidget *menu, AboutCase spelling)
{
    const QString text = spelling == AboutCase::ThisProgram ? tr("About This Program") : tr("About this Program");
    return item(menu, text, [] { screens().show(ScreenId::AboutForm); });
}
