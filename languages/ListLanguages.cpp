#include "ListLanguages.h"

#include "LanguageNames.h"

#include "app/core/ListStore.h"
#include "app/core/SharedState.h"
#include "app/core/StoreContent.h"
#include "app/core/StoreEncoding.h"
#include "app/core/TextFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace languages {
namespace {

constexpr QByteArrayView HeaderStart = "Lingo-Spark languages";
constexpr QByteArrayView Header = "Lingo-Spark languages 1";
constexpr QByteArrayView SpeechOnLine = "Speech On";
constexpr QByteArrayView SpeechOffLine = "Speech Off";
constexpr QByteArrayView NotSet = "-";

std::optional<QString> codeField(QByteArrayView field)
{
    if (field == NotSet)
        return QString();
    return normalizedCode(QString::fromLatin1(field));
}

QByteArray codeBytes(const QString &code)
{
    return code.isEmpty() ? NotSet.toByteArray() : code.toUtf8();
}

std::optional<LanguagesFile> readFile()
{
    const QString path = languagesPath();
    if (!QFileInfo::exists(path))
        return LanguagesFile();
    const auto lines = textfile::readLines(path);
    if (!lines)
        return std::nullopt;
    return LanguagesFile::fromLines(lines->toList());
}

// The file made empty, with the store's group and mode, before its first
// save: the save then replaces it keeping that mode, so every teacher
// account that can change the store can change the languages. It is made
// under a name of its own and linked into place, so it never exists under
// its real name without them. When it cannot be made, the save that
// follows says why.
void createLikeStore(const QString &path)
{
    struct stat store {};
    const bool storeKnown = ::stat(QFile::encodeName(storePath()).constData(), &store) == 0;
    const QByteArray name = QFile::encodeName(path);
    QByteArray temporary = name + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return;
    if (storeKnown) {
        if (::fchown(fd, uid_t(-1), store.st_gid) != 0) {
            // Not a member of the store's group: the file keeps ours.
        }
        ::fchmod(fd, store.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    ::close(fd);
    if (::link(temporary.constData(), name.constData()) != 0 && errno != EEXIST) {
        // File systems without hard links: the file is made in place.
        const int direct = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                  storeKnown ? store.st_mode & 07777 : 0666);
        if (direct >= 0)
            ::close(direct);
    }
    ::unlink(temporary.constData());
}

// Runs `change` on the file as it is under its lock; false from it means
// there is nothing to change, and nothing is written.
dataupdate::Result update(const std::function<bool(LanguagesFile &)> &change)
{
    if (const auto now = readFile()) {
        LanguagesFile probe = *now;
        if (!change(probe))
            return {};
    }
    const QString path = languagesPath();
    if (!QFileInfo::exists(path))
        createLikeStore(path);
    bool changed = true;
    dataupdate::Result result = dataupdate::updateFile(path, [&](const QList<QByteArray> &lines) {
        LanguagesFile file = LanguagesFile::fromLines(lines);
        changed = change(file);
        return changed ? dataupdate::Change::write(file.lines()) : dataupdate::Change::refuse({});
    });
    if (!changed && result.outcome == dataupdate::Outcome::Refused)
        return {};
    return result;
}

} // namespace

QString languagesPath()
{
    return appFile(QStringLiteral("languages.dat"));
}

ListLanguages ofList(const QString &listName)
{
    const auto file = readFile();
    return file ? file->find(listName).value_or(ListLanguages()) : ListLanguages();
}

std::optional<bool> schoolSpeechDefault()
{
    const auto file = readFile();
    return file ? file->speechDefault() : std::nullopt;
}

LanguagesFile LanguagesFile::fromLines(const QList<QByteArray> &lines)
{
    LanguagesFile file;
    file.m_lines = lines;
    if (!file.m_lines.isEmpty()) {
        const QByteArrayView first = storeencoding::withoutMark(file.m_lines.first());
        if (first.startsWith(HeaderStart))
            file.m_lines.removeFirst();
        else
            file.m_lines.first() = first.toByteArray();
    }
    return file;
}

QList<QByteArray> LanguagesFile::lines() const
{
    QList<QByteArray> lines = m_lines;
    lines.prepend(storeencoding::Mark.toByteArray() + Header.toByteArray());
    return lines;
}

std::optional<LanguagesFile::Entry> LanguagesFile::entryAt(qsizetype line) const
{
    const QByteArrayView bytes = m_lines[line];
    const qsizetype lastTab = bytes.lastIndexOf('\t');
    if (lastTab <= 0)
        return std::nullopt;
    const qsizetype middleTab = bytes.first(lastTab).lastIndexOf('\t');
    if (middleTab <= 0 || !storeencoding::isValidUtf8(bytes.first(middleTab)))
        return std::nullopt;
    const auto words = codeField(bytes.sliced(middleTab + 1, lastTab - middleTab - 1));
    const auto meanings = codeField(bytes.sliced(lastTab + 1));
    if (!words || !meanings)
        return std::nullopt;
    return Entry{QString::fromUtf8(bytes.first(middleTab)), {*words, *meanings}};
}

std::optional<bool> LanguagesFile::speechAt(qsizetype line) const
{
    if (m_lines[line] == SpeechOnLine)
        return true;
    if (m_lines[line] == SpeechOffLine)
        return false;
    return std::nullopt;
}

std::optional<ListLanguages> LanguagesFile::find(const QString &listName) const
{
    const storeencoding::SameTextAs named(listName);
    std::optional<ListLanguages> found;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (const auto entry = entryAt(i); entry && named(entry->name))
            found = entry->languages;
    }
    return found;
}

std::optional<bool> LanguagesFile::speechDefault() const
{
    std::optional<bool> found;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (const auto speech = speechAt(i))
            found = speech;
    }
    return found;
}

void LanguagesFile::set(const QString &listName, const ListLanguages &languages)
{
    const storeencoding::SameTextAs named(listName);
    const QByteArray line = languages.isEmpty() ? QByteArray()
                                                : listName.normalized(QString::NormalizationForm_C).toUtf8() + '\t' +
                                                      codeBytes(languages.words) + '\t' + codeBytes(languages.meanings);
    if (!replaceLines([&](qsizetype i) { const auto entry = entryAt(i); return entry && named(entry->name); }, line)
        && !line.isEmpty())
        m_lines.append(line);
}

bool LanguagesFile::replaceLines(const std::function<bool(qsizetype)> &matches, const QByteArray &line)
{
    // The first match keeps its place in the file (an empty line drops it
    // too); any later ones, left by a hand edit, go.
    bool placed = line.isEmpty();
    bool found = false;
    for (qsizetype i = 0; i < m_lines.size();) {
        if (!matches(i)) {
            ++i;
            continue;
        }
        found = true;
        if (!placed) {
            m_lines[i++] = line;
            placed = true;
        } else {
            m_lines.removeAt(i);
        }
    }
    return found;
}

void LanguagesFile::remove(const QString &listName)
{
    set(listName, {});
}

void LanguagesFile::setSpeechDefault(bool speakAutomatically)
{
    const QByteArray line = (speakAutomatically ? SpeechOnLine : SpeechOffLine).toByteArray();
    if (!replaceLines([&](qsizetype i) { return speechAt(i).has_value(); }, line))
        m_lines.prepend(line);
}

dataupdate::Result setOfList(const QString &listName, const ListLanguages &languages)
{
    return update([&](LanguagesFile &file) {
        if (file.find(listName).value_or(ListLanguages()) == languages)
            return false;
        file.set(listName, languages);
        return true;
    });
}

dataupdate::Result carryRename(const QString &oldName, const QString &newName, const StoreContent &storeAfter)
{
    if (storeencoding::sameText(oldName, newName))
        return {};
    const bool oldRemains = storeAfter.hasListNamed(oldName);
    return update([&](LanguagesFile &file) {
        const auto carried = file.find(oldName);
        const auto stale = file.find(newName);
        if (!carried && !stale)
            return false;
        // The renamed list is the only one of its new name: whatever that
        // name had before is no longer any list's.
        file.set(newName, carried.value_or(ListLanguages()));
        if (carried && !oldRemains)
            file.remove(oldName);
        return true;
    });
}

dataupdate::Result dropDeleted(const QString &listName, const StoreContent &storeAfter)
{
    if (storeAfter.hasListNamed(listName))
        return {};
    return update([&](LanguagesFile &file) {
        if (!file.find(listName))
            return false;
        file.remove(listName);
        return true;
    });
}

dataupdate::Result setSchoolSpeechDefault(bool speakAutomatically)
{
    return update([&](LanguagesFile &file) {
        if (file.speechDefault() == speakAutomatically)
            return false;
        file.setSpeechDefault(speakAutomatically);
        return true;
    });
}

QString notCarriedMessage(const QString &why)
{
    return QCoreApplication::translate("ListLanguages",
        "The list was saved, but its languages could not be carried over.\n\n%1").arg(why);
}

} // namespace languages
