#pragma once

#include <QString>
#include <optional>

class QTextStream;
struct Verb;

// `lingo-spark progress [LIST]`: the class's progress, for a teacher at a
// terminal, read from the data folder's progress/ (AppPath). Rows go to
// `out` (ClassView's rowFields, tab-separated), each skipped file and every
// error to `err`. Returns 1 when there is no such folder, it cannot be
// listed, the store cannot be read or LIST names no list; else 0.
int progressVerb(const std::optional<QString> &list, QTextStream &out, QTextStream &err);

// Its entry for the program's command-line table.
Verb progressVerbEntry();
