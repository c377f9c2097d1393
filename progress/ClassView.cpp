#include "ClassView.h"

#include "app/core/StoreContent.h"
#include "app/core/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <algorithm>

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>

namespace progress {

namespace {

constexpr QStringView FileSuffix = u".dat";

std::optional<uid_t> uidNamed(const QString &account)
{
    if (const passwd *entry = ::getpwnam(QFile::encodeName(account).constData()))
        return entry->pw_uid;
    bool number = !account.isEmpty();
    for (QChar c : account)
        number = number && c >= u'0' && c <= u'9';
    if (!number)
        return std::nullopt;
    bool ok = false;
    const uint uid = account.toUInt(&ok);
    return ok ? std::optional<uid_t>(uid) : std::nullopt;
}

QString ownerName(uid_t uid)
{
    if (const passwd *entry = ::getpwuid(uid))
        return QFile::decodeName(entry->pw_name);
    return QString::number(uid);
}

// Why the file cannot count as `account`'s, or nothing when it can.
std::optional<QString> refusal(const QString &path, const QString &account)
{
    const auto expected = uidNamed(account);
    if (!expected)
        return QCoreApplication::translate("ClassView", "no account of that name on this computer");
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QCoreApplication::translate("ClassView", "cannot be looked at");
    if (!S_ISREG(info.st_mode))
        return QCoreApplication::translate("ClassView", "not a plain file");
    if (info.st_uid != *expected)
        return QCoreApplication::translate("ClassView", "owned by %1, not by %2").arg(ownerName(info.st_uid), account);
    return std::nullopt;
}

} // namespace

ClassFolder readClassFolder(const QString &dataFolder, const StoreContent &store)
{
    ClassFolder result;
    const QString folder = QDir(dataFolder).filePath(QStringLiteral("progress"));
    const QString shown = QDir::toNativeSeparators(folder);
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) {
        struct stat info {};
        result.error = ::stat(QFile::encodeName(folder).constData(), &info) != 0
                           ? QCoreApplication::translate("ClassView", "there is no class progress folder %1").arg(shown)
                           : QCoreApplication::translate("ClassView",
                               "this account cannot list the class progress folder %1").arg(shown);
        return result;
    }
    QStringList names;
    while (const dirent *entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        // Hidden files and the temporary files of a save under way are no one's progress.
        if (!name.startsWith(u'.') && name.endsWith(FileSuffix))
            names.append(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    if (!store.isEmpty()) {
        for (const StoredList &list : store.lists()) {
            bool added = false;
            KeyBuffer key;
            for (const WordPair &pair : list.pairs)
                result.pairNumbers.insert(writeKey(key, pair), added);
        }
    }
    for (const QString &name : names) {
        const QString account = name.chopped(FileSuffix.size());
        const QString path = QDir(folder).filePath(name);
        if (const auto why = refusal(path, account)) {
            result.skipped.append({name, *why});
            continue;
        }
        const auto bytes = textfile::readBytes(path);
        if (!bytes) {
            result.skipped.append({name, QCoreApplication::translate("ClassView", "cannot be read")});
            continue;
        }
        PupilCounts counts{account, QList<Tally>(result.pairNumbers.size())};
        const KeyIndex &numbers = result.pairNumbers;
        const bool read = Book::scan(*bytes, [&](QByteArrayView key, const PairProgress &pair) {
            if (const qsizetype number = numbers.find(key); number >= 0)
                counts.byPair[number] = {pair.right, pair.wrong};
        });
        if (!read) {
            result.skipped.append({name, QCoreApplication::translate("ClassView",
                "not a progress file this version can read")});
            continue;
        }
        result.pupils.append(std::move(counts));
    }
    return result;
}

ListRows listRows(const QString &name, const WordPairs &pairs, const ClassFolder &folder)
{
    ListRows rows{name, {}, {}};
    struct Missed {
        qsizetype position;
        qsizetype number;
        int pupils = 0;
        int wrong = 0;
    };
    QList<Missed> missed;
    missed.reserve(pairs.size());
    QSet<qsizetype> seen;
    seen.reserve(pairs.size());
    KeyBuffer key;
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const qsizetype number = folder.pairNumbers.find(writeKey(key, pairs[i]));
        if (number < 0 || seen.contains(number))
            continue;
        seen.insert(number);
        missed.append({i, number});
    }
    for (const PupilCounts &pupil : folder.pupils) {
        PupilRow row{pupil.account, 0, 0};
        for (Missed &m : missed) {
            const Tally &tally = pupil.byPair[m.number];
            row.right += tally.right;
            row.wrong += tally.wrong;
            if (tally.wrong > 0) {
                ++m.pupils;
                m.wrong += tally.wrong;
            }
        }
        if (row.right + row.wrong > 0)
            rows.pupils.append(row);
    }
    std::sort(rows.pupils.begin(), rows.pupils.end(),
              [](const PupilRow &a, const PupilRow &b) { return a.account < b.account; });
    missed.removeIf([](const Missed &m) { return m.pupils == 0; });
    std::sort(missed.begin(), missed.end(), [](const Missed &a, const Missed &b) {
        return std::tuple(-a.pupils, -a.wrong, a.position) < std::tuple(-b.pupils, -b.wrong, b.position);
    });
    for (qsizetype i = 0; i < std::min<qsizetype>(missed.size(), MostMissedCount); ++i)
        rows.missed.append({pairs[missed[i].position], missed[i].pupils});
    return rows;
}

QList<ListRows> classRows(const StoreContent &store, const ClassFolder &folder)
{
    QList<ListRows> lists;
    if (store.isEmpty())
        return lists;
    for (const StoredList &list : store.lists())
        lists.append(listRows(list.name, list.pairs, folder));
    return lists;
}

QList<QStringList> rowFields(const QList<ListRows> &lists)
{
    // Row kinds in English in every interface language: scripts read them.
    QList<QStringList> rows;
    for (const ListRows &list : lists) {
        for (const PupilRow &pupil : list.pupils)
            rows.append({QStringLiteral("pupil"), list.list, pupil.account, QString::number(pupil.right),
                         QString::number(pupil.wrong)});
        for (const MissedRow &missed : list.missed)
            rows.append({QStringLiteral("missed"), list.list, missed.pair.word, missed.pair.meaning,
                         QString::number(missed.pupils)});
    }
    return rows;
}

QByteArray csvBytes(const QList<ListRows> &lists)
{
    QByteArray out = "\xEF\xBB\xBF";
    for (const QStringList &row : rowFields(lists)) {
        for (qsizetype f = 0; f < row.size(); ++f) {
            if (f > 0)
                out += ',';
            QByteArray field = row[f].toUtf8();
            if (field.contains(',') || field.contains('"') || field.contains('\r') || field.contains('\n')) {
                field.replace("\"", "\"\"");
                field = '"' + field + '"';
            }
            out += field;
        }
        out += "\r\n";
    }
    return out;
}

} // namespace progress
