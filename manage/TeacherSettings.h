#pragma once

#include "app/core/DataUpdate.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The rules of the password gate, the password change and the default sound
// setting, on the settings file's lines (see app/core/SettingsFile.h).
namespace teacher {

inline constexpr int PasswordMaxLength = 10;

// The gate ignores letter case and nothing else (no trimming).
bool passwordAdmits(const QString &typed, const QString &stored);

// The password as shipped, in any letter case: the teacher is warned.
bool isShippedPassword(const QString &stored);

// Every box filled and the new password confirmed exactly: what can be
// judged without the file.
bool passwordChangeIsTyped(const QString &oldPassword, const QString &newPassword, const QString &confirmation);

// Typed as above, and the old password exactly as stored (here letter case
// counts).
bool passwordChangeIsValid(const QString &oldPassword, const QString &newPassword, const QString &confirmation,
                           const QString &stored);

// The file's lines with only line 1 replaced; a short file gains the
// missing lines as empty ones, so the sound line keeps its place.
QList<QByteArray> withPassword(QList<QByteArray> lines, const QByteArray &password);

// The file's lines with only line 3 replaced by "Sound On" / "Sound Off".
QList<QByteArray> withSoundDefault(QList<QByteArray> lines, bool soundOn);

// The password change made on the settings file as it is when saved: the
// old password is checked against line 1 as it is then (another computer
// may have changed it), and only line 1 is replaced. Refused with an empty
// reason when the boxes do not prove the change, with a reason when the new
// password cannot be stored.
dataupdate::Edit passwordChange(const QString &oldPassword, const QString &newPassword, const QString &confirmation);

// Line 3 of the settings file as it is when saved, the other lines kept.
dataupdate::Edit soundDefaultChange(bool soundOn);

} // namespace teacher
