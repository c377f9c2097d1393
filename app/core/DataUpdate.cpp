#include "DataUpdate.h"

#include "ListStore.h"
#include "SettingsFile.h"
#include "TextFile.h"

#include <QDir>
#include <QLockFile>

namespace dataupdate {

Result updateFile(const QString &path, const Edit &edit)
{
    const QString where = QDir::toNativeSeparators(path);
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(5000)) {
        if (lock.error() == QLockFile::PermissionError)
            return {Outcome::ReadOnly, QStringLiteral("%1 cannot be changed from this account.").arg(where), {}};
        return {Outcome::Busy,
                QStringLiteral("Another computer is saving %1 just now. Please try again in a moment.").arg(where),
                {}};
    }
    const auto now = textfile::readLines(path);
    if (!now)
        return {Outcome::ReadFailed, QStringLiteral("Could not read %1.\n\nNothing was saved.").arg(where), {}};
    Change change = edit(*now);
    switch (change.kind) {
    case Change::Kind::Refuse:
        return {Outcome::Refused, change.why, *now};
    case Change::Kind::Conflict:
        return {Outcome::Conflict, change.why, *now};
    case Change::Kind::Write:
        break;
    }
    if (const auto saved = textfile::writeLines(path, change.lines); !saved)
        return {Outcome::WriteFailed, saved.error, *now};
    return {Outcome::Saved, {}, std::move(change.lines)};
}

Result updateStore(const Edit &edit)
{
    return updateFile(storePath(), edit);
}

Result updateSettings(const Edit &edit)
{
    return updateFile(settingsPath(), [&edit](const QList<QByteArray> &now) {
        Change change = edit(now);
        while (change.kind == Change::Kind::Write && change.lines.size() < 3)
            change.lines.append(QByteArray());
        return change;
    });
}

} // namespace dataupdate
