#pragma once

#include "Worksheet.h"

#include "app/Screen.h"

class QListWidget;
class QPushButton;
class QRadioButton;

// Prints a chosen list as a worksheet, or saves the worksheet as a PDF.
class PrintList : public Screen {
    Q_OBJECT
public:
    PrintList();

    void Form_Load() override;
    void Form_Terminate() override;
    void escapePressed() override;
    void Print_Click();
    void SavePdf_Click();
    void Finished_Click();

    QListWidget *TheLists;
    QRadioButton *KeepBoth;
    QRadioButton *BlankMeanings;
    QRadioButton *BlankWords;
    QPushButton *Print;
    QPushButton *SavePdf;
    QPushButton *Finished;

private:
    worksheet::Blank blank() const;
};
