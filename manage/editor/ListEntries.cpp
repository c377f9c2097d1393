#include "ListEntries.h"

#include "app/core/Cp1252.h"
#include "app/core/ListStore.h"
#include "app/core/SharedState.h"

std::optional<QString> entryRefusal(const QString &text, EntryKind kind)
{
    const bool isName = kind == EntryKind::ListName;
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        return isName ? QStringLiteral("A list name must fit on one line. Please remove the line break.")
                      : QStringLiteral("A word or meaning must fit on one line. Please remove the line break.");
    if (text == QLatin1StringView(NewListLine.data(), NewListLine.size()))
        return QStringLiteral("\"<New List>\" marks the start of a list in the word list file, "
                              "so it cannot be used as a list name, word or meaning.");
    if (isName && text.isEmpty())
        return QStringLiteral("Please type a name for the list.");
    if (isName && text == QLatin1StringView(NoListsLine.data(), NoListsLine.size()))
        return QStringLiteral("\"No Lists\" marks an empty word list file, so it cannot be the name of a list.");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QString ch = text.mid(i, pair ? 2 : 1);
        if (!cp1252::canEncode(ch))
            return QStringLiteral("The character \"%1\" cannot be stored in the word list file. "
                                  "Please leave it out or use a character from the Foreign Characters panel.")
                .arg(ch);
        if (pair)
            ++i;
    }
    return std::nullopt;
}

bool nameTaken(const QList<QByteArray> &storeLines, const QString &name, const QString &ownName)
{
    if (!ownName.isEmpty() && name == ownName)
        return false;
    const auto bytes = cp1252::encode(name);
    return bytes && listNamesOf(storeLines).contains(*bytes);
}

QString nameTakenMessage(const QString &name)
{
    return QStringLiteral("There is already a list named \"%1\". Please choose another name: "
                          "two lists of the same name could not both be practised.")
        .arg(name);
}

QString freeListName(const QList<QByteArray> &storeLines, const QString &name)
{
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)").arg(name).arg(n);
        if (!nameTaken(storeLines, candidate))
            return candidate;
    }
}

QString listFullMessage()
{
    return QStringLiteral("A list can hold at most %1 words, and this list is full.").arg(MaxPairs);
}
