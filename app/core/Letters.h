#pragma once

#include <QString>
#include <QStringList>

// Letters as a reader sees them: grapheme clusters, so a decomposed "é", a
// Devanagari conjunct or a flag is one letter however many UTF-16 units it
// takes. Every count, box and shuffle of the games goes through here.
namespace letters {

QStringList split(const QString &text);
qsizetype count(const QString &text);
// The first letter; empty for an empty text.
QString first(const QString &text);

// The form two letters or answers are compared in: NFC, then Unicode case
// folding. Folding is the locale-free kind, so final sigma meets sigma and
// "ẞ" meets "ß", while dotted "İ" folds to itself and meets only itself;
// accented and plain letters stay different.
QString folded(const QString &text);
bool sameIgnoringCase(const QString &a, const QString &b);

} // namespace letters
