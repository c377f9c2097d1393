#include "ExchangeFiles.h"

#include "app/core/ListStore.h"
#include "app/core/StoreContent.h"
#include "manage/editor/ListEntries.h"
#include "manage/editor/ListEntryWords.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace exchange {

FileRead readImportFile(const QString &path)
{
    const QString where = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.isFile())
        return {{}, QCoreApplication::translate("ExchangeFiles", "%1 is not a file that can be read.").arg(where)};
    if (info.size() > MaxImportBytes)
        return {{},
                QCoreApplication::translate("ExchangeFiles",
                    "%1 is larger than %2 MB, far more than a word list needs.")
                    .arg(where)
                    .arg(MaxImportBytes / (1024 * 1024))};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QCoreApplication::translate("ExchangeFiles",
            "Could not read %1: %2").arg(where, file.errorString())};
    // One byte more than the limit tells a file that grew since it was measured.
    QByteArray bytes = file.read(MaxImportBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, QCoreApplication::translate("ExchangeFiles",
            "Could not read %1: %2").arg(where, file.errorString())};
    return {std::move(bytes), {}};
}

QString saveBytes(const QString &path, const QByteArray &bytes)
{
    const QString where = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QCoreApplication::translate("ExchangeFiles", "Could not write %1: %2").arg(where, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return QCoreApplication::translate("ExchangeFiles", "Could not write %1: the disk may be full.").arg(where);
    }
    if (!file.commit())
        return QCoreApplication::translate("ExchangeFiles", "Could not write %1: %2").arg(where, file.errorString());
    return {};
}

std::optional<QString> newNameRefusal(const StoreContent &store, const QString &name)
{
    if (const auto why = entryRefusal(name, EntryKind::ListName))
        return entryRefusalText(*why, EntryKind::ListName);
    if (nameTaken(store, name))
        return nameTakenMessage(name);
    return std::nullopt;
}

dataupdate::Result appendList(const QString &name, const WordPairs &pairs)
{
    return dataupdate::updateStore([&](StoreContent &now) {
        if (const auto refusal = newNameRefusal(now, name))
            return dataupdate::Change::refuse(*refusal);
        now.appendList({name, pairs});
        return dataupdate::Change::save();
    });
}

std::optional<WordPairs> pairsOfList(const QString &name)
{
    const auto store = ReadStore();
    if (!store)
        return std::nullopt;
    const qsizetype position = store->positionOf(name);
    if (position < 0)
        return std::nullopt;
    return store->listAt(position).pairs;
}

QString fileNameFilter()
{
    return QCoreApplication::translate("ExchangeFiles", "Word lists (*.csv *.tsv *.txt *.kvtml *.xml);;All files (*)");
}

} // namespace exchange
