#pragma once

#include "app/Screen.h"

class QLineEdit;
class QPushButton;

// Asks for the name of a new list, then hands over to MakeNewList.
class CreateList : public Screen {
    Q_OBJECT
public:
    CreateList();

    void Form_Load() override;

    void escapePressed() override;
    void Form_Terminate() override;
    void Command2_Click(); // OK
    void Command1_Click(); // Cancel

    QLineEdit *NewName;

private:
    QPushButton *Command2;
    QPushButton *Command1;
};
