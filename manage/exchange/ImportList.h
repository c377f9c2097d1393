#pragma once

#include "ListImport.h"

#include "app/Screen.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

// Brings a list in from a file: opens the file dialog at once, then shows
// what would be taken and what not before anything is written.
class ImportList : public Screen {
    Q_OBJECT
public:
    ImportList();

    void Form_Load() override;
    void Form_Terminate() override;
    void escapePressed() override;
    void ChooseFile_Click();
    void HeaderBox_Toggled(bool header);
    void Import_Click();
    void Cancel_Click();

    QLabel *FileName;
    QLineEdit *NameBox;
    QLabel *CountLabel;
    QLabel *Notes;
    QCheckBox *HeaderBox;
    QLabel *Languages;
    QTableWidget *Rows;
    QListWidget *Refused;
    QPushButton *ChooseFile;
    QPushButton *Import;
    QPushButton *Cancel;

private:
    void showPreview();

    QString m_path;
    QByteArray m_bytes;
    ImportResult m_result;
    bool m_fileChosen = false;
};
