#include "ListEntries.h"

#include "app/core/ListStore.h"
#include "app/core/StoreContent.h"

#include <algorithm>

std::optional<EntryRefusal> entryRefusal(const QString &text, EntryKind kind)
{
    const bool isName = kind == EntryKind::ListName;
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        return EntryRefusal::LineBreak;
    if (text == QLatin1StringView(NewListLine.data(), NewListLine.size()))
        return EntryRefusal::NewListMarker;
    if (isName && text.isEmpty())
        return EntryRefusal::EmptyName;
    if (isName && text == QLatin1StringView(NoListsLine.data(), NoListsLine.size()))
        return EntryRefusal::NoListsName;
    // Tabs and the other control characters of ASCII: a spreadsheet or
    // another program would split or hide them. The C1 controls stay
    // allowed: older stores hold them as the five bytes Windows-1252 leaves
    // undefined, and their lists must still save.
    if (std::any_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.unicode() < 0x20 || ch.unicode() == 0x7F; }))
        return EntryRefusal::ControlCharacter;
    return std::nullopt;
}

bool nameTaken(const StoreContent &store, const QString &name, const QString &ownName)
{
    if (!ownName.isEmpty() && storeencoding::sameText(name, ownName))
        return false;
    return store.hasListNamed(name);
}

QString freeListName(const StoreContent &store, const QString &name)
{
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)").arg(name).arg(n);
        if (!nameTaken(store, candidate))
            return candidate;
    }
}

QString takenText(const QString &typed)
{
    return storeencoding::comparable(typed);
}
