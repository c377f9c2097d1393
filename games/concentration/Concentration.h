#pragma once

#include "ConcentrationRules.h"

#include "app/Screen.h"

#include <QVector>
#include <memory>

class ScreenSpeech;
class ClickLabel;
class QLabel;
class QPushButton;
class QTimer;

// The memory game: 16 cards, 8 words of the list and their meanings.
class Concentration : public Screen {
    Q_OBJECT
public:
    Concentration();

    void Form_Load() override;
    void Form_Terminate() override;

    void Image1_Click(int p);
    void FeedbackButton_Click();
    void Timer1_Timer();
    void Back1_Click();
    void Back2_Click();

    const ConcentrationGame *game() const { return m_game.get(); }

    // Control arrays, indexed by card position 0 to 15.
    QVector<ClickLabel *> Image1;
    QVector<QLabel *> CardLabel;
    QLabel *Label1;
    QLabel *Tries;
    QLabel *TimeLabel;
    QPushButton *FeedbackButton;
    QLabel *WinLabel;
    QLabel *WinImage;
    QTimer *Timer1;

    ScreenSpeech *speech() const { return m_speech; }

private:
    void showBoard();
    void giveUp();

    std::unique_ptr<ConcentrationGame> m_game;
    WordPairs m_pairs; // as dealt: a card's pairOf counts from 1 in it
    ScreenSpeech *m_speech;
};
