#pragma once

#include "app/Screen.h"

class QListWidget;
class QPushButton;

// Picks the list to view or edit.
class EditChooseList : public Screen {
    Q_OBJECT
public:
    EditChooseList();

    void Form_Load() override;

    void escapePressed() override;
    void Form_Terminate() override;
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

    QListWidget *TheLists;

private:
    QPushButton *Command1;
    QPushButton *Command2;
};
