#include "TeacherSettings.h"

#include "app/core/SettingsFile.h"

namespace teacher {
namespace {

void padToThreeLines(QList<QByteArray> &lines)
{
    while (lines.size() < 3)
        lines.append(QByteArray());
}

} // namespace

bool passwordAdmits(const QString &typed, const QString &stored)
{
    return typed.toLower() == stored.toLower();
}

bool isShippedPassword(const QString &stored)
{
    return stored.toLower() == QLatin1String("opendoor");
}

bool passwordChangeIsValid(const QString &oldPassword, const QString &newPassword, const QString &confirmation,
                           const QString &stored)
{
    if (oldPassword.isEmpty() || newPassword.isEmpty() || confirmation.isEmpty())
        return false;
    return newPassword == confirmation && oldPassword == stored;
}

QList<QByteArray> withPassword(QList<QByteArray> lines, const QByteArray &password)
{
    padToThreeLines(lines);
    lines[0] = password;
    return lines;
}

QList<QByteArray> withSoundDefault(QList<QByteArray> lines, bool soundOn)
{
    padToThreeLines(lines);
    lines[2] = (soundOn ? SoundOnLine : SoundOffLine).toByteArray();
    return lines;
}

} // namespace teacher
