#include "ListEntryWords.h"

#include "app/core/SharedState.h"

#include <QCoreApplication>

QString entryRefusalText(EntryRefusal why, EntryKind kind)
{
    const bool isName = kind == EntryKind::ListName;
    switch (why) {
    case EntryRefusal::LineBreak:
        return isName ? QCoreApplication::translate("EditList",
            "A list name must fit on one line. Please remove the line break.")
                      : QCoreApplication::translate("EditList",
                          "A word or meaning must fit on one line. Please remove the line break.");
    case EntryRefusal::NewListMarker:
        return QCoreApplication::translate("EditList",
            "\"<New List>\" marks the start of a list in the word list file, "
            "so it cannot be used as a list name, word or meaning.");
    case EntryRefusal::EmptyName:
        return QCoreApplication::translate("EditList", "Please type a name for the list.");
    case EntryRefusal::NoListsName:
        return QCoreApplication::translate("EditList",
            "\"No Lists\" marks an empty word list file, so it cannot be the name of a list.");
    case EntryRefusal::ControlCharacter:
        return isName ? QCoreApplication::translate("EditList",
            "A list name cannot hold a tab or another control character. "
            "Please remove it.")
                      : QCoreApplication::translate("EditList",
                          "A word or meaning cannot hold a tab or another control character. "
                          "Please remove it.");
    }
    return {};
}

QString nameTakenMessage(const QString &name)
{
    return QCoreApplication::translate("EditList",
        "There is already a list named \"%1\". Please choose another name: "
        "two lists of the same name could not both be practised.")
        .arg(name);
}

QString listFullMessage()
{
    return QCoreApplication::translate("EditList",
        "A list can hold at most %1 words, and this list is full.").arg(MaxPairs);
}
