#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The language of the interface: the program's catalogue (compiled in under
// :/i18n) and Qt's own for its dialogs' buttons, chosen once at start, before
// any text is made, and installed on each application object in turn (the
// command line runs on a QCoreApplication, the windows on a QApplication).
namespace translations {

// The interface languages shipped, "en" (the source texts) first, then the
// catalogues compiled in: "de", "es", "fr", "it", "pl", "pt_BR".
QStringList shippedLanguages();

// Where each source of the choice stands, most important first.
struct LanguageSources {
    QString option;          // --language CODE
    QStringList configFiles; // lingo-spark.conf files with Language=, the user's first
    QStringList uiLanguages; // the locale's, most wanted first (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
};

// The sources as this process sees them.
LanguageSources systemLanguageSources(const QString &option);

// The first language asked for that is shipped: the option, then the first
// config file that sets Language=, then the locale's list in its order, then
// "en". A code is matched whole ("pt_BR", "pt-BR"), else by its language
// alone ("de_AT" is "de", "pt_PT" is "pt_BR"); one that matches nothing
// passes the choice on without a word.
QString chooseLanguage(const LanguageSources &sources, const QStringList &shipped);

// The value of --language in a command line (also -language, --language=X),
// read before the line is parsed so --help speaks it; empty when not given.
QString languageOption(const QStringList &arguments);

// The catalogues of one language, installed on every application object made
// while it lives.
class InterfaceLanguage
{
public:
    explicit InterfaceLanguage(const QString &code);
    InterfaceLanguage(const InterfaceLanguage &) = delete;
    InterfaceLanguage &operator=(const InterfaceLanguage &) = delete;

    QString code() const { return m_code; }
    // On the application object that exists now; once for each.
    void install();

private:
    QString m_code;
    QTranslator m_program;
    QTranslator m_qt;
};

} // namespace translations
