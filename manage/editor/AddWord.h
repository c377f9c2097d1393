#pragma once

#include "EditorDialog.h"
#include "ForeignCharacters.h"

class QLineEdit;
class QPushButton;

// Takes a new word and meaning for the list open in the editor.
class AddWord : public EditorDialog {
    Q_OBJECT
public:
    AddWord();

    void Form_Load() override;
    void Command1_Click(); // Add Word
    void Command2_Click(); // Cancel
    void Command3_Click(); // Foreign Characters...
    void LScroll_Change();
    void FLButton_Click(int index);

    QLineEdit *Text1;
    QLineEdit *Text2;
    QPushButton *Command3;
    ForeignCharacters panel;

private:
    QPushButton *Command1;
    QPushButton *Command2;
};
