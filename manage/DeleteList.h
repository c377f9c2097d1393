#pragma once

#include "app/Screen.h"

#include "app/core/StoreContent.h"
#include <QList>

class QLabel;
class QListWidget;
class QPushButton;

// Deletes whole lists from the store, with the confirmation on the screen.
class DeleteList : public Screen {
    Q_OBJECT
public:
    DeleteList();

    void Form_Load() override;
    void escapePressed() override;
    void Form_Terminate() override;
    void Command1_Click();
    void Command2_Click();
    void Yes_Click();
    void No_Click();

private:
    void showNames();
    void showStore(const StoreContent &store);
    void deleted(int row, const StoreContent &store);
    void chooseAgain();
    void setConfirming(bool confirming);

    // The store's lines the box was filled from: as read at load, then as
    // found by each deletion.
    StoreContent data;

    QLabel *Label1;
    QLabel *Label2;
    QListWidget *TheLists;
    QPushButton *Command1;
    QPushButton *Command2;
    QLabel *Sure;
    QPushButton *Yes;
    QPushButton *No;
};
