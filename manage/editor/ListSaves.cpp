#include "ListSaves.h"

#include "ListEntries.h"

#include "app/core/Cp1252.h"

std::optional<QList<QByteArray>> listLinesOf(const QList<QByteArray> &store, const QByteArray &name, int occurrence)
{
    const auto block = findListBlock(store, name, occurrence);
    if (!block)
        return std::nullopt;
    return store.mid(block->nameLine, block->end - block->nameLine);
}

dataupdate::Edit writeBack(const EditedList &list)
{
    return [list](const QList<QByteArray> &now) {
        if (listLinesOf(now, list.storedName, list.occurrence) != list.seen)
            return dataupdate::Change::conflict(changedMeanwhileMessage());
        // The list keeps its own stored name; any other list's name is taken.
        if (nameTaken(now, list.name, cp1252::decode(list.storedName)))
            return dataupdate::Change::refuse(nameTakenMessage(list.name));
        return dataupdate::Change::write(withListWrittenBack(now, list.storedName, list.occurrence, list.block));
    };
}

dataupdate::Edit appendNew(const NewListDraft &draft)
{
    return [draft](const QList<QByteArray> &now) {
        if (nameTaken(now, draft.name()))
            return dataupdate::Change::refuse(nameTakenMessage(draft.name()));
        auto lines = draft.appendedTo(now);
        if (!lines)
            return dataupdate::Change::refuse(
                QStringLiteral("This list holds a character that cannot be stored in the word list file."));
        return dataupdate::Change::write(std::move(*lines));
    };
}
