#include "LanguagesVerb.h"

#include "LanguageNames.h"
#include "ListLanguages.h"

#include "app/CommandLine.h"
#include "app/core/ListStore.h"
#include "app/core/StoreContent.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace languages {
namespace {

int failure(QTextStream &err, const QString &message)
{
    err << "lingo-spark: " << message << '\n';
    err.flush();
    return 1;
}

QString shown(const QString &code)
{
    return code.isEmpty() ? QStringLiteral("-") : code;
}

} // namespace

int languagesVerb(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString &name = args.value(0);
    const auto store = ReadStore();
    if (!store)
        return failure(err, QCoreApplication::translate("LanguagesVerb", "could not read the word lists in %1")
                                .arg(QDir::toNativeSeparators(storePath())));
    if (store->isEmpty() || !store->hasListNamed(name))
        return failure(err, QCoreApplication::translate("LanguagesVerb", "there is no list named \"%1\"").arg(name));

    if (args.size() == 1) {
        const ListLanguages languages = ofList(name);
        out << shown(languages.words) << '\t' << shown(languages.meanings) << '\n';
        out.flush();
        return 0;
    }
    ListLanguages wanted;
    for (const auto &[given, code] : {std::pair{args.value(1), &wanted.words}, std::pair{args.value(2), &wanted.meanings}}) {
        if (given == u"-")
            continue;
        const auto normalized = normalizedCode(given);
        if (!normalized)
            return failure(err, QCoreApplication::translate("LanguagesVerb",
                "\"%1\" is no language code this computer knows (examples: es, "
                "fr, de, en-GB)").arg(given));
        *code = *normalized;
    }
    if (const dataupdate::Result saved = setOfList(name, wanted); !saved)
        return failure(err, saved.message);
    return 0;
}

QList<Verb> languagesVerbs()
{
    return {{QStringLiteral("languages"), QStringLiteral("NAME [WORDS MEANINGS]"),
             QCoreApplication::translate("LanguagesVerb",
                 "Print the language codes of the list NAME's words and meanings (tab-separated, \"-\" "
                 "for one not set), or set them (\"-\" unsets one)."),
             {}, 1, 3,
             [](const QStringList &args, const QCommandLineParser &) {
                 QTextStream out(stdout);
                 QTextStream err(stderr);
                 if (args.size() == 2) {
                     err << QCoreApplication::translate("LanguagesVerb",
                                                        "lingo-spark: give both the words' and the meanings' codes "
                                                        "(\"-\" for one not set)\n");
                     err.flush();
                     return UsageStatus;
                 }
                 return languagesVerb(args, out, err);
             }}};
}

} // namespace languages
