#pragma once

#include "EditorDialog.h"

class QLineEdit;
class QPushButton;

// Changes the word selected in the editor and its meaning.
class EditWord : public EditorDialog {
    Q_OBJECT
public:
    EditWord();

    void Form_Load() override;
    void Command1_Click(); // Done
    void Command2_Click(); // Cancel

    QLineEdit *TheWord;
    QLineEdit *TheMeaning;

private:
    QPushButton *Command1;
    QPushButton *Command2;
};
