#pragma once

#include "app/Screen.h"

#include <array>

class ClickLabel;
class QAction;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// The flash-card options: which list, what the cards show and in which order.
class frmTitle : public Screen {
    Q_OBJECT
public:
    frmTitle();

    void Form_Load() override;
    void Form_Terminate() override;

    void Option1_Click();
    void Option3_Click();
    void Option2_Click();
    void Option4_Click();
    void Option6_Click();
    void Begin_Click();
    void Back_Click();

    QListWidget *TheLists;
    QGroupBox *Frame1;
    QGroupBox *Frame3;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QRadioButton *Option4;
    QRadioButton *Option6;
    // Indexed as the labels are known: 3, 4, 5, 7 and 8 stand beside buttons.
    std::array<ClickLabel *, 9> Label3{};
    QLineEdit *Letter;
    QPushButton *Begin;
    QAction *HardWordsOnly;
};
