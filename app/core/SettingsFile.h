#pragma once

#include "TextFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// lsdata.dat in AppPath: line 1 the teacher password, line 2 kept as it is,
// line 3 "Sound On" or "Sound Off", further lines kept as they are.

inline constexpr QByteArrayView SoundOnLine = "Sound On";
inline constexpr QByteArrayView SoundOffLine = "Sound Off";

QString settingsPath();

std::optional<QList<QByteArray>> ReadSettingsLines();

// Missing lines read as empty.
QString storedPassword(const QList<QByteArray> &lines);
// The password as line 1 holds it; nothing when a character does not fit
// the file's Windows-1252.
std::optional<QByteArray> passwordLine(const QString &password);
bool soundLineIsOn(const QList<QByteArray> &lines);

// Missing lines of the three the format has added as empty ones.
void padSettingsLines(QList<QByteArray> &lines);

// Writes the whole file, always with at least the three lines the format has.
textfile::SaveResult WriteSettingsLines(QList<QByteArray> lines);
