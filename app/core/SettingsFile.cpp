#include "SettingsFile.h"

#include "Cp1252.h"
#include "SharedState.h"

QString settingsPath()
{
    return appFile(QStringLiteral("lsdata.dat"));
}

std::optional<QList<QByteArray>> ReadSettingsLines()
{
    return textfile::readLines(settingsPath());
}

QString storedPassword(const QList<QByteArray> &lines)
{
    return lines.isEmpty() ? QString() : cp1252::decode(lines.first());
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
