#pragma once

#include "NewListDraft.h"

#include "app/core/StoreContent.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

// The editor's saves, made on the store as it is when saved: lists that
// other computers added, changed or deleted meanwhile are kept as they are.

// A list opened in the editor and what it is to become.
struct EditedList {
    QString storedName; // its name when the editor opened it
    int occurrence = 0; // which of the lists of that name
    // The list as the teacher last saw it (nothing: not in the store).
    // After the teacher chose to save over another computer's change, what
    // that change left.
    std::optional<StoredList> seen;
    StoredList edited; // its new name and pairs
};

// Writes the edited list back at the end of the store. A conflict when the
// list itself is no longer as seen (changed or deleted on another computer);
// refused when another list took the new name meanwhile.
dataupdate::StoreEdit writeBack(const EditedList &list);

// Appends the new list; refused when a list of its name exists by now.
dataupdate::StoreEdit appendNew(const NewListDraft &draft);

inline QString changedMeanwhileMessage()
{
    return QCoreApplication::translate("EditList", "This list was changed on another computer since you opened it.");
}
