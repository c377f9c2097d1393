#pragma once

#include "PictureSlide.h"
#include "QuizRules.h"

#include "app/Screen.h"

#include <array>

class QLabel;
class QPushButton;
class QTimer;

// The results of a quiz, shown over the disabled quiz screen. It has no
// parent window: disabling the quiz would disable it too.
class summary : public Screen {
    Q_OBJECT
public:
    summary();

    void Form_Load() override;
    void Form_Terminate() override;

    void Timer1_Timer();
    void OK_Click();

    const PictureSlide &slide() const { return m_slide; }

private:
    void placePictures();
    static QString ratingText(Rating rating);

    PictureSlide m_slide;
    QTimer *Timer1;
    QPushButton *OK;
    QLabel *Feedback;
    QLabel *Label2;
    QLabel *Label1;
    std::array<QLabel *, 5> m_images{}; // Image1..Image4
};
