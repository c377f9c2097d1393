#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Languages as a list records them: BCP 47 codes ("es", "en-GB") that QLocale
// knows, and the names a teacher reads and types for them.
namespace languages {

// The code in the form it is stored ("en_GB" and "EN-gb" become "en-GB",
// "eng" becomes "en"), or nothing when QLocale does not know the language,
// or does not know a script or territory that the code names.
std::optional<QString> normalizedCode(const QString &code);

// The code of the language called `name` in English or in its own language,
// whatever the letter case ("Spanish", "ESPAÑOL" and "español" give "es"),
// or nothing ("State"). `alsoNamedIn` adds the names given in those
// languages' own words (with "es", "inglés" gives "en").
std::optional<QString> codeOfName(const QString &name, const QStringList &alsoNamedIn = {});

// The language's own name ("español", "British English"); the English name
// when the language has no own name on this computer; the code itself when
// it is no language.
QString ownName(const QString &code);

// "español — Spanish", "British English — English (United Kingdom)".
QString displayName(const QString &code);

// A chooser's entry: the code and its display name.
struct OfferedLanguage {
    QString code;
    QString display;
};

// Every language with QLocale data, one entry each without a territory,
// sorted by display name in the program's one alphabetical order.
const QList<OfferedLanguage> &offeredLanguages();

} // namespace languages
