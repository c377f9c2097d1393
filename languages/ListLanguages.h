#pragma once

#include "app/core/DataUpdate.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class StoreContent;

// The languages of each list and the school's speech default, kept in
// languages.dat beside the store. The file is optional: a list missing from
// it, or a folder without it, has unknown languages and no school default,
// so a store edited by hand or by an older version works as it is. It is
// never made at start, only by the first change.
//
// Format: UTF-8 with a byte-order mark, CR LF. The first line is
// "Lingo-Spark languages 1"; an optional line "Speech On" or "Speech Off";
// then one line per list: NAME, tab, the words' code, tab, the meanings'
// code, "-" for a code not set. Names are read from the right, so a name
// holding a tab survives. A line that is none of these is skipped when
// read and kept byte for byte when the file is rewritten.
namespace languages {

struct ListLanguages {
    QString words;    // BCP 47 codes as stored ("es", "en-GB"); empty = not set
    QString meanings;
    bool isEmpty() const { return words.isEmpty() && meanings.isEmpty(); }
    bool operator==(const ListLanguages &) const = default;
};

QString languagesPath(); // languages.dat in AppPath

// The data folder's languages.dat as it is now; unknown on any failure.
ListLanguages ofList(const QString &listName);
// The "Speech On"/"Speech Off" line; nothing when there is none.
std::optional<bool> schoolSpeechDefault();

// The file's content, the one owner of its format.
class LanguagesFile {
public:
    static LanguagesFile fromLines(const QList<QByteArray> &lines);
    QList<QByteArray> lines() const;

    // The list's languages, names compared as text (the last line wins).
    std::optional<ListLanguages> find(const QString &listName) const;
    std::optional<bool> speechDefault() const;

    // Setting both codes empty removes the list's line.
    void set(const QString &listName, const ListLanguages &languages);
    void remove(const QString &listName);
    void setSpeechDefault(bool speakAutomatically);

private:
    struct Entry {
        QString name;
        ListLanguages languages;
    };
    std::optional<Entry> entryAt(qsizetype line) const;
    std::optional<bool> speechAt(qsizetype line) const;

    // Puts `line` in place of the first line that matches and removes the
    // others; false when none matched.
    bool replaceLines(const std::function<bool(qsizetype)> &matches, const QByteArray &line);

    QList<QByteArray> m_lines; // without the header and its mark
};

// The changes, each made under languages.dat.lck on the file as it is then.
// A change that changes nothing writes nothing: no file is made for it.
// Failures come back with DataUpdate's message for the teacher.
dataupdate::Result setOfList(const QString &listName, const ListLanguages &languages);
// After a saved rename (or delete), with the store as that save left it:
// the old name keeps its languages while a list of that name remains (two
// lists can share a name), so they are then copied rather than moved.
dataupdate::Result carryRename(const QString &oldName, const QString &newName, const StoreContent &storeAfter);
dataupdate::Result dropDeleted(const QString &listName, const StoreContent &storeAfter);
dataupdate::Result setSchoolSpeechDefault(bool speakAutomatically);

// What the teacher is told when a saved list's languages did not follow.
QString notCarriedMessage(const QString &why);

} // namespace languages
