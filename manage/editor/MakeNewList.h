#pragma once

#include "ForeignCharacters.h"
#include "NewListDraft.h"
#include "app/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Takes the new list's pairs one at a time and appends the list to the
// store on "Finished".
class MakeNewList : public Screen {
    Q_OBJECT
public:
    MakeNewList();

    void Form_Load() override;
    void escapePressed() override;
    void Form_Terminate() override;
    void Command2_Click(); // Add This Word
    void Command1_Click(); // Finished
    void Command3_Click(); // Foreign Characters...
    void LScroll_Change();
    void FLButton_Click(int index);
    void Return_Click();

    const NewListDraft &draft() const { return m_draft; }
    // Pairs added or text typed that the store does not hold yet.
    bool hasUnsavedWork() const;

    QLabel *ListNameLabel;
    QLabel *WordLabel;
    QLineEdit *TheWord;
    QLineEdit *TheMeaning;
    QLabel *TotalWordsLabel;
    QPushButton *Command2;
    QPushButton *Command1;
    QPushButton *Command3;
    ForeignCharacters panel;

private:
    enum class PairStep { Added, NothingTyped, HalfTyped, Refused };
    PairStep addTypedPair();
    void updateCounters();
    bool saveList();

    // TempList of the list being made: its name and pairs so far.
    NewListDraft m_draft;
};
