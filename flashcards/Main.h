#pragma once

#include "CardViewer.h"

#include "app/Screen.h"

#include <memory>

class ClickLabel;
class QLabel;
class QPushButton;
class QTimer;
class ScreenSpeech;
class SoundSwitch;

// The flash-card viewer: one card at a time, each half uncovered by the
// reveal animation.
class Main : public Screen {
    Q_OBJECT
public:
    Main();

    void Form_Load() override;
    void Form_Terminate() override;

    void Timer1_Timer();
    void Image1_Click();
    void Label2_Click();
    void Backhand_Click();
    void BackLabel_Click();
    void Gimme_Click();
    void Image2_Click();
    void Command1_Click();
    void MainBack_Click();
    void Back_Click();

    const CardViewer &viewer() const { return *m_viewer; }
    SoundSwitch *soundSwitch() const { return m_sound; }
    ScreenSpeech *speech() const { return m_speech; }

    QPushButton *Command1;
    QTimer *Timer1;
    QPushButton *Gimme;
    ClickLabel *Image3;
    ClickLabel *Image2;
    ClickLabel *BackLabel;
    ClickLabel *Backhand;
    ClickLabel *Label2;
    ClickLabel *Image1;
    QLabel *Label1;
    QLabel *TheWord;
    QLabel *TheDefinition;

private:
    void StartDeck();
    void forwardAndShow(bool pageTurn);
    void backAndShow();
    void showState();
    void placeHalves();
    void pageTurn();
    void speakUncovered();
    void noteTurnedOver();

    std::unique_ptr<CardViewer> m_viewer;
    SoundSwitch *m_sound;
    ScreenSpeech *m_speech;
    CardViewer::Uncovered m_spoken;
    int m_seenCard = -1; // the last card put up that was turned over
};
