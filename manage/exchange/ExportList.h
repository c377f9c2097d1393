#pragma once

#include "app/Screen.h"

struct KvtmlBytes;
class QListWidget;
class QPushButton;

// Writes a chosen list to a CSV or KVTML file for other programs.
class ExportList : public Screen {
    Q_OBJECT
public:
    // Why the list cannot be written as KVTML; shared with the export verb.
    static QString refusalText(const KvtmlBytes &refused);
    ExportList();

    void Form_Load() override;
    void Form_Terminate() override;
    void escapePressed() override;
    void Export_Click();
    void Finished_Click();

    QListWidget *TheLists;
    QPushButton *Export;
    QPushButton *Finished;
};
