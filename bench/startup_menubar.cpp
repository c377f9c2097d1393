// A second yardstick for the first visible window: a bare main window with
// the main menu's client area and menu bar and nothing else. A menu bar's
// height comes from its font, so such a window loads the font database
// before it can be mapped; the one-label program maps first and loads fonts
// for its first paint.
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *area = new QWidget;
    area->setFixedSize(472, 320);
    window.setCentralWidget(area);
    window.menuBar()->addAction(QStringLiteral("Teacher Management"));
    window.menuBar()->addAction(QStringLiteral("     "))->setEnabled(false);
    window.menuBar()->addAction(QStringLiteral("About This Program"));
    window.menuBar()->addMenu(QStringLiteral("My Words"))->addAction(QStringLiteral("My Progress..."));
    window.show();
    return QApplication::exec();
}
