#include "ProgressFiles.h"

#include "app/core/TextFile.h"

#include <QCryptographicHash>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace progress {

QString defaultStateFolder()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/lingo-spark/progress");
}

QString accountFilePath(const QString &stateFolder, const QString &dataFolder)
{
    const QFileInfo info(dataFolder);
    QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty())
        canonical = QDir::cleanPath(info.absoluteFilePath());
    const QByteArray hash = QCryptographicHash::hash(QFile::encodeName(canonical), QCryptographicHash::Sha1).toHex();
    return QDir(stateFolder).filePath(QString::fromLatin1(hash) + QStringLiteral(".dat"));
}

QString classFolderPath(const QString &dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("progress"));
}

bool canWriteClassFolder(const QString &dataFolder)
{
    const QByteArray folder = QFile::encodeName(classFolderPath(dataFolder));
    struct stat info {};
    return ::stat(folder.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(folder.constData(), W_OK | X_OK) == 0;
}

QString accountName()
{
    const uid_t uid = ::geteuid();
    // The reentrant form: the writing thread asks while a screen may be
    // looking up the class's owners.
    passwd record {};
    passwd *entry = nullptr;
    char buffer[4096];
    if (::getpwuid_r(uid, &record, buffer, sizeof buffer, &entry) == 0 && entry) {
        const QString name = QFile::decodeName(entry->pw_name);
        // A name that would leave the folder or hide the file is no file name.
        if (!name.isEmpty() && !name.contains(u'/') && !name.startsWith(u'.'))
            return name;
    }
    return QString::number(uid);
}

QString classFilePath(const QString &dataFolder)
{
    return QDir(classFolderPath(dataFolder)).filePath(accountName() + QStringLiteral(".dat"));
}

BookRead readAccountFile(const QString &path, const QDateTime &now)
{
    BookRead read;
    if (!QFileInfo::exists(path))
        return read;
    const auto bytes = textfile::readBytes(path);
    if (bytes) {
        if (auto book = Book::fromBytes(*bytes)) {
            read.book = std::move(*book);
            return read;
        }
    }
    const QString base = path + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = base + u'-' + QString::number(n);
    const QString shown = QDir::toNativeSeparators(path);
    if (QFile::rename(path, aside)) {
        read.problem = bytes ? QCoreApplication::translate("ProgressFiles",
            "%1 is not a progress file this version can read; it was set aside as %2 "
            "and progress starts again.")
                                   .arg(shown, QDir::toNativeSeparators(aside))
                             : QCoreApplication::translate("ProgressFiles",
                                 "%1 could not be read; it was set aside as %2 and progress starts again.")
                                   .arg(shown, QDir::toNativeSeparators(aside));
    } else {
        read.problem = QCoreApplication::translate("ProgressFiles",
            "%1 could not be read or set aside; progress is not saved this time.").arg(shown);
        read.mayWrite = false;
    }
    return read;
}

QString replaceFile(const QString &path, const QByteArray &bytes, QFileDevice::Permissions permissions, bool makeFolder)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (makeFolder && !QFileInfo::exists(folder)) {
        if (!QDir().mkpath(folder))
            return QCoreApplication::translate("ProgressFiles",
                "cannot make the folder %1").arg(QDir::toNativeSeparators(folder));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // Set on the temporary file before it takes the name: a teacher's group
    // must read the class file, and nobody else may ever see it readable.
    if (!file.setPermissions(permissions) || file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace progress
