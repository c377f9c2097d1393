#include "EditChooseList.h"

#include "EditorHandOver.h"
#include "app/ListChooser.h"
#include "manage/TeacherChooser.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"
#include "app/core/SharedState.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

EditChooseList::EditChooseList()
    : Screen(ScreenId::EditChooseList)
{
    setWindowTitle(tr("View/Edit Vocabulary List"));
    setClientSizeTwips(5400, 4800);

    auto *Frame2 = new QGroupBox(tr("Choose a List to View or Edit"), area());
    placeTw(Frame2, 240, 240, 4920, 3600);
    TheLists = new QListWidget(Frame2);
    TheLists->setAccessibleName(tr("Lists"));
    placeTw(TheLists, 240, 360, 4440, 3000);
    connect(TheLists, &QListWidget::itemActivated, this, &EditChooseList::Command1_Click);

    Command1 = new QPushButton(tr("OK"), area());
    Command2 = new QPushButton(tr("Cancel"), area());
    placeTw(Command1, 1080, 4080, 1455, 495);
    placeTw(Command2, 2880, 4080, 1455, 495);
    for (QPushButton *button : {Command1, Command2})
        button->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &EditChooseList::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &EditChooseList::Command2_Click);
}

void EditChooseList::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    loadTeacherListChooser(TheLists, this);
}

void EditChooseList::Command1_Click()
{
    if (!takeTeacherListChoice(TheLists))
        return;
    // Same-named lists keep their store order in the box (the sort is
    // stable), so counting the equal names above the pick tells which one it is.
    const int row = TheLists->row(TheLists->selectedItems().first());
    int occurrence = 0;
    for (int i = 0; i < row; ++i)
        occurrence += TheLists->item(i)->text() == Shared.CurrentList ? 1 : 0;
    listEditorChoice() = {Shared.CurrentList, occurrence};

    screens().show(ScreenId::EditList);
    screens().close(ScreenId::EditChooseList);
}

void EditChooseList::Command2_Click()
{
    screens().show(ScreenId::Manager);
    screens().close(ScreenId::EditChooseList);
}

void EditChooseList::Form_Terminate()
{
    screens().endProgram();
}

void EditChooseList::escapePressed()
{
    Command2_Click();
}
