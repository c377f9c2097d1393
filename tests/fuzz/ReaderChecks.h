#pragma once

#include <QByteArray>
#include <QString>

namespace fuzz {

// Runs every store and settings reader on the files in AppPath (whose store
// holds `bytes`) and checks that they agree with one another. Returns what
// went wrong, or an empty string. With `rewrite`, also checks that writing
// the lines back and reading them again changes nothing.
QString checkReaders(const QByteArray &bytes, bool rewrite);

} // namespace fuzz
