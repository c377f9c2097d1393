#pragma once

#include "app/Screen.h"
#include "app/core/StoreContent.h"
#include "progress/ClassView.h"

#include <optional>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// What the class's progress files in the data folder's progress/ say of a
// chosen list: each pupil's right answers, the pairs the class misses most.
// Replaces the management menu and shows it again when it ends.
class ClassProgress : public Screen {
    Q_OBJECT
public:
    ClassProgress();

    void Form_Load() override;
    void Form_Terminate() override;
    void escapePressed() override;
    void TheLists_Click();
    void Export_Click();
    void Print_Click();
    void Close_Click();

    QListWidget *TheLists;
    QLabel *Summary;
    QTableWidget *Pupils;
    QTableWidget *Missed;
    QLabel *Skipped;
    QPushButton *Export;
    QPushButton *Print;
    QPushButton *Close;

private:
    std::optional<StoredList> chosenList() const;

    std::optional<StoreContent> m_store;
    progress::ClassFolder m_folder;
    std::optional<progress::ListRows> m_rows; // of the chosen list
};
