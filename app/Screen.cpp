#include "Screen.h"

#include "ScreenManager.h"
#include "Twips.h"
#include "core/SharedState.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>

namespace {

class ScreenArea : public QWidget {
public:
    using QWidget::QWidget;
    QPixmap background;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (background.isNull())
            return;
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), background);
    }
};

} // namespace

QPixmap appPicture(const QString &fileName)
{
    return QPixmap(appFile(fileName));
}

Screen::Screen(ScreenId id, QWidget *parent)
    : QMainWindow(parent), m_id(id), m_area(new ScreenArea(this))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_area->setAutoFillBackground(true);
    setCentralWidget(m_area);
}

void Screen::Form_Terminate()
{
    screens().close(m_id);
}

void Screen::stopTimers()
{
    for (QTimer *timer : findChildren<QTimer *>())
        timer->stop();
}

void Screen::setClientSizeTwips(int width, int height)
{
    m_area->setFixedSize(tw(width), tw(height));
    adjustSize();
}

void Screen::setBackgroundPicture(const QString &fileName)
{
    static_cast<ScreenArea *>(m_area)->background = appPicture(fileName);
    m_area->update();
}

void Screen::setBackgroundColor(const QColor &color)
{
    QPalette pal = m_area->palette();
    pal.setColor(QPalette::Window, color);
    m_area->setPalette(pal);
}

QMenu *Screen::addMenu(const QString &title)
{
    return menuBar()->addMenu(title);
}

QAction *Screen::addMenuItem(QMenu *menu, const QString &text, std::function<void()> handler)
{
    QAction *action = menu->addAction(text);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    return action;
}

void Screen::closeEvent(QCloseEvent *event)
{
    // The manager never closes windows through close(), so a close event is
    // the user's title-bar close: the screen's terminate rule decides.
    event->ignore();
    Form_Terminate();
}

void Screen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        screens().windowActivated(this);
    QMainWindow::changeEvent(event);
}
