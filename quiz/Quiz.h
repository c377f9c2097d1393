#pragma once

#include "QuizRules.h"

#include "app/Screen.h"

#include <array>
#include <memory>

class ScreenSpeech;
class QLabel;
class QPushButton;
class SoundSwitch;

// Asks the four-choice questions, judges and counts the answers, and hands
// the counts to the results screen after the last one.
class Quiz : public Screen {
    Q_OBJECT
public:
    Quiz();
    ~Quiz() override;

    void Form_Load() override;

    void AnswerA_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void NextQuestion_Click();
    void Back_Click();
    void Back2Main_Click();
    void SoundOn_Click();

    bool soundIsOn() const;

    ScreenSpeech *speech() const { return m_speech; }

private:
    void ChooseDirection();
    void ShowDirections();
    void MakeQuestion();
    void CheckAnswer();
    void refuseList();
    QLabel *answerLabel(int position) const;

    rnd::Source m_random;
    std::unique_ptr<QuestionDrawer> m_pool; // the word pool (WordList / DefLIst)
    bool m_answered = false;
    WordPair m_asked; // the question's pair, whatever choice is hit
    SoundSwitch *m_sound;

    QPushButton *Command3;
    QPushButton *Command2;
    QPushButton *Command1;
    QPushButton *AnswerA;
    QPushButton *NextQuestion;
    QLabel *Image2;
    QLabel *Image1;
    QLabel *Happy2;
    QLabel *Sad2;
    QLabel *Sad;
    QLabel *Happy;
    QLabel *Feedback;
    QLabel *Answer4;
    QLabel *Answer3;
    QLabel *Answer2;
    QLabel *Answer1;
    QLabel *Questionlabel;
    QLabel *Direct;
    QLabel *RemainingLabel;
    QLabel *WrongLabel;
    QLabel *CorrectLabel;
    ScreenSpeech *m_speech;
};

