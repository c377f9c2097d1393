#pragma once

#include "Picture.h" // appPicture, which most screens use
#include "ScreenId.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <functional>

class QMenu;
class QAction;
class QMenuBar;
class QPushButton;

// A screen: one top-level window with its controls and one handler per event.
// The screen manager creates it, runs Form_Load, and tells it when it gains
// or loses activation among the program's screens.
class Screen : public QMainWindow {
    Q_OBJECT
public:
    explicit Screen(ScreenId id, QWidget *parent = nullptr);
    ScreenId id() const { return m_id; }

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // Another screen of this program became active (not another program).
    virtual void Form_Deactivate() {}
    // The user closed the window from its title bar. By default the screen
    // closes, and the program ends when no screen is left.
    virtual void Form_Terminate();

    // The client area; controls are its children, placed in twips.
    QWidget *area() const { return m_area; }

    // Stops the screen's timers so nothing of a closed screen runs again.
    void stopTimers();

    // The Escape key. A screen with a Cancel (or a notice with only OK)
    // leaves as that button does; one holding unsaved work asks first.
    virtual void escapePressed() {}

protected:
    void setClientSizeTwips(int width, int height);
    // One of the program's pictures, stretched over the client area.
    void setBackgroundPicture(const QString &fileName);
    void setBackgroundColor(const QColor &color);

    QMenu *addMenu(const QString &title);
    QAction *addMenuItem(QMenu *menu, const QString &text, std::function<void()> handler);

    // The button Enter presses when the focused control has no Enter of its
    // own (a list box, an option button, a scroll bar), as a dialog's default
    // button is. Text boxes keep their own Enter. One per screen.
    void setDefaultButton(QPushButton *button);

    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    ScreenId m_id;
    QWidget *m_area;
    QPointer<QPushButton> m_defaultButton;
};

// Gives every menu title and item of the bar an Alt mnemonic (the first free
// initial of its words, else its first free letter) where it has none. The
// visible caption is unchanged but for the underline.
void giveMenuMnemonics(QMenuBar *bar);
// The caption with the mnemonic ampersand removed, as the user reads it.
QString visibleCaption(const QString &text);
