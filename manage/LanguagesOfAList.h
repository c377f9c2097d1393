#pragma once

#include "app/Screen.h"

class QComboBox;
class QListWidget;
class QPushButton;

// Sets the language of a list's words and of its meanings. Replaces the
// management menu and shows it again when it ends.
class LanguagesOfAList : public Screen {
    Q_OBJECT
public:
    LanguagesOfAList();

    void Form_Load() override;
    void Form_Terminate() override;
    void escapePressed() override;
    void TheLists_Click();
    void OK_Click();
    void Cancel_Click();

    QListWidget *TheLists;
    QComboBox *Words;
    QComboBox *Meanings;
    QPushButton *OK;
    QPushButton *Cancel;
};
