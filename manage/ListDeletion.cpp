#include "ListDeletion.h"

namespace liststore {

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
