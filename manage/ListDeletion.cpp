#include "ListDeletion.h"

#include "app/core/ListStore.h"

namespace liststore {

qsizetype nameLineOf(const QList<QByteArray> &lines, qsizetype position)
{
    if (position < 0 || lines.isEmpty())
        return -1;
    if (position == 0)
        return 0;
    // The same walk as listNamesOf, so positions agree with the names shown.
    qsizetype found = 0;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        if (lines[i] == NewListLine) {
            if (++found == position)
                return i + 1;
            ++i;
        }
    }
    return -1;
}

qsizetype blockEnd(const QList<QByteArray> &lines, qsizetype nameLine)
{
    qsizetype i = nameLine + 1;
    while (i < lines.size() && lines[i] != NewListLine)
        ++i;
    return i;
}

QList<QByteArray> deleteListAt(QList<QByteArray> lines, qsizetype position)
{
    const qsizetype i = nameLineOf(lines, position);
    if (i < 0)
        return lines;
    lines.remove(i, blockEnd(lines, i) - i);
    if (i > 0)
        lines.remove(i - 1); // the separator before the list
    // After deleting the first list its following separator leads the file.
    // A blank first line is kept: it names a list (a hand-edited store may
    // have one), and dropping it would turn that list's first word into a name.
    while (!lines.isEmpty() && lines.first() == NewListLine)
        lines.removeFirst();
    if (lines.isEmpty())
        lines.append(NoListsLine.toByteArray());
    return lines;
}

} // namespace liststore
