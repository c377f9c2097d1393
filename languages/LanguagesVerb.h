#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;
struct Verb;

namespace languages {

// `languages NAME`: the list's codes of the words and the meanings on one
// line, tab-separated, "-" for one not set. `languages NAME WORDS MEANINGS`
// sets both ("-" unsets one) and prints nothing. An unknown list or code is
// refused on `err` with status 1, and nothing is written. AppPath is the
// data folder.
int languagesVerb(const QStringList &args, QTextStream &out, QTextStream &err);

// The verb's entry for the program's command-line table.
QList<Verb> languagesVerbs();

} // namespace languages
