#include "CreateList.h"

#include "ListEntries.h"
#include "ListEntryWords.h"
#include "manage/UnreadFile.h"
#include "app/Controls.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "app/Twips.h"
#include "app/core/ListStore.h"
#include "app/core/StoreContent.h"
#include "app/core/SharedState.h"

#include <QLineEdit>
#include <QPushButton>

CreateList::CreateList()
    : Screen(ScreenId::CreateList)
{
    setWindowTitle(tr("Create New Vocabulary List"));
    setClientSizeTwips(5400, 2280);

    QLabel *Label1 = makeLabel(area(), tr("Type in the Name of your New List"));
    setPointSize(Label1, 11);
    placeTw(Label1, 240, 240, 4920, 375);

    NewName = new QLineEdit(area());
    NewName->setAccessibleName(tr("Name of the new list"));
    placeTw(NewName, 240, 720, 4920, 375);
    connect(NewName, &QLineEdit::returnPressed, this, &CreateList::Command2_Click);

    Command2 = new QPushButton(tr("OK"), area());
    Command1 = new QPushButton(tr("Cancel"), area());
    placeTw(Command2, 1080, 1440, 1455, 495);
    placeTw(Command1, 2880, 1440, 1455, 495);
    for (QPushButton *button : {Command2, Command1})
        button->setAutoDefault(true);
    connect(Command2, &QPushButton::clicked, this, &CreateList::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &CreateList::Command1_Click);
    setTabOrder(NewName, Command2);
    setTabOrder(Command2, Command1);
}

void CreateList::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    NewName->setFocus();
}

void CreateList::Command2_Click()
{
    const QString name = takenText(NewName->text());
    if (name.isEmpty()) {
        Beep();
        return;
    }
    std::optional<QString> refusal;
    if (const auto why = entryRefusal(name, EntryKind::ListName)) {
        refusal = entryRefusalText(*why, EntryKind::ListName);
    } else {
        const auto store = ReadStore();
        if (!store)
            refusal = unreadFileMessage(storePath());
        else if (nameTaken(*store, name))
            refusal = nameTakenMessage(name);
    }
    if (refusal) {
        heyMessage(*refusal, this);
        NewName->setFocus();
        NewName->selectAll();
        return;
    }
    Shared.NewListName = name;
    screens().show(ScreenId::MakeNewList);
    screens().close(ScreenId::CreateList);
}

void CreateList::Command1_Click()
{
    screens().show(ScreenId::Manager);
    screens().close(ScreenId::CreateList);
}

void CreateList::Form_Terminate()
{
    Command1_Click();
}

void CreateList::escapePressed()
{
    Command1_Click();
}
