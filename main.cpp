#include "AllScreens.h"
#include "app/CommandLine.h"
#include "languages/LanguagesVerb.h"
#include "manage/exchange/ListVerbs.h"
#include "progress/ProgressVerb.h"
#include "translations/InterfaceLanguage.h"

#include <QApplication>
#include <QCoreApplication>

#include <optional>

namespace {

// The command-line verbs: each a plain function returning the exit status,
// registered here so app/ includes no activity.
QList<Verb> commandLineVerbs()
{
    return exchangeVerbs() + languages::languagesVerbs() << progressVerbEntry();
}

} // namespace

int main(int argc, char *argv[])
{
    CommandLineOutcome outcome;
    // Chosen before the verbs and the parser make their texts, and kept
    // for the windows' application object.
    std::optional<translations::InterfaceLanguage> language;
    {
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(LINGO_VERSION));
        const QStringList shipped = translations::shippedLanguages();
        language.emplace(translations::chooseLanguage(
            translations::systemLanguageSources(translations::languageOption(QCoreApplication::arguments())),
            shipped));
        language->install();
        outcome = runCommandLine(commandLineVerbs(), shipped);
    }
    if (!outcome.openWindow)
        return outcome.status;

    QApplication app(argc, argv);
    language->install();
    QApplication::setApplicationVersion(QStringLiteral(LINGO_VERSION));
    if (!startLingoSpark(outcome.dataOption))
        return 1;
    return QApplication::exec();
}
