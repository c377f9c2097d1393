#include "ListChooser.h"

#include "Controls.h"
#include "ScreenManager.h"
#include "core/Collation.h"
#include "core/ListStore.h"
#include "core/SharedState.h"

#include <QCoreApplication>
#include <QListWidget>

namespace {

void fillSorted(QListWidget *theLists, QStringList names)
{
    sortAlphabetically(names);
    theLists->setSortingEnabled(false); // Qt would sort case-sensitively
    theLists->setSelectionMode(QAbstractItemView::SingleSelection);
    followItemDirections(theLists);
    theLists->clear();
    theLists->addItems(names);
}

// Ctrl+click can deselect the current row, so ask for the selection.
QListWidgetItem *selectedList(QListWidget *theLists)
{
    const QList<QListWidgetItem *> selected = theLists->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void remindToChooseAList()
{
    if (Screen *reminder = screens().show(ScreenId::ChooseAList))
        reminder->beepWhenPainted();
}

} // namespace

void fillListChooser(QListWidget *theLists)
{
    fillSorted(theLists, ReadListNames());
    if (Shared.ListChoice > 0 && Shared.ListChoice < theLists->count()) {
        theLists->setCurrentRow(Shared.ListChoice);
        theLists->scrollToItem(theLists->currentItem());
    }
}

bool takeListChoice(QListWidget *theLists)
{
    QListWidgetItem *selected = selectedList(theLists);
    if (!selected) {
        Shared.CurrentList.clear();
        Shared.ListChoice = -1;
        remindToChooseAList();
        return false;
    }
    Shared.CurrentList = selected->text();
    Shared.ListChoice = std::int16_t(theLists->row(selected));
    return true;
}

bool fillTeacherListChooser(QListWidget *theLists)
{
    bool readable = true;
    QStringList names = ReadListNames(&readable);
    // The first name is the store's first line: "No Lists" there is an empty
    // store, whose one line is no list to work on.
    if (!readable || names.value(0) == QString::fromLatin1(NoListsLine))
        names.clear();
    fillSorted(theLists, names);
    return readable;
}

bool takeTeacherListChoice(QListWidget *theLists)
{
    QListWidgetItem *selected = selectedList(theLists);
    if (!selected) {
        Shared.CurrentList.clear();
        remindToChooseAList();
        return false;
    }
    Shared.CurrentList = selected->text();
    return true;
}

QString nothingDueMessage()
{
    return QCoreApplication::translate("ListChooser", "No words of this list are due today.");
}

QString tooFewWordsMessage()
{
    return QCoreApplication::translate("ListChooser", "This list needs at least two different words to make a quiz. "
                                                      "Please choose another list.");
}
