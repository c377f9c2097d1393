#pragma once

#include "EditorDialog.h"

class QLineEdit;
class QPushButton;

// Renames the list open in the editor; the new name is written on "Done".
class ChangeListName : public EditorDialog {
    Q_OBJECT
public:
    ChangeListName();

    void Form_Load() override;
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

    QLineEdit *TheName;

private:
    QPushButton *Command1;
    QPushButton *Command2;
};
