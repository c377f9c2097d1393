#include "ChangeListName.h"

#include "ListEntries.h"
#include "ListEntryWords.h"
#include "manage/UnreadFile.h"
#include "app/MessageBox.h"
#include "app/Twips.h"
#include "app/core/ListStore.h"
#include "app/core/StoreContent.h"
#include "app/core/SharedState.h"

#include <QLineEdit>
#include <QPushButton>

ChangeListName::ChangeListName()
    : EditorDialog(ScreenId::ChangeListName)
{
    setWindowTitle(tr("Change List Name"));
    setClientSizeTwips(5400, 1920);

    TheName = new QLineEdit(area());
    TheName->setAccessibleName(tr("List name"));
    placeTw(TheName, 240, 360, 4920, 375);
    connect(TheName, &QLineEdit::returnPressed, this, &ChangeListName::Command1_Click);

    Command1 = new QPushButton(tr("OK"), area());
    Command2 = new QPushButton(tr("Cancel"), area());
    placeTw(Command1, 1080, 1080, 1455, 495);
    placeTw(Command2, 2880, 1080, 1455, 495);
    for (QPushButton *button : {Command1, Command2})
        button->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &ChangeListName::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ChangeListName::Command2_Click);
}

void ChangeListName::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    TheName->setText(Shared.EditedListName);
    TheName->selectAll();
    TheName->setFocus();
}

void ChangeListName::Command1_Click()
{
    if (m_done)
        return;
    const QString name = takenText(TheName->text());
    std::optional<QString> refusal;
    if (const auto why = entryRefusal(name, EntryKind::ListName)) {
        refusal = entryRefusalText(*why, EntryKind::ListName);
    } else {
        // The list keeps its own stored name; any other list's name is taken.
        const auto store = ReadStore();
        if (!store)
            refusal = unreadFileMessage(storePath());
        else if (nameTaken(*store, name, Shared.CurrentList))
            refusal = nameTakenMessage(name);
    }
    if (refusal) {
        heyMessage(*refusal, this);
        TheName->setFocus();
        return;
    }
    Shared.EditedListName = name;
    finish();
}

void ChangeListName::Command2_Click()
{
    cancel();
}
