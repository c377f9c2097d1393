#pragma once

#include "app/core/StoreContent.h"
#include "app/Screen.h"

#include <QByteArray>
#include <QList>
#include <QVector>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;

// Shows a list's words and meanings and changes them through the word
// dialogs; "Done" writes the list back at the end of the store.
class EditList : public Screen {
    Q_OBJECT
public:
    EditList();

    void Form_Load() override;
    void escapePressed() override;
    void Form_Activate() override;
    void Form_Terminate() override;
    void WordList_Click();
    void Command1_Click(); // Delete
    void Command2_Click(); // Edit
    void Command3_Click(); // Add
    void Command6_Click(); // Change List Name
    void command4_Click(); // Done
    void Command5_Click(); // Cancel
    void Manage_Click();

    // The list as it stands on the screen.
    const WordPairs &pairs() const { return m_pairs; }
    bool hasUnsavedChanges() const { return m_changed; }

    QLabel *Label1;
    QListWidget *WordList;
    QLabel *DefLabel;
    QLabel *TotalLabel;

private:
    void loadList();
    bool selectedRow(int &row) const;
    void select(int row);
    bool saveList();

    // The words of WordList with the meanings (the hidden DefList): item i
    // belongs to WordList's item i. The store is written from here.
    WordPairs m_pairs;
    int m_occurrence = 0;
    // The list's lines in the store when it was loaded (nothing: not there),
    // to tell whether another computer changed it before Done.
    std::optional<StoredList> m_seen;
    // The store could not be read at load: nothing is saved from this screen.
    bool m_unread = false;
    bool m_changed = false;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command6;
    QPushButton *command4;
    QPushButton *Command5;
};
