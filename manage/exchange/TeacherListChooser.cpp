#include "TeacherListChooser.h"

#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "app/core/Collation.h"
#include "app/core/ListStore.h"
#include "app/core/SharedState.h"

#include <QListWidget>

namespace exchange_chooser {

void fillTeacherListChooser(QListWidget *theLists)
{
    QStringList names = StoreIsEmpty() ? QStringList() : ReadListNames();
    sortAlphabetically(names);
    theLists->setSortingEnabled(false); // Qt would sort case-sensitively
    theLists->setSelectionMode(QAbstractItemView::SingleSelection);
    theLists->clear();
    theLists->addItems(names);
}

bool takeTeacherListChoice(QListWidget *theLists)
{
    const QList<QListWidgetItem *> selected = theLists->selectedItems();
    if (selected.isEmpty()) {
        Shared.CurrentList.clear();
        screens().show(ScreenId::ChooseAList);
        Beep();
        return false;
    }
    Shared.CurrentList = selected.first()->text();
    return true;
}

} // namespace exchange_chooser
