#pragma once

#include "app/Screen.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

// The school's default for pupils' automatic speech, kept in languages.dat;
// a pupil's own choice overrides it. Opens over the management menu and
// closes as soon as another screen is activated, as Sound Options does.
class SpeechForPupils : public Screen {
    Q_OBJECT
public:
    SpeechForPupils();

    void Form_Load() override;
    void Form_Deactivate() override;
    void escapePressed() override;
    void OK_Click();
    void Cancel_Click();

    QGroupBox *Frame1;
    QRadioButton *Automatically;
    QRadioButton *WhenAsked;
    QPushButton *OK;
    QPushButton *Cancel;

private:
    void closeDialog();

    bool m_done = false;
};
