#pragma once

#include "TextFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

// The one place that changes a data file when several computers and
// accounts share the data folder: take the file's lock, read the file as it
// is now, let the caller decide what it becomes, replace it atomically,
// release the lock. Readers take no lock: a replacement is atomic, so they
// see the old file or the new one.
// The lock is held only for that: never across a dialog or while a teacher
// types, so a screen asks its questions after an update came back as a
// conflict, then calls update again.
namespace dataupdate {

// What a screen's change makes of the file's lines as they are now.
struct Change {
    enum class Kind { Write, Refuse, Conflict };
    Kind kind = Kind::Write;
    textfile::Lines lines; // Write: the file's new content
    QString why;           // Refuse, Conflict: for the teacher

    static Change write(textfile::Lines lines) { return {Kind::Write, std::move(lines), {}}; }
    // For an edit of a file's content held by its owner (the store's): write
    // that content as the edit left it.
    static Change save() { return {Kind::Write, {}, {}}; }
    static Change refuse(QString why) { return {Kind::Refuse, {}, std::move(why)}; }
    static Change conflict(QString why = {}) { return {Kind::Conflict, {}, std::move(why)}; }
};

using Edit = std::function<Change(const QList<QByteArray> &now)>;

enum class Outcome {
    Saved,
    Refused,     // the edit refused the file as it is now (message: its why)
    Conflict,    // the edit found the file changed meanwhile (message: its why)
    Busy,        // another save held the lock for longer than we wait, or this one is nested
    ReadOnly,    // this account cannot write the file or its lock
    ReadFailed,  // the file could not be read: nothing was written
    WriteFailed, // the replacement failed: the old file is intact
};

struct Result {
    Outcome outcome = Outcome::Saved;
    QString message;         // for the teacher, ready to show; empty when saved
    QList<QByteArray> lines; // what the file holds now, as far as this call knows
    explicit operator bool() const { return outcome == Outcome::Saved; }
};

// How long a save waits for another computer's save before it gives up
// with Busy. A lock is the kernel's, released when its holder exits or is
// killed, so a save never guesses whether another computer's save is still
// running: it waits, and then says the folder is busy.
inline constexpr int LockWaitMs = 4000;

// The permanent lock file beside a data file, which every save of that file
// locks (thelists.dat.lck).
QString lockPathFor(const QString &path);

// Told true when a save starts waiting for another's, and false when that
// wait ends however it ends; the interface shows the busy cursor meanwhile.
using WaitNotifier = void (*)(bool waiting);
void setWaitNotifier(WaitNotifier notifier);

Result updateFile(const QString &path, const Edit &edit);

// The same for an owner of a file's format, which takes the file's lines as
// they are read, without a copy of each. `after` gets what the file holds
// afterwards, as far as this call knows.
using LinesEdit = std::function<Change(const textfile::Lines &now)>;
Result updateLines(const QString &path, const LinesEdit &edit, textfile::Lines *after);
Result updateSettings(const Edit &edit); // lsdata.dat in AppPath

// Whether this account can change the data folder's files: the folder (for
// the lock and the replacement files) and both data files writable. When
// not, `why` gets the message for the teacher, naming the folder.
bool canWriteDataFolder(QString *why = nullptr);

} // namespace dataupdate
