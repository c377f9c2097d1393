#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The store and the settings file hold Windows-1252 text. Every byte value
// must survive a read and a write, including the five the code page leaves
// undefined, so decoding maps bytes 1:1 onto the characters ICU gives them.
namespace cp1252 {

QString decode(QByteArrayView bytes);

// Empty when the text holds a character Windows-1252 cannot store; such text
// is refused where it is typed rather than written as a substitute byte.
std::optional<QByteArray> encode(const QString &text);

bool canEncode(const QString &text);

// The character stored as byte value `code` (for the accented-character panels).
QChar charFor(unsigned char code);

} // namespace cp1252
