#pragma once

#include "ZapRules.h"

#include "app/Screen.h"

#include <QRect>
#include <QVector>
#include <array>
#include <memory>

class ScreenSpeech;
class ClickLabel;
class QFrame;
class QLabel;
class QTimer;

namespace zapdetail {
class PlayField;
}

// The Word Zap! shooting game.
class Zap : public Screen {
    Q_OBJECT
public:
    Zap();

    void Form_Load() override;

    void ReadyLabel_Click();
    void Target_MouseDown(int index);
    void BackShape1_MouseDown(int index);
    void Form_Click();
    void LoseLabel_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void TimeTimer_Timer();
    void Back_Click();

    const ZapGame *game() const { return m_game.get(); }
    // The layer the rings of the last shot are drawn on.
    const QImage &ringLayer() const;

    QTimer *TimeTimer;
    QTimer *Timer2;
    QTimer *Timer1;
    QLabel *Label1;
    QLabel *TimerLabel;
    ClickLabel *LoseLabel;
    ClickLabel *ReadyLabel;
    QVector<ClickLabel *> Target;
    QLabel *DefLabel;
    QLabel *ScoreLabel;
    QVector<ClickLabel *> BackShape1;
    QFrame *Shape1;
    QLabel *BackShape2;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

    ScreenSpeech *speech() const { return m_speech; }

private:
    void showNewTurn();
    void showTurnOver();
    QString turnEndText() const;
    void handle(ZapGame::Outcome outcome, int shotIndex);
    void gradeTurn(bool hit);
    void Blast(int index);
    void TimeUp();
    void syncTimers();
    bool soundOn() const;
    void showScore();

    std::unique_ptr<ZapGame> m_game;
    zapdetail::PlayField *m_field;
    // Target geometry in twips, kept apart from the widgets' pixel geometry,
    // which rounds.
    std::array<QRect, TargetCount> m_targetTw;
    bool m_timeUpRunning = false;
    ScreenSpeech *m_speech;
};
