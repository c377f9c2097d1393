#include "CommandLine.h"

#include "core/DataFolder.h"
#include "core/SharedState.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStandardPaths>

#include <cstdio>

namespace {

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

QString programName()
{
    return QStringLiteral("lingo-spark");
}

int usageError(const QString &message)
{
    print(stderr, QCoreApplication::translate("CommandLine",
        "%1: %2\nTry \"%1 --help\".\n").arg(programName(), message));
    return UsageStatus;
}

const QCommandLineOption &dataOption()
{
    static const QCommandLineOption option(QStringLiteral("data"),
                                           QCoreApplication::translate("CommandLine",
                                               "Use the word lists and settings in <folder>."),
                                           QStringLiteral("folder"));
    return option;
}

// Read before the line is parsed (main.cpp), so every message is already in
// that language; here it is only accepted and described.
QCommandLineOption languageOption(const QStringList &languages)
{
    return QCommandLineOption(QStringLiteral("language"),
                              QCoreApplication::translate("CommandLine", "Show the program in <code>: %1.")
                                  .arg(languages.join(QStringLiteral(", "))),
                              QStringLiteral("code"));
}

QString languageHelp(const QStringList &languages)
{
    return QCoreApplication::translate(
               "CommandLine",
               "Language of the program, the first of:\n"
               "  1. --language <code>\n"
               "  2. a line Language=<code> in lingo-spark/lingo-spark.conf, looked for as above\n"
               "  3. the user's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)\n"
               "  4. English\n"
               "Languages: %1. A language the program does not have is passed over for the next one.\n")
        .arg(languages.join(QStringLiteral(", ")));
}

// Qt's own options, which QApplication reads later: accepted, not shown.
QList<QCommandLineOption> qtOptions()
{
    QList<QCommandLineOption> options;
    for (const char *name : {"platform", "display", "style", "qwindowgeometry", "qwindowtitle"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options.append(option);
    }
    return options;
}

QString dataFolderHelp()
{
    const QStringList configFolders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    const QString defaultFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/lingo-spark");
    return QCoreApplication::translate("CommandLine",
               "Data folder (the word lists thelists.dat and the settings lsdata.dat), the first of:\n"
               "  1. --data <folder>\n"
               "  2. the environment variable LINGO_SPARK_DATA\n"
               "  3. a line DataFolder=<folder> in lingo-spark/lingo-spark.conf, looked for in\n"
               "     %1 (the user's settings first, then the computer's)\n"
               "  4. %2, created and given the shipped lists the first time\n"
               "A folder named by 1 to 3 must already hold both files: it is never created or filled,\n"
               "and the program ends with a message naming the folder and the missing file.\n")
        .arg(configFolders.join(QCoreApplication::translate("CommandLine", ", then ")), defaultFolder);
}

QString commandsHelp(const QList<Verb> &verbs)
{
    if (verbs.isEmpty())
        return {};
    QString text = QCoreApplication::translate("CommandLine",
        "Commands (they need no display; \"%1 <command> --help\" for one):\n").arg(programName());
    for (const Verb &verb : verbs) {
        const QString call = (verb.name + u' ' + verb.synopsis).trimmed();
        text += QStringLiteral("  %1\n      %2\n").arg(call, verb.description);
    }
    return text + u'\n';
}

void addCommonOptions(QCommandLineParser &parser, const QStringList &languages)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(dataOption());
    parser.addOption(languageOption(languages));
    parser.addOptions(qtOptions());
}

// Chooses and readies the data folder for a verb; errors go to stderr.
bool openDataFolderForVerb(const QString &option)
{
    const DataFolderChoice choice = chooseDataFolder(systemDataFolderSources(option));
    const QString problem = prepareDataFolder(choice, programFolder());
    if (!problem.isEmpty()) {
        print(stderr, problem + u'\n');
        return false;
    }
    Shared.AppPath = choice.folder;
    return true;
}

// A --language given without a code.
bool languageMissing(const QCommandLineParser &parser)
{
    return parser.isSet(QStringLiteral("language")) && parser.value(QStringLiteral("language")).trimmed().isEmpty();
}

int languageMissingError()
{
    return usageError(QCoreApplication::translate("CommandLine", "--language needs a language code, such as \"de\""));
}

int runVerb(const Verb &verb, const QStringList &arguments, const QStringList &languages)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(verb.description);
    addCommonOptions(parser, languages);
    const QCommandLineOption help = parser.addHelpOption();
    parser.addOptions(verb.options);
    parser.addPositionalArgument(verb.name, verb.description, (verb.name + u' ' + verb.synopsis).trimmed());
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    const QStringList args = parser.positionalArguments().mid(1);
    if (args.size() < verb.minArguments || args.size() > verb.maxArguments)
        return usageError(QCoreApplication::translate("CommandLine",
            "usage: %1 %2 %3").arg(programName(), verb.name, verb.synopsis).trimmed());
    if (parser.isSet(dataOption()) && parser.value(dataOption()).isEmpty())
        return usageError(QCoreApplication::translate("CommandLine", "--data needs a folder"));
    if (languageMissing(parser))
        return languageMissingError();
    if (!openDataFolderForVerb(parser.value(dataOption())))
        return 1;
    return verb.run(args, parser);
}

} // namespace

bool displayAvailable(const QString &platform, const QString &x11Display, const QString &waylandDisplay)
{
    // "xcb:..." or "wayland;xcb": Qt tries each named platform in turn.
    const QStringList names = platform.split(u';', Qt::SkipEmptyParts);
    if (names.isEmpty())
        return !x11Display.isEmpty() || !waylandDisplay.isEmpty();
    for (const QString &entry : names) {
        const QString name = entry.section(u':', 0, 0).trimmed();
        if (name == QStringLiteral("xcb") ? !x11Display.isEmpty()
            : name.startsWith(QStringLiteral("wayland")) ? !waylandDisplay.isEmpty()
                                                        : true)
            return true;
    }
    return false;
}

CommandLineOutcome runCommandLine(const QList<Verb> &verbs, const QStringList &languages)
{
    const QStringList arguments = QCoreApplication::arguments();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine",
            "Lingo-Spark: vocabulary flash cards, quizzes and games for schools.\n"
            "Without a command it opens the main menu."));
    addCommonOptions(parser, languages);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!verbs.isEmpty())
        parser.addPositionalArgument(QStringLiteral("command"),
                                     QCoreApplication::translate("CommandLine", "One of the commands below."),
                                     QStringLiteral("[command [arguments]]"));

    // A verb's own options are unknown here: find the verb first, then let
    // its own parser read the whole line again.
    const bool understood = parser.parse(arguments);
    const QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty()) {
        for (const Verb &verb : verbs) {
            if (verb.name == positional.first())
                return {false, runVerb(verb, arguments, languages), {}};
        }
        return {false, usageError(QCoreApplication::translate("CommandLine",
            "unknown command \"%1\"").arg(positional.first())), {}};
    }
    if (!understood)
        return {false, usageError(parser.errorText()), {}};
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, parser.helpText() + u'\n' + commandsHelp(verbs) + dataFolderHelp() + u'\n'
                        + languageHelp(languages));
        return {false, 0, {}};
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(programName(), QCoreApplication::applicationVersion()));
        return {false, 0, {}};
    }
    if (parser.isSet(dataOption()) && parser.value(dataOption()).isEmpty())
        return {false, usageError(QCoreApplication::translate("CommandLine", "--data needs a folder")), {}};
    if (languageMissing(parser))
        return {false, languageMissingError(), {}};

    const QString platform = parser.isSet(QStringLiteral("platform")) ? parser.value(QStringLiteral("platform"))
                                                                      : qEnvironmentVariable("QT_QPA_PLATFORM");
    const QString display = parser.isSet(QStringLiteral("display")) ? parser.value(QStringLiteral("display"))
                                                                    : qEnvironmentVariable("DISPLAY");
    if (!displayAvailable(platform, display, qEnvironmentVariable("WAYLAND_DISPLAY"))) {
        print(stderr, QCoreApplication::translate("CommandLine",
            "%1: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is "
            "set); start it from a desktop session.\n")
                          .arg(programName()));
        return {false, NoDisplayStatus, {}};
    }
    return {true, 0, parser.value(dataOption())};
}
