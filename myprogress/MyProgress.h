#pragma once

#include "app/Screen.h"
#include "app/core/WordPair.h"

class BoxChart;
class QLabel;
class QListWidget;
class QPushButton;

// The pupil's own progress in one list: its words by box, what is due, and
// a quiz of the due words.
class MyProgress : public Screen {
    Q_OBJECT
public:
    // A practice quiz asks at most this many of the due words.
    static constexpr int MaxQuestions = 10;

    MyProgress();

    void Form_Load() override;
    void Form_Terminate() override;
    void escapePressed() override;

    void TheLists_Click();
    void Practise_Click();
    void StartAgain_Click();
    void Back_Click();

    QListWidget *TheLists;
    BoxChart *Chart;
    QLabel *DueLabel;
    QLabel *NeverLabel;
    QPushButton *Practise;
    QPushButton *StartAgain;

private:
    // The chosen list's pairs, read again; false without a choice.
    bool readChosenList(WordPairs &pairs);
};
