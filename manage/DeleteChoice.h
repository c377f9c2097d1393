#pragma once

#include "app/core/DataUpdate.h"

#include <QByteArray>
#include <QList>
#include <optional>

// The list a teacher chose on DeleteList, found again in the store as it is
// when the deletion is saved: another computer may have added, changed or
// deleted lists since the box was filled.
namespace liststore {

// A list as the teacher picked it: its name line and which of the lists of
// that name (0 = first in store order), as old stores may hold several.
struct ChosenList {
    QByteArray name;
    int occurrence = 0;
};

// The list at `position` in store order, as a name and occurrence.
ChosenList chosenAt(const QList<QByteArray> &lines, qsizetype position);

// The chosen list's position in `lines`, or -1 when it is not there.
qsizetype positionOf(const QList<QByteArray> &lines, const ChosenList &chosen);

// The chosen list's lines (name line to the end of its block), or nothing
// when it is not there.
std::optional<QList<QByteArray>> linesOf(const QList<QByteArray> &lines, const ChosenList &chosen);

// Deletes the chosen list from the store as it is now. Refused when the list
// is gone; a conflict when its lines are no longer `seen` (what the teacher
// chose from). Changes to other lists are no obstacle.
dataupdate::Edit deletionOf(const ChosenList &chosen, const std::optional<QList<QByteArray>> &seen);

} // namespace liststore
