#pragma once

#include <QString>
#include <optional>

class StoreContent;

// What a teacher may type into a list: any letter of any script. The store
// is line-based and reads some lines as structure, so text that would be
// mistaken for structure is refused where it is typed.

enum class EntryKind { ListName, Word, Meaning };

// Why `text` cannot be stored (ListEntryWords tells the teacher), or nothing
// when it can. Empty words and meanings are the screens' business (a beep).
enum class EntryRefusal { LineBreak, NewListMarker, EmptyName, NoListsName, ControlCharacter };
std::optional<EntryRefusal> entryRefusal(const QString &text, EntryKind kind);

// Whether a list other than the one being renamed is already called `name`.
// `ownName` is the stored name of the list being renamed (empty on create):
// keeping or restoring a list's own name is never a clash.
bool nameTaken(const StoreContent &store, const QString &name, const QString &ownName = QString());

// "name (2)", "name (3)", ...: the first that no list of the store has.
QString freeListName(const StoreContent &store, const QString &name);

// Text as it is taken from a box when the teacher confirms it (never while
// typing, so that input methods are not disturbed): in composed form, so
// that an é typed as e and an accent is the same word as a typed é.
QString takenText(const QString &typed);
