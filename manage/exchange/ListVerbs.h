#pragma once

#include "ListImport.h"

#include <QList>
#include <QString>
#include <optional>

class QTextStream;
struct Verb;

// The command-line verbs of list exchange, for technicians preparing many
// computers: the same code as the teacher's screens, with no display. Each
// writes its result to `out` and its errors to `err` and returns the exit
// status (0, or 1 on failure). They expect AppPath to be the data folder.

int listsVerb(QTextStream &out, QTextStream &err);

// Without `name`, the list is named after the file's title or name. Rows not taken are reported on
// `err` as "FILE:LINE: why"; they do not make the import fail.
int importVerb(const QString &file, const std::optional<QString> &name, HeaderChoice header, QTextStream &out, QTextStream &err);

// The format follows the file name: .csv (or .txt) or .kvtml (or .xml).
int exportVerb(const QString &listName, const QString &file, QTextStream &out, QTextStream &err);

// The verbs' entries for the program's command-line table.
QList<Verb> exchangeVerbs();
