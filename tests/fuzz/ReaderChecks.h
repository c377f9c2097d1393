#pragma once

#include <QByteArray>
#include <QString>

namespace fuzz {

// Writes `bytes` as the store and `settingsBytes` as the settings file in
// AppPath, runs every reader on them and checks that they agree with one
// another. Returns what went wrong, or an empty string. With `rewrite`, also
// checks that writing the lines back and reading them again changes nothing.
QString checkReaders(const QByteArray &bytes, const QByteArray &settingsBytes, bool rewrite);

} // namespace fuzz
