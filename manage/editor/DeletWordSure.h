#pragma once

#include "EditorDialog.h"

class QLabel;
class QPushButton;

// Confirms deleting the word selected in the editor.
class DeletWordSure : public EditorDialog {
    Q_OBJECT
public:
    DeletWordSure();

    void Form_Load() override;
    void Command2_Click(); // Yes
    void Command1_Click(); // No

    QLabel *Label1;

protected:
    void cancel() override;

private:
    QPushButton *Command2;
    QPushButton *Command1;
};
