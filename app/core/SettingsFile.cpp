#include "SettingsFile.h"

#include "Cp1252.h"
#include "SharedState.h"
#include "StoreEncoding.h"

QString settingsPath()
{
    return appFile(QStringLiteral("lsdata.dat"));
}

std::optional<QList<QByteArray>> ReadSettingsLines()
{
    const auto lines = textfile::readLines(settingsPath());
    return lines ? std::optional(lines->toList()) : std::nullopt;
}

// The file stays Windows-1252 byte for byte, for older versions read line 1
// as the password. One that an editor saved with a UTF-8 mark still reads,
// and the mark is never part of the password.
QString storedPassword(const QList<QByteArray> &lines)
{
    if (lines.isEmpty())
        return QString();
    const QByteArrayView line(lines.first());
    if (line.startsWith(storeencoding::Mark))
        return storeencoding::decodeLine(storeencoding::withoutMark(line), StoreEncoding::Utf8);
    return cp1252::decode(line);
}

std::optional<QByteArray> passwordLine(const QString &password)
{
    return cp1252::encode(password);
}

bool soundLineIsOn(const QList<QByteArray> &lines)
{
    return lines.size() >= 3 && lines[2] == SoundOnLine;
}

void padSettingsLines(QList<QByteArray> &lines)
{
    while (lines.size() < 3)
        lines.append(QByteArray());
}

textfile::SaveResult WriteSettingsLines(QList<QByteArray> lines)
{
    padSettingsLines(lines);
    return textfile::writeLines(settingsPath(), lines);
}
