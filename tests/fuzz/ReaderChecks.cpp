#include "ReaderChecks.h"

#include "app/core/StoreContent.h"
#include "app/core/ListStore.h"
#include "app/core/SettingsFile.h"
#include "app/core/SharedState.h"

#include <QFile>

namespace fuzz {

QString checkReaders(const QByteArray &bytes, const QByteArray &settingsBytes, bool rewrite)
{
    for (const auto &[path, content] : {std::pair{storePath(), bytes}, std::pair{settingsPath(), settingsBytes}}) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
            return "cannot write " + path;
    }
    const auto lines = ReadStoreLines();
    if (!lines)
        return "store not readable";
    qsizetype total = 0;
    for (const QByteArray &line : *lines) {
        if (line.contains('\r') || line.contains('\n'))
            return "a line holds a line break";
        total += line.size();
    }
    if (total > bytes.size())
        return "lines hold more bytes than the file";

    // The file's reader and the store's owner read the same names, and an
    // unchanged store is given back byte for byte.
    const StoreContent content = StoreContent::fromFileLines(*lines);
    const QStringList names = ReadListNames();
    if (names != content.names())
        return "ReadListNames and the store's owner disagree";
    if (content.fileLines() != *lines)
        return "an unchanged store does not round-trip";
    if (StoreIsEmpty() != (content.listCount() > 0 && content.names().first() == QLatin1String(NoListsLine)))
        return "StoreIsEmpty disagrees with the first line";

    for (const QString &name : {names.value(0), names.value(names.size() / 2), names.value(names.size() - 1),
                                QStringLiteral("no such list")}) {
        Shared.CurrentList = name;
        LoadList();
        if (Shared.WordCount < 0 || Shared.WordCount > MaxPairs)
            return QString("WordCount %1").arg(Shared.WordCount);
    }

    const auto settings = ReadSettingsLines();
    if (!settings)
        return "settings not readable";
    storedPassword(*settings);
    soundLineIsOn(*settings);

    if (rewrite) {
        if (!WriteStoreLines(*lines))
            return "rewrite failed";
        if (ReadStoreLines() != lines)
            return "lines changed through a rewrite";
    }
    return {};
}

} // namespace fuzz
