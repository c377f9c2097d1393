#include "DeleteChoice.h"

#include <QCoreApplication>

namespace liststore {

ChosenList chosenAt(const StoreContent &store, qsizetype position)
{
    if (position < 0 || position >= store.listCount())
        return {};
    return {store.listAt(position).name, store.occurrenceAt(position)};
}

dataupdate::StoreEdit deletionOf(const ChosenList &chosen, const std::optional<StoredList> &seen)
{
    return [chosen, seen](StoreContent &now) {
        const qsizetype position = now.positionOf(chosen.name, chosen.occurrence);
        if (position < 0)
            return dataupdate::Change::refuse(QCoreApplication::translate("DeleteList",
                "This list was already deleted on another computer."));
        if (!seen || !sameList(now.listAt(position), *seen))
            return dataupdate::Change::conflict(
                QCoreApplication::translate("DeleteList",
                    "This list was changed on another computer. Delete it anyway?"));
        now.removeAt(position);
        return dataupdate::Change::save();
    };
}

} // namespace liststore
