#include "TeacherSettings.h"

#include "app/core/SettingsFile.h"

#include <QCoreApplication>

namespace teacher {
bool passwordAdmits(const QString &typed, const QString &stored)
{
    return typed.toLower() == stored.toLower();
}

bool isShippedPassword(const QString &stored)
{
    return stored.toLower() == QLatin1String("opendoor");
}

bool passwordChangeIsTyped(const QString &oldPassword, const QString &newPassword, const QString &confirmation)
{
    if (oldPassword.isEmpty() || newPassword.isEmpty() || confirmation.isEmpty())
        return false;
    return newPassword == confirmation;
}

bool passwordChangeIsValid(const QString &oldPassword, const QString &newPassword, const QString &confirmation,
                           const QString &stored)
{
    return passwordChangeIsTyped(oldPassword, newPassword, confirmation) && oldPassword == stored;
}

QList<QByteArray> withPassword(QList<QByteArray> lines, const QByteArray &password)
{
    padSettingsLines(lines);
    lines[0] = password;
    return lines;
}

QList<QByteArray> withSoundDefault(QList<QByteArray> lines, bool soundOn)
{
    padSettingsLines(lines);
    lines[2] = (soundOn ? SoundOnLine : SoundOffLine).toByteArray();
    return lines;
}

dataupdate::Edit passwordChange(const QString &oldPassword, const QString &newPassword, const QString &confirmation)
{
    return [=](const QList<QByteArray> &now) {
        const QString stored = storedPassword(now);
        // With no stored password nothing can be proven, so nothing is changed.
        if (stored.isEmpty() || !passwordChangeIsValid(oldPassword, newPassword, confirmation, stored))
            return dataupdate::Change::refuse({});
        const auto encoded = passwordLine(newPassword);
        if (!encoded)
            return dataupdate::Change::refuse(
                QCoreApplication::translate("ChangePassword",
                    "The new password has a character that cannot be stored. Please use other characters."));
        return dataupdate::Change::write(withPassword(now, *encoded));
    };
}

dataupdate::Edit soundDefaultChange(bool soundOn)
{
    return [soundOn](const QList<QByteArray> &now) { return dataupdate::Change::write(withSoundDefault(now, soundOn)); };
}

} // namespace teacher
