#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QCommandLineParser;

// The command line is read on a QCoreApplication before any QApplication
// exists: --help, --version and the verbs need no display, and Qt's
// QApplication aborts the process when there is none.

// A verb: `lingo-spark NAME [ARGUMENTS] [--data DIR]`. It runs with the data
// folder chosen and ready (AppPath set), writes its errors to stderr and
// returns the exit status.
struct Verb {
    QString name;
    QString synopsis;    // the arguments as --help shows them: "FILE [--name NAME]"
    QString description; // one line for --help
    QList<QCommandLineOption> options; // its own, beside --data
    int minArguments = 0;
    int maxArguments = 0;
    // `args`: the words after the verb's name; `options` answers for its options.
    std::function<int(const QStringList &args, const QCommandLineParser &options)> run;
};

struct CommandLineOutcome {
    bool openWindow = false; // else the program ends with `status`
    int status = 0;
    QString dataOption;      // --data as given, empty when not given
};

// Parses the running QCoreApplication's arguments. --help, --version, a verb
// and a command-line mistake are dealt with here (status set, nothing left to
// do); only the windowed program, with a display to show it on, is left to
// the caller. `languages`: the interface languages shipped, for --help;
// --language itself is read and applied before (translations/).
CommandLineOutcome runCommandLine(const QList<Verb> &verbs, const QStringList &languages);

// Whether Qt can open windows: a display to reach, or a platform chosen that
// needs none (offscreen, vnc, linuxfb...). `platform` is QT_QPA_PLATFORM or
// the -platform option.
bool displayAvailable(const QString &platform, const QString &x11Display, const QString &waylandDisplay);

// The exit status of the windowed program started with no display.
constexpr int NoDisplayStatus = 2;
// The exit status of a command line that cannot be understood.
constexpr int UsageStatus = 2;
