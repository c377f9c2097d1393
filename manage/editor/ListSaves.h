#pragma once

#include "NewListDraft.h"

#include "app/core/DataUpdate.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The editor's saves, made on the store as it is when saved: lists that
// other computers added, changed or deleted meanwhile are kept as they are.

// The lines (name line to the end of its block) of the `occurrence`-th list
// named `name`, or nothing when there is none.
std::optional<QList<QByteArray>> listLinesOf(const QList<QByteArray> &store, const QByteArray &name, int occurrence);

// A list opened in the editor and what it is to become.
struct EditedList {
    QByteArray storedName; // its name line when the editor opened it
    int occurrence = 0;    // which of the lists of that name
    // Its lines as the teacher last saw them (nothing: not in the store).
    // After the teacher chose to save over another computer's change, the
    // lines that change left.
    std::optional<QList<QByteArray>> seen;
    QString name;             // the name it is saved under
    QList<QByteArray> block;  // its new name line and pair lines
};

// Writes the edited list back at the end of the store. A conflict when the
// list itself is no longer as seen (changed or deleted on another computer);
// refused when another list took the new name meanwhile.
dataupdate::Edit writeBack(const EditedList &list);

// Appends the new list; refused when a list of its name exists by now.
dataupdate::Edit appendNew(const NewListDraft &draft);

inline QString changedMeanwhileMessage()
{
    return QStringLiteral("This list was changed on another computer since you opened it.");
}
