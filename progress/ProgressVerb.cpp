#include "ProgressVerb.h"

#include "ClassView.h"

#include "app/CommandLine.h"
#include "app/core/SharedState.h"
#include "app/core/StoreContent.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

int failure(QTextStream &err, const QString &message)
{
    err << "lingo-spark: " << message << '\n';
    err.flush();
    return 1;
}

} // namespace

int progressVerb(const std::optional<QString> &list, QTextStream &out, QTextStream &err)
{
    const auto store = ReadStore();
    if (!store)
        return failure(err, QCoreApplication::translate("ProgressVerb", "could not read the word lists in %1")
                                .arg(QDir::toNativeSeparators(Shared.AppPath)));
    if (list && (store->isEmpty() || !store->hasListNamed(*list)))
        return failure(err, QCoreApplication::translate("ProgressVerb", "there is no list named \"%1\"").arg(*list));
    const progress::ClassFolder folder = progress::readClassFolder(Shared.AppPath, *store);
    if (!folder.ok())
        return failure(err, folder.error);
    for (const progress::SkippedFile &skipped : folder.skipped)
        err << QCoreApplication::translate("ProgressVerb", "lingo-spark: skipped %1: %2").arg(skipped.file, skipped.why)
            << '\n';
    err.flush();

    QList<progress::ListRows> rows;
    if (list) {
        // Every list of that name, as the whole table would show them.
        for (int occurrence = 0;; ++occurrence) {
            const qsizetype position = store->positionOf(*list, occurrence);
            if (position < 0)
                break;
            const StoredList stored = store->listAt(position);
            rows.append(progress::listRows(stored.name, stored.pairs, folder));
        }
    } else {
        rows = progress::classRows(*store, folder);
    }
    for (const QStringList &fields : progress::rowFields(rows))
        out << fields.join(u'\t') << '\n';
    out.flush();
    return 0;
}

Verb progressVerbEntry()
{
    return {QStringLiteral("progress"), QStringLiteral("[LIST]"),
            QCoreApplication::translate("ProgressVerb",
                "Print what the class's progress files in the data folder's progress/ say, per list "
                "(or LIST alone): each pupil's right and wrong answers, the ten most-missed pairs."),
            {}, 0, 1, [](const QStringList &args, const QCommandLineParser &) {
                QTextStream out(stdout);
                QTextStream err(stderr);
                return progressVerb(args.isEmpty() ? std::nullopt : std::optional(args.first()), out, err);
            }};
}
