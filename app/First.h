#pragma once

#include "Picture.h"
#include "Screen.h"
#include "core/TitleAnimation.h"

class QLabel;
class QPushButton;
class QTimer;
class QAction;

// The start screen and main menu.
class First : public Screen {
    Q_OBJECT
public:
    First();

    void Form_Load() override;
    void Form_Terminate() override;

    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();
    void command4_Click();
    void Command3_Click();
    void Manage_Click();
    void MyProgress_Click();

    const TitleAnimation &animation() const { return m_animation; }

private:
    void placeAnimated();

    TitleAnimation m_animation;
    PictureLoad m_lightPicture;
    bool m_lightLoaded = false;
    QTimer *Timer1;
    QLabel *Light;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label4;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *command4;
    QPushButton *Command3;
};
