#pragma once

#include <QObject>

class QAction;
class QMenu;

// The "Sound Effects" item of a screen's Options menu; its checked state is
// that screen's switch and is lost with the screen.
class SoundSwitch : public QObject {
    Q_OBJECT
public:
    explicit SoundSwitch(QMenu *optionsMenu);

    void SoundOn_Click(); // inverts the switch, as a click on the item does
    bool isOn() const;
    QAction *action() const { return m_action; }

private:
    QAction *m_action;
};
