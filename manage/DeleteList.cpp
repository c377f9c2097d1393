#include "DeleteList.h"

#include "DeleteChoice.h"
#include "UnreadFile.h"

#include "app/Controls.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "app/Twips.h"
#include "app/core/ListStore.h"
#include "languages/ListLanguages.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

DeleteList::DeleteList()
    : Screen(ScreenId::DeleteList)
{
    setWindowTitle(tr("Delete A List"));
    setClientSizeTwips(6360, 5280);

    Label1 = makeLabel(area(), tr("To Delete A List:"));
    placeTw(Label1, 360, 240, 5640, 375);
    setPointSize(Label1, 14);
    Label2 = makeLabel(area(),
                       tr("Choose the List Name in the Box Below and Click the \"Delete\" Button."));
    placeTw(Label2, 360, 660, 5640, 555);
    setPointSize(Label2, 10, false);

    // Store order, not alphabetical: the row is the list's position.
    TheLists = new QListWidget(area());
    placeTw(TheLists, 360, 1320, 3600, 3600);
    TheLists->setSelectionMode(QAbstractItemView::SingleSelection);
    followItemDirections(TheLists);
    TheLists->setAccessibleName(tr("Lists"));
    Label2->setBuddy(TheLists);

    Command1 = new QPushButton(tr("Delete"), area());
    Command2 = new QPushButton(tr("Finished"), area());
    placeTw(Command1, 4320, 1320, 1695, 495);
    placeTw(Command2, 4320, 4425, 1695, 495);

    Sure = makeLabel(area(), tr("Are you sure you want to permenantly delete this list?"));
    placeTw(Sure, 4200, 1320, 1935, 1215);
    Sure->setAlignment(Qt::AlignCenter);
    setPointSize(Sure, 11);
    Yes = new QPushButton(tr("Yes"), area());
    No = new QPushButton(tr("No"), area());
    placeTw(Yes, 4320, 2760, 780, 495);
    placeTw(No, 5235, 2760, 780, 495);

    for (QPushButton *button : {Command2, Yes, No})
        button->setAutoDefault(true);
    // Enter on a list asks whether to delete it (the question's focus is No).
    setDefaultButton(Command1);
    connect(Command1, &QPushButton::clicked, this, &DeleteList::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &DeleteList::Command2_Click);
    connect(Yes, &QPushButton::clicked, this, &DeleteList::Yes_Click);
    connect(No, &QPushButton::clicked, this, &DeleteList::No_Click);
    setConfirming(false);
}

void DeleteList::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    const auto store = ReadStore();
    data = store.value_or(StoreContent());
    showNames();
    if (!store)
        MsgBox(unreadAtLoadMessage(storePath()), windowTitle());
}

void DeleteList::showNames()
{
    TheLists->clear();
    TheLists->addItems(data.names());
}

void DeleteList::showStore(const StoreContent &store)
{
    data = store;
    showNames();
    chooseAgain();
}

void DeleteList::deleted(int row, const StoreContent &store)
{
    delete TheLists->takeItem(row);
    QStringList shown;
    for (int i = 0; i < TheLists->count(); ++i)
        shown.append(TheLists->item(i)->text());
    // Deleting the last list leaves an empty box, though the store now holds
    // the empty marker.
    const QStringList stored = store.isEmpty() ? QStringList() : store.names();
    if (shown != stored) {
        showStore(store); // other computers changed the lists meanwhile
        return;
    }
    data = store;
    chooseAgain();
}

void DeleteList::chooseAgain()
{
    setConfirming(false);
    // No neighbour inherits the selection: the next Yes must be a new choice.
    TheLists->clearSelection();
    TheLists->setCurrentRow(-1);
}

void DeleteList::setConfirming(bool confirming)
{
    Command1->setVisible(!confirming);
    Command2->setVisible(!confirming);
    Sure->setVisible(confirming);
    Yes->setVisible(confirming);
    No->setVisible(confirming);
    (confirming ? No : Command1)->setFocus();
}

void DeleteList::Command1_Click()
{
    if (TheLists->selectedItems().isEmpty()) {
        screens().show(ScreenId::ChooseAList);
        return;
    }
    setConfirming(true);
    Beep();
}

void DeleteList::No_Click()
{
    setConfirming(false);
}

void DeleteList::Yes_Click()
{
    // The selection can change (or be cleared) while the question is shown.
    const QList<QListWidgetItem *> selected = TheLists->selectedItems();
    if (selected.isEmpty()) {
        screens().show(ScreenId::ChooseAList);
        return;
    }
    const liststore::ChosenList chosen = liststore::chosenAt(data, TheLists->row(selected.first()));
    // What the teacher chose from; another computer may have changed the
    // store since, so the deletion is made on the store as it is now.
    std::optional<StoredList> seen = data.listNamed(chosen.name, chosen.occurrence);
    for (;;) {
        const dataupdate::StoreResult result = dataupdate::updateStore(liststore::deletionOf(chosen, seen));
        switch (result.outcome) {
        case dataupdate::Outcome::Saved:
            deleted(TheLists->row(selected.first()), result.store);
            if (const auto dropped = languages::dropDeleted(chosen.name, result.store); !dropped)
                MsgBox(tr("The list was deleted, but its languages could not be removed.\n\n%1")
                           .arg(dropped.message),
                       windowTitle());
            return;
        case dataupdate::Outcome::Refused:
            showStore(result.store);
            MsgBox(result.message, windowTitle());
            return;
        case dataupdate::Outcome::Conflict:
            if (MsgBox(result.message, windowTitle(), MsgButtons::YesNo, this) != MsgAnswer::Yes) {
                showStore(result.store);
                return;
            }
            // Delete what the teacher was just told about, unless it changes again.
            seen = result.store.listNamed(chosen.name, chosen.occurrence);
            continue;
        default:
            // The file is as it was; the question stays, so Yes can try again.
            MsgBox(tr("%1\n\nThe list was not deleted.").arg(result.message), windowTitle());
            return;
        }
    }
}

void DeleteList::Command2_Click()
{
    screens().show(ScreenId::Manager);
    screens().close(ScreenId::DeleteList);
}

void DeleteList::Form_Terminate()
{
    Command2_Click();
}

void DeleteList::escapePressed()
{
    // Escape answers the deletion question with No.
    if (No->isVisible())
        No_Click();
}
