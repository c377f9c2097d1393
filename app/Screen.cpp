#include "Screen.h"

#include "Picture.h"
#include "ScreenManager.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSet>
#include <QTimer>

namespace {

class ScreenArea : public QWidget {
public:
    using QWidget::QWidget;

    void setBackground(const QString &fileName)
    {
        m_file = fileName;
        m_load = PictureLoad(fileName, size(), devicePixelRatioF());
        m_loadedFor = {};
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (m_file.isEmpty())
            return;
        // Decoded at the size painted, once: every later paint is a plain copy.
        const QSize pixels = (QSizeF(size()) * devicePixelRatioF()).toSize();
        if (m_loadedFor != pixels) {
            m_background = m_load.take(size(), devicePixelRatioF());
            m_loadedFor = pixels;
        }
        if (m_background.isNull())
            return;
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), m_background);
    }

private:
    QString m_file;
    PictureLoad m_load;
    QPixmap m_background;
    QSize m_loadedFor;
};

// The character after the single '&' of a caption ("&&" is a literal '&').
QChar mnemonicOf(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

QString withMnemonic(const QString &text, QSet<QChar> &taken)
{
    if (text.contains(u'&'))
        return text;
    const auto freeAt = [&](qsizetype i) { return text[i].isLetterOrNumber() && !taken.contains(text[i].toLower()); };
    qsizetype at = -1;
    for (qsizetype i = 0; i < text.size() && at < 0; ++i)
        if ((i == 0 || text[i - 1].isSpace()) && freeAt(i))
            at = i;
    for (qsizetype i = 0; i < text.size() && at < 0; ++i)
        if (freeAt(i))
            at = i;
    if (at < 0)
        return text;
    taken.insert(text[at].toLower());
    return text.left(at) + u'&' + text.mid(at);
}

void giveMnemonics(const QList<QAction *> &actions)
{
    QSet<QChar> taken;
    for (const QAction *action : actions)
        if (const QChar c = mnemonicOf(action->text()); !c.isNull())
            taken.insert(c);
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        const QString text = withMnemonic(action->text(), taken);
        if (text != action->text())
            action->setText(text);
    }
}

} // namespace

void giveMenuMnemonics(QMenuBar *bar)
{
    giveMnemonics(bar->actions());
    for (QAction *title : bar->actions())
        if (title->menu())
            giveMnemonics(title->menu()->actions());
}

QString visibleCaption(const QString &text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
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
    static_cast<ScreenArea *>(m_area)->setBackground(fileName);
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

void Screen::setDefaultButton(QPushButton *button)
{
    if (m_defaultButton)
        m_defaultButton->setDefault(false);
    m_defaultButton = button;
    // Not autoDefault: outside a dialog Qt drops the default look of an
    // autoDefault button once it loses the focus.
    button->setAutoDefault(false);
    button->setDefault(true);
}

void Screen::keyPressEvent(QKeyEvent *event)
{
    // Keys reach the screen only when the focused control did not take them.
    switch (event->key()) {
    case Qt::Key_Escape:
        escapePressed();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A text box has said what its Enter does (or that it does nothing).
        if (m_defaultButton && m_defaultButton->isVisible() && m_defaultButton->isEnabled()
            && !qobject_cast<QLineEdit *>(focusWidget())) {
            m_defaultButton->click();
            return;
        }
        break;
    default:
        break;
    }
    QMainWindow::keyPressEvent(event);
}

void Screen::showEvent(QShowEvent *event)
{
    // menuBar() would add an empty bar to a screen that has none.
    if (auto *bar = qobject_cast<QMenuBar *>(menuWidget()))
        giveMenuMnemonics(bar);
    QMainWindow::showEvent(event);
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
