#pragma once

#include "app/Screen.h"

#include <array>

class ClickLabel;
class NumberScrollBar;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// Setting up a quiz: the list, how many questions (1..100) and their kind.
class QuizOptions : public Screen {
    Q_OBJECT
public:
    QuizOptions();

    void Form_Load() override;

    void QuestionBar_Change();
    void Label3_Click(int index);
    void Command1_Click();
    void Return_Click();

    // The number the bar stands for: its top end is 100, its bottom end 1.
    int questionCount() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QListWidget *TheLists;
    QGroupBox *Frame3;
    NumberScrollBar *QuestionBar;
    QLabel *QuestionLabel;
    QGroupBox *Frame1;
    QRadioButton *DefinitionQuiz;
    QRadioButton *RandomQuiz;
    QRadioButton *WordQuiz;
    std::array<ClickLabel *, 6> Label3{}; // indexes 3, 4, 5
    QPushButton *Command1;
};
