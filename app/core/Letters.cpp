#include "Letters.h"

#include <QTextBoundaryFinder>

namespace letters {

QStringList split(const QString &text)
{
    QStringList result;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        const qsizetype end = finder.position();
        result.append(text.mid(start, end - start));
        start = end;
    }
    return result;
}

qsizetype count(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype n = 0;
    while (finder.toNextBoundary() != -1)
        ++n;
    return n;
}

QString first(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    const qsizetype end = finder.toNextBoundary();
    return end == -1 ? QString() : text.left(end);
}

QString folded(const QString &text)
{
    return text.normalized(QString::NormalizationForm_C).toCaseFolded();
}

bool sameIgnoringCase(const QString &a, const QString &b)
{
    return folded(a) == folded(b);
}

} // namespace letters
