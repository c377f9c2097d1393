#pragma once

#include "app/core/StoreContent.h"

#include <QString>
#include <optional>

// The list a teacher chose on DeleteList, found again in the store as it is
// when the deletion is saved: another computer may have added, changed or
// deleted lists since the box was filled.
namespace liststore {

// A list as the teacher picked it: its name and which of the lists of that
// name (0 = first in store order), as old stores may hold several.
struct ChosenList {
    QString name;
    int occurrence = 0;
};

// The list at `position` in store order, as a name and occurrence.
ChosenList chosenAt(const StoreContent &store, qsizetype position);

// Deletes the chosen list from the store as it is now. Refused when the list
// is gone; a conflict when it is no longer as `seen` (what the teacher chose
// from). Changes to other lists are no obstacle.
dataupdate::StoreEdit deletionOf(const ChosenList &chosen, const std::optional<StoredList> &seen);

} // namespace liststore
