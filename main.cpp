#include "AllScreens.h"
#include "app/CommandLine.h"
#include "languages/LanguagesVerb.h"
#include "manage/exchange/ListVerbs.h"
#include "progress/ProgressVerb.h"

#include <QApplication>
#include <QCoreApplication>

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
    {
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(LINGO_VERSION));
        outcome = runCommandLine(commandLineVerbs());
    }
    if (!outcome.openWindow)
        return outcome.status;

    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(LINGO_VERSION));
    if (!startLingoSpark(outcome.dataOption))
        return 1;
    return QApplication::exec();
}
