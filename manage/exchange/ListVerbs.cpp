#include "ListVerbs.h"

#include "ExchangeFiles.h"
#include "ExportList.h"
#include "ImportList.h"
#include "ListExport.h"

#include "app/CommandLine.h"
#include "app/core/StoreContent.h"
#include "app/core/ListStore.h"
#include "languages/ListLanguages.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <cstdio>

namespace {

int failure(QTextStream &err, const QString &message)
{
    err << "lingo-spark: " << message << '\n';
    err.flush();
    return 1;
}

QString unreadableStore()
{
    return QCoreApplication::translate("ListVerbs",
        "could not read the word lists in %1").arg(QDir::toNativeSeparators(storePath()));
}

} // namespace

int listsVerb(QTextStream &out, QTextStream &err)
{
    const auto store = ReadStore();
    if (!store)
        return failure(err, unreadableStore());
    if (store->listCount() > 0 && !store->isEmpty()) {
        for (const QString &name : store->names())
            out << name << '\n';
    }
    out.flush();
    return 0;
}

int importVerb(const QString &file, const std::optional<QString> &name, HeaderChoice header, QTextStream &out, QTextStream &err)
{
    const QString where = QDir::toNativeSeparators(file);
    const exchange::FileRead read = exchange::readImportFile(file);
    if (!read.ok())
        return failure(err, read.error);
    const ImportResult result = readImport(read.bytes, where, header);
    if (!result.ok())
        return failure(err, QCoreApplication::translate("ListVerbs", "%1 Nothing was imported.").arg(ImportList::failureText(result)));
    for (const RefusedRow &row : result.refused)
        err << QCoreApplication::translate("ListVerbs", "%1:%2: not taken: %3")
                   .arg(where, QString::number(row.line), ImportList::refusalText(row))
            << '\n';
    for (const QString &note : ImportList::notesText(result))
        err << where << ": " << note << '\n';
    err.flush();
    if (result.pairs.isEmpty())
        return failure(err, QCoreApplication::translate("ListVerbs",
            "%1 holds no pair that can be taken. Nothing was imported.").arg(where));

    const QString listName = name.value_or(result.name).normalized(QString::NormalizationForm_C);
    const dataupdate::Result saved = exchange::appendList(listName, result.pairs);
    if (!saved)
        return failure(err, saved.message);
    if (const auto set = languages::setOfList(listName, {result.wordsLanguage, result.meaningsLanguage}); !set)
        err << QCoreApplication::translate("ListVerbs",
                                           "%1: the list was added, but its languages could not be saved: %2")
                   .arg(where, set.message)
            << '\n';
    out << QCoreApplication::translate("ListVerbs", "Added the list \"%1\" with %n word(s) from %2.", nullptr,
                                       int(result.pairs.size()))
               .arg(listName, where)
        << '\n';
    out.flush();
    return 0;
}

int exportVerb(const QString &listName, const QString &file, QTextStream &out, QTextStream &err)
{
    const QString where = QDir::toNativeSeparators(file);
    const auto format = exportFormatFor(file);
    if (!format)
        return failure(err, QCoreApplication::translate("ListVerbs",
            "%1: the file name must end in .csv or .kvtml").arg(where));
    if (!ReadStore())
        return failure(err, unreadableStore());
    const auto pairs = exchange::pairsOfList(listName);
    if (!pairs)
        return failure(err, QCoreApplication::translate("ListVerbs", "there is no list named \"%1\"").arg(listName));

    QByteArray bytes;
    if (*format == ExportFormat::Kvtml) {
        const KvtmlBytes kvtml = kvtmlBytes(listName, *pairs, languages::ofList(listName));
        if (!kvtml.ok())
            return failure(err, QCoreApplication::translate("ListVerbs", "%1 Nothing was written.").arg(ExportList::refusalText(kvtml)));
        bytes = kvtml.bytes;
    } else {
        bytes = csvBytes(*pairs);
    }
    if (const QString error = exchange::saveBytes(file, bytes); !error.isEmpty())
        return failure(err, error);
    out << QCoreApplication::translate("ListVerbs", "Wrote the %n word(s) of \"%1\" to %2.", nullptr, int(pairs->size()))
               .arg(listName, where)
        << '\n';
    out.flush();
    return 0;
}

QList<Verb> exchangeVerbs()
{
    const QCommandLineOption nameOption(QStringLiteral("name"),
                                        QCoreApplication::translate("ListVerbs",
                                            "Call the new list <name> (else the file's title or name)."),
                                        QStringLiteral("name"));
    const QCommandLineOption headerOption(QStringLiteral("header"),
                                          QCoreApplication::translate("ListVerbs", "The first row names the columns."));
    const QCommandLineOption noHeaderOption(QStringLiteral("no-header"),
                                            QCoreApplication::translate("ListVerbs",
                                                "The first row is a word pair, whatever it says."));
    const auto streams = [](auto run) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return run(out, err);
    };
    return {
        {QStringLiteral("lists"), QString(), QCoreApplication::translate("ListVerbs",
            "Print the names of the word lists, one a line."), {}, 0, 0,
         [streams](const QStringList &, const QCommandLineParser &) {
             return streams([](QTextStream &out, QTextStream &err) { return listsVerb(out, err); });
         }},
        {QStringLiteral("import"), QStringLiteral("FILE [--name NAME] [--header|--no-header]"),
         QCoreApplication::translate("ListVerbs",
             "Add the pairs of FILE (CSV, tab or semicolon text, \"word = meaning\" "
             "lines, KVTML 2.0) as a new list."),
         {nameOption, headerOption, noHeaderOption}, 1, 1,
         [streams, nameOption, headerOption, noHeaderOption](const QStringList &args, const QCommandLineParser &options) {
             if (options.isSet(headerOption) && options.isSet(noHeaderOption)) {
                 std::fputs(QCoreApplication::translate("ListVerbs",
                                                        "lingo-spark: --header and --no-header cannot both be given\n")
                                .toLocal8Bit()
                                .constData(),
                            stderr);
                 return UsageStatus;
             }
             const HeaderChoice header = options.isSet(headerOption)     ? HeaderChoice::Header
                                         : options.isSet(noHeaderOption) ? HeaderChoice::NoHeader
                                                                         : HeaderChoice::Detect;
             // A name given as "" is refused as an empty name, not replaced.
             const auto name = options.isSet(nameOption) ? std::optional(options.value(nameOption)) : std::nullopt;
             return streams([&](QTextStream &out, QTextStream &err) { return importVerb(args[0], name, header, out, err); });
         }},
        {QStringLiteral("export"), QStringLiteral("NAME FILE"),
         QCoreApplication::translate("ListVerbs",
             "Write the list NAME to FILE, as CSV (.csv) or KVTML (.kvtml)."), {}, 2, 2,
         [streams](const QStringList &args, const QCommandLineParser &) {
             return streams([&](QTextStream &out, QTextStream &err) { return exportVerb(args[0], args[1], out, err); });
         }},
    };
}
