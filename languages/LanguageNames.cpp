#include "LanguageNames.h"

#include "app/core/Collation.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include <unicode/uloc.h>

#include <algorithm>

namespace languages {
namespace {

// Names compared as a teacher means them: any letter case, any composition,
// blanks at the ends or doubled in between.
QString folded(const QString &name)
{
    return name.normalized(QString::NormalizationForm_C).toCaseFolded().simplified();
}

// The name of `code` in the language `in`, from ICU's locale data (which Qt
// already loads): QLocale offers names in English and in each language's own
// words only. Empty when ICU has no such name.
QString icuName(const QString &code, const QString &in)
{
    const QByteArray subject = code.toLatin1();
    const QByteArray reader = in.toLatin1();
    UChar buffer[160];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        uloc_getDisplayLanguage(subject.constData(), reader.constData(), buffer, int32_t(std::size(buffer)), &status);
    // ICU falls back to the code itself where it has no name.
    if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING || length <= 0 || length > int32_t(std::size(buffer)))
        return {};
    const QString name = QString::fromUtf16(reinterpret_cast<const char16_t *>(buffer), length);
    return name == code ? QString() : name;
}

QLocale::Language languageOf(const QString &code)
{
    const QLocale locale(code);
    const QLocale::Language language = locale.language();
    return language == QLocale::C || language == QLocale::AnyLanguage ? QLocale::AnyLanguage : language;
}

QString englishName(QLocale::Language language)
{
    return QLocale::languageToString(language);
}

// Own name of a language without a territory.
QString ownNameOf(QLocale::Language language)
{
    const QString code = QLocale::languageToCode(language);
    if (QString name = icuName(code, code); !name.isEmpty())
        return name;
    if (QString name = QLocale(language).nativeLanguageName(); !name.isEmpty())
        return name;
    return englishName(language);
}

// Each name a language is known by, folded, to its code.
const QHash<QString, QString> &namesToCodes()
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> map;
        for (const OfferedLanguage &offered : offeredLanguages()) {
            const QLocale::Language language = languageOf(offered.code);
            for (const QString &name : {englishName(language), icuName(offered.code, QStringLiteral("en")),
                                        ownNameOf(language), QLocale(language).nativeLanguageName()}) {
                if (!name.isEmpty())
                    map.insert(folded(name), offered.code); // the first language of a name keeps it
            }
        }
        return map;
    }();
    return names;
}

} // namespace

std::optional<QString> normalizedCode(const QString &code)
{
    static const QRegularExpression shape(
        QStringLiteral("^([A-Za-z]{2,3})(?:-([A-Za-z]{4}))?(?:-([A-Za-z]{2}|[0-9]{3}))?$"));
    QString text = code.trimmed();
    text.replace(u'_', u'-');
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QLocale::Language language = languageOf(match.captured(1));
    if (language == QLocale::AnyLanguage)
        return std::nullopt;
    QString normalized = QLocale::languageToCode(language);
    if (const QString script = match.captured(2); !script.isEmpty()) {
        const QLocale::Script known = QLocale::codeToScript(script);
        if (known == QLocale::AnyScript)
            return std::nullopt;
        normalized += u'-' + QLocale::scriptToCode(known);
    }
    if (const QString territory = match.captured(3); !territory.isEmpty()) {
        const QLocale::Territory known = QLocale::codeToTerritory(territory);
        if (known == QLocale::AnyTerritory)
            return std::nullopt;
        normalized += u'-' + QLocale::territoryToCode(known);
    }
    return normalized;
}

std::optional<QString> codeOfName(const QString &name, const QStringList &alsoNamedIn)
{
    const QString key = folded(name);
    if (key.isEmpty())
        return std::nullopt;
    if (const auto found = namesToCodes().constFind(key); found != namesToCodes().cend())
        return *found;
    for (const QString &reader : alsoNamedIn) {
        for (const OfferedLanguage &offered : offeredLanguages()) {
            const QString there = icuName(offered.code, reader);
            if (!there.isEmpty() && folded(there) == key)
                return offered.code;
        }
    }
    return std::nullopt;
}

QString ownName(const QString &code)
{
    const auto normalized = normalizedCode(code);
    if (!normalized)
        return code;
    const QLocale::Language language = languageOf(*normalized);
    if (normalized->contains(u'-')) {
        if (QString name = QLocale(*normalized).nativeLanguageName(); !name.isEmpty())
            return name;
    }
    return ownNameOf(language);
}

QString displayName(const QString &code)
{
    const auto normalized = normalizedCode(code);
    if (!normalized)
        return code;
    const QLocale locale(*normalized);
    QString english = englishName(locale.language());
    if (normalized->contains(u'-')) {
        // The script or territory named, as QLocale names them in English.
        QStringList details;
        const QStringList parts = normalized->split(u'-');
        for (const QString &part : parts.mid(1)) {
            details.append(part.size() == 4 ? QLocale::scriptToString(QLocale::codeToScript(part))
                                            : QLocale::territoryToString(QLocale::codeToTerritory(part)));
        }
        english += QStringLiteral(" (%1)").arg(details.join(QStringLiteral(", ")));
    }
    return ownName(*normalized) + QStringLiteral(" \u2014 ") + english;
}

const QList<OfferedLanguage> &offeredLanguages()
{
    static const QList<OfferedLanguage> offered = [] {
        QList<OfferedLanguage> list;
        for (int value = QLocale::C + 1; value <= QLocale::LastLanguage; ++value) {
            const auto language = QLocale::Language(value);
            // Languages QLocale has no data for fall back to C.
            if (QLocale(language).language() != language)
                continue;
            const QString code = QLocale::languageToCode(language);
            list.append({code, ownNameOf(language) + QStringLiteral(" \u2014 ") + englishName(language)});
        }
        std::stable_sort(list.begin(), list.end(), [](const OfferedLanguage &a, const OfferedLanguage &b) {
            return alphabeticallyBefore(a.display, b.display);
        });
        return list;
    }();
    return offered;
}

} // namespace languages
