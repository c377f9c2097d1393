#include "ListChooser.h"

#include "ScreenManager.h"
#include "Sound.h"
#include "core/Collation.h"
#include "core/ListStore.h"
#include "core/SharedState.h"

#include <QListWidget>

void fillListChooser(QListWidget *theLists)
{
    QStringList names = ReadListNames();
    sortAlphabetically(names);
    theLists->setSortingEnabled(false); // Qt would sort case-sensitively
    theLists->setSelectionMode(QAbstractItemView::SingleSelection);
    theLists->clear();
    theLists->addItems(names);
    if (Shared.ListChoice > 0 && Shared.ListChoice < theLists->count()) {
        theLists->setCurrentRow(Shared.ListChoice);
        theLists->scrollToItem(theLists->currentItem());
    }
}

bool takeListChoice(QListWidget *theLists)
{
    // Ctrl+click can deselect the current row, so ask for the selection.
    const QList<QListWidgetItem *> selected = theLists->selectedItems();
    if (selected.isEmpty()) {
        Shared.CurrentList.clear();
        Shared.ListChoice = -1;
        screens().show(ScreenId::ChooseAList);
        Beep();
        return false;
    }
    Shared.CurrentList = selected.first()->text();
    Shared.ListChoice = std::int16_t(theLists->row(selected.first()));
    return true;
}
