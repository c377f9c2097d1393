#include "ListSaves.h"

#include "ListEntries.h"
#include "ListEntryWords.h"

dataupdate::StoreEdit writeBack(const EditedList &list)
{
    return [list](StoreContent &now) {
        const qsizetype position = now.positionOf(list.storedName, list.occurrence);
        const bool asSeen = position < 0 ? !list.seen : list.seen && sameList(now.listAt(position), *list.seen);
        if (!asSeen)
            return dataupdate::Change::conflict(changedMeanwhileMessage());
        // The list keeps its own stored name; any other list's name is taken.
        if (nameTaken(now, list.edited.name, list.storedName))
            return dataupdate::Change::refuse(nameTakenMessage(list.edited.name));
        now.writeBack(position, list.edited);
        return dataupdate::Change::save();
    };
}

dataupdate::StoreEdit appendNew(const NewListDraft &draft)
{
    return [draft](StoreContent &now) {
        if (nameTaken(now, draft.name()))
            return dataupdate::Change::refuse(nameTakenMessage(draft.name()));
        now.appendList({draft.name(), draft.pairs()});
        return dataupdate::Change::save();
    };
}
