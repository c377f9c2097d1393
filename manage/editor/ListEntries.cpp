#include "ListEntries.h"

#include "app/core/ListStore.h"
#include "app/core/SharedState.h"
#include "app/core/StoreContent.h"

#include <QCoreApplication>
#include <algorithm>

std::optional<QString> entryRefusal(const QString &text, EntryKind kind)
{
    const bool isName = kind == EntryKind::ListName;
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        return isName ? QCoreApplication::translate("ListEntries",
            "A list name must fit on one line. Please remove the line break.")
                      : QCoreApplication::translate("ListEntries",
                          "A word or meaning must fit on one line. Please remove the line break.");
    if (text == QLatin1StringView(NewListLine.data(), NewListLine.size()))
        return QCoreApplication::translate("ListEntries",
            "\"<New List>\" marks the start of a list in the word list file, "
            "so it cannot be used as a list name, word or meaning.");
    if (isName && text.isEmpty())
        return QCoreApplication::translate("ListEntries", "Please type a name for the list.");
    if (isName && text == QLatin1StringView(NoListsLine.data(), NoListsLine.size()))
        return QCoreApplication::translate("ListEntries",
            "\"No Lists\" marks an empty word list file, so it cannot be the name of a list.");
    // Tabs and the other control characters of ASCII: a spreadsheet or
    // another program would split or hide them. The C1 controls stay
    // allowed: older stores hold them as the five bytes Windows-1252 leaves
    // undefined, and their lists must still save.
    if (std::any_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.unicode() < 0x20 || ch.unicode() == 0x7F; }))
        return isName ? QCoreApplication::translate("ListEntries",
            "A list name cannot hold a tab or another control character. "
            "Please remove it.")
                      : QCoreApplication::translate("ListEntries",
                          "A word or meaning cannot hold a tab or another control character. "
                          "Please remove it.");
    return std::nullopt;
}

bool nameTaken(const StoreContent &store, const QString &name, const QString &ownName)
{
    if (!ownName.isEmpty() && storeencoding::sameText(name, ownName))
        return false;
    return store.hasListNamed(name);
}

QString nameTakenMessage(const QString &name)
{
    return QCoreApplication::translate("ListEntries",
        "There is already a list named \"%1\". Please choose another name: "
        "two lists of the same name could not both be practised.")
        .arg(name);
}

QString freeListName(const StoreContent &store, const QString &name)
{
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)").arg(name).arg(n);
        if (!nameTaken(store, candidate))
            return candidate;
    }
}

QString listFullMessage()
{
    return QCoreApplication::translate("ListEntries",
        "A list can hold at most %1 words, and this list is full.").arg(MaxPairs);
}

QString takenText(const QString &typed)
{
    return storeencoding::comparable(typed);
}
