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

    // The words for what the reader returns, shared with the import verb.
    static QString failureText(const ImportResult &result); // empty when the file holds a list
    static QString refusalText(const RefusedRow &row);
    // Columns dropped, pairs left out over the limit.
    static QStringList notesText(const ImportResult &result);

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
    QString m_failure; // why nothing can be taken from the file chosen
    bool m_fileChosen = false;
};
