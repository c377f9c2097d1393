#include "InterfaceLanguage.h"

#include "app/core/ConfigFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace translations {

namespace {

const QString catalogueFolder = QStringLiteral(":/i18n");
const QString cataloguePrefix = QStringLiteral("lingo-spark_");

QString languagePart(const QString &code)
{
    return code.section(u'_', 0, 0);
}

// "pt-br" and "pt_BR" are one code; an empty result matches nothing.
QString shippedMatch(QString code, const QStringList &shipped)
{
    code = code.trimmed().replace(u'-', u'_');
    if (code.isEmpty())
        return {};
    for (const QString &language : shipped) {
        if (language.compare(code, Qt::CaseInsensitive) == 0)
            return language;
    }
    for (const QString &language : shipped) {
        if (languagePart(language).compare(languagePart(code), Qt::CaseInsensitive) == 0)
            return language;
    }
    return {};
}

} // namespace

QStringList shippedLanguages()
{
    QStringList languages{QStringLiteral("en")};
    // No name filter: a wildcard compiles a regular expression, and its JIT
    // alone costs the start half a megabyte.
    for (const QString &file : QDir(catalogueFolder).entryList(QDir::Files, QDir::Name)) {
        if (!file.startsWith(cataloguePrefix) || !file.endsWith(QStringLiteral(".qm")))
            continue;
        const QString code = file.mid(cataloguePrefix.size()).chopped(3);
        if (!languages.contains(code))
            languages.append(code);
    }
    return languages;
}

LanguageSources systemLanguageSources(const QString &option)
{
    return {option, lingoSparkConfigFiles(), QLocale::system().uiLanguages()};
}

QString chooseLanguage(const LanguageSources &sources, const QStringList &shipped)
{
    QStringList wanted{sources.option};
    for (const QString &config : sources.configFiles) {
        const QString language = configFileValue(config, QStringLiteral("Language"));
        if (!language.isEmpty()) {
            wanted.append(language);
            break;
        }
    }
    wanted += sources.uiLanguages;
    for (const QString &code : wanted) {
        const QString match = shippedMatch(code, shipped);
        if (!match.isEmpty())
            return match;
    }
    return QStringLiteral("en");
}

QString languageOption(const QStringList &arguments)
{
    // The program's name comes first; a verb's own words never look like
    // this option, and a folder named "--language" is not worth a parser.
    QString value;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QStringLiteral("--"))
            break;
        for (const QString &name : {QStringLiteral("--language"), QStringLiteral("-language")}) {
            if (argument == name && i + 1 < arguments.size())
                value = arguments.at(++i);
            else if (argument.startsWith(name + u'='))
                value = argument.mid(name.size() + 1);
        }
    }
    return value;
}

InterfaceLanguage::InterfaceLanguage(const QString &code)
    : m_code(code)
{
    // A catalogue that is missing leaves that part in English (Qt's are a
    // package a system may lack); install() passes over an empty one.
    if (!m_program.load(cataloguePrefix + code, catalogueFolder))
        static_cast<void>(m_program.load(cataloguePrefix + QStringLiteral("en"), catalogueFolder));
    if (code != QStringLiteral("en"))
        static_cast<void>(m_qt.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
}

void InterfaceLanguage::install()
{
    if (!m_program.isEmpty())
        QCoreApplication::installTranslator(&m_program);
    if (!m_qt.isEmpty())
        QCoreApplication::installTranslator(&m_qt);
}

} // namespace translations
