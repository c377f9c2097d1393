#include "Collation.h"

#include <QCollator>
#include <algorithm>

namespace {

const QCollator &collator()
{
    static const QCollator c = [] {
        QCollator c(QLocale(QLocale::English, QLocale::UnitedStates));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return c;
}

} // namespace

bool alphabeticallyBefore(const QString &a, const QString &b)
{
    return collator().compare(a, b) < 0;
}

void sortAlphabetically(QStringList &items)
{
    std::stable_sort(items.begin(), items.end(), alphabeticallyBefore);
}
