#pragma once

#include "app/Screen.h"

class ClickLabel;
class QGroupBox;
class QPushButton;
class QRadioButton;

// Chooses whether sound effects start switched on; opens over the
// management menu and closes as soon as another screen is activated.
class SoundOptions : public Screen {
    Q_OBJECT
public:
    SoundOptions();

    void Form_Load() override;

    void escapePressed() override;
    void Form_Deactivate() override;
    void Label1_Click();
    void Label2_Click();
    void Command1_Click();
    void Command2_Click();

private:
    void closeDialog();

    bool m_done = false;
    // The settings file could not be read when the screen opened.
    bool m_unread = false;

    QGroupBox *Frame1;
    QRadioButton *SoundOn;
    ClickLabel *Label1;
    QRadioButton *SoundOff;
    ClickLabel *Label2;
    QPushButton *Command1;
    QPushButton *Command2;
};
