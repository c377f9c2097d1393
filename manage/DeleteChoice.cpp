#include "DeleteChoice.h"

#include "ListDeletion.h"

#include "app/core/ListStore.h"

#include <algorithm>

namespace liststore {

ChosenList chosenAt(const QList<QByteArray> &lines, qsizetype position)
{
    const QList<QByteArray> names = listNamesOf(lines);
    if (position < 0 || position >= names.size())
        return {};
    const QByteArray &name = names[position];
    return {name, int(std::count(names.cbegin(), names.cbegin() + position, name))};
}

qsizetype positionOf(const QList<QByteArray> &lines, const ChosenList &chosen)
{
    const QList<QByteArray> names = listNamesOf(lines);
    int seen = 0;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i] == chosen.name && seen++ == chosen.occurrence)
            return i;
    }
    return -1;
}

std::optional<QList<QByteArray>> linesOf(const QList<QByteArray> &lines, const ChosenList &chosen)
{
    const qsizetype nameLine = nameLineOf(lines, positionOf(lines, chosen));
    if (nameLine < 0)
        return std::nullopt;
    return lines.mid(nameLine, blockEnd(lines, nameLine) - nameLine);
}

dataupdate::Edit deletionOf(const ChosenList &chosen, const std::optional<QList<QByteArray>> &seen)
{
    return [chosen, seen](const QList<QByteArray> &now) {
        const qsizetype position = positionOf(now, chosen);
        if (position < 0)
            return dataupdate::Change::refuse(QStringLiteral("This list was already deleted on another computer."));
        if (linesOf(now, chosen) != seen)
            return dataupdate::Change::conflict(
                QStringLiteral("This list was changed on another computer. Delete it anyway?"));
        return dataupdate::Change::write(deleteListAt(now, position));
    };
}

} // namespace liststore
