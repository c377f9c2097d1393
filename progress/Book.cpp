#include "Book.h"

#include "app/core/StoreContent.h"
#include "app/core/TextFile.h"

#include <QSet>
#include <QStringEncoder>
#include <algorithm>

namespace progress {

namespace {

constexpr QByteArrayView ByteOrderMark = "\xEF\xBB\xBF";
constexpr int Fields = 9;

// Words may hold any character a list can; these would break a line.
void appendEscaped(QByteArray &out, QStringEncoder &utf8, const QString &text)
{
    const qsizetype start = out.size();
    out.resize(start + text.size() * 3);
    char *end = utf8.appendToBuffer(out.data() + start, text);
    out.resize(end - out.constData());
    const QByteArrayView added = QByteArrayView(out).sliced(start);
    if (!added.contains('\\') && !added.contains('\t') && !added.contains('\r') && !added.contains('\n'))
        return;
    const QByteArray raw = added.toByteArray();
    out.truncate(start);
    for (char c : raw) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c;
        }
    }
}

std::optional<QString> unescaped(QByteArrayView field)
{
    if (!field.contains('\\'))
        return QString::fromUtf8(field);
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            bytes += field[i];
            continue;
        }
        if (++i == field.size())
            return std::nullopt;
        switch (field[i]) {
        case '\\': bytes += '\\'; break;
        case 't': bytes += '\t'; break;
        case 'r': bytes += '\r'; break;
        case 'n': bytes += '\n'; break;
        default: return std::nullopt;
        }
    }
    return QString::fromUtf8(bytes);
}

// Dates as yyyy-MM-dd by hand, with the civil-calendar day arithmetic of
// Howard Hinnant's "chrono-compatible low-level date algorithms": QDate's
// own year/month/day conversions cost more than the rest of a 30,000-pair
// load or save.
constexpr qint64 JulianDayOf1970 = 2440588;

qint64 daysFromCivil(qint64 y, int m, int d)
{
    y -= m <= 2;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const qint64 yoe = y - era * 400;
    const qint64 doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(qint64 z, qint64 &y, int &m, int &d)
{
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2);
}

void appendDate(QByteArray &out, QDate date)
{
    if (!date.isValid())
        return;
    qint64 y = 0;
    int m = 0, d = 0;
    civilFromDays(date.toJulianDay() - JulianDayOf1970, y, m, d);
    if (y < 1 || y > 9999)
        return;
    const char text[10] = {char('0' + y / 1000),     char('0' + y / 100 % 10), char('0' + y / 10 % 10),
                           char('0' + y % 10),       '-',                      char('0' + m / 10),
                           char('0' + m % 10),       '-',                      char('0' + d / 10),
                           char('0' + d % 10)};
    out.append(text, 10);
}

// An empty field is no date; anything else must be a real yyyy-MM-dd.
bool parseDate(QByteArrayView field, QDate &date)
{
    date = {};
    if (field.isEmpty())
        return true;
    if (field.size() != 10 || field[4] != '-' || field[7] != '-')
        return false;
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p) {
        for (int i = starts[p]; i < starts[p] + lengths[p]; ++i) {
            if (field[i] < '0' || field[i] > '9')
                return false;
            parts[p] = parts[p] * 10 + (field[i] - '0');
        }
    }
    if (parts[1] < 1 || parts[1] > 12 || parts[2] < 1 || parts[2] > 31)
        return false;
    const qint64 days = daysFromCivil(parts[0], parts[1], parts[2]);
    qint64 y = 0;
    int m = 0, d = 0;
    civilFromDays(days, y, m, d);
    if (y != parts[0] || m != parts[1] || d != parts[2]) // the 30th of February
        return false;
    date = QDate::fromJulianDay(days + JulianDayOf1970);
    return true;
}

// QByteArray::number allocates a string per field.
void appendNumber(QByteArray &out, qint64 value)
{
    char text[24];
    char *end = text + sizeof text, *at = end;
    const bool negative = value < 0;
    quint64 rest = negative ? 0 - quint64(value) : quint64(value);
    do {
        *--at = char('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (negative)
        *--at = '-';
    out.append(at, end - at);
}

bool parseCount(QByteArrayView field, int &value)
{
    bool ok = false;
    value = field.toInt(&ok);
    return ok && value >= 0;
}

std::optional<std::pair<PairKey, PairProgress>> parseLine(QByteArrayView line)
{
    std::array<QByteArrayView, Fields> fields;
    qsizetype at = 0;
    for (int f = 0; f < Fields; ++f) {
        const qsizetype tab = line.indexOf('\t', at);
        if (tab < 0 && f < Fields - 1)
            return std::nullopt;
        // Fields after the ninth belong to a later version of this format.
        fields[f] = line.sliced(at, (tab < 0 ? line.size() : tab) - at);
        at = tab + 1;
    }
    const auto word = unescaped(fields[0]);
    const auto meaning = unescaped(fields[1]);
    PairProgress pair;
    bool seenOk = false;
    const qint64 seen = fields[7].isEmpty() ? 0 : fields[7].toLongLong(&seenOk);
    if (!word || !meaning || !parseCount(fields[2], pair.box) || pair.box > BoxCount ||
        !parseCount(fields[3], pair.right) || !parseCount(fields[4], pair.wrong) ||
        !parseDate(fields[5], pair.lastGraded) || !parseDate(fields[6], pair.lastRaised) ||
        !(fields[7].isEmpty() || seenOk) || !parseDate(fields[8], pair.lastHeld) ||
        (pair.practised() && !pair.lastGraded.isValid()))
        return std::nullopt;
    pair.lastSeen = seen;
    return std::pair{PairKey{*word, *meaning}, pair};
}

} // namespace

void Book::graded(const WordPair &pair, bool right, const QDateTime &now)
{
    grade(m_pairs[keyOf(pair)], right, now);
}

void Book::seen(const WordPair &pair, const QDateTime &now)
{
    see(m_pairs[keyOf(pair)], now);
}

BoxCounts Book::boxCounts(const WordPairs &list, QDate today) const
{
    BoxCounts counts;
    QSet<PairKey> counted;
    for (const WordPair &pair : list) {
        const PairKey key = keyOf(pair);
        if (counted.contains(key))
            continue;
        counted.insert(key);
        ++counts.total;
        const auto found = m_pairs.constFind(key);
        if (found == m_pairs.cend() || !found->practised()) {
            ++counts.neverPractised;
            continue;
        }
        ++counts.inBox[found->box];
        if (isDue(*found, today))
            ++counts.dueToday;
    }
    return counts;
}

WordPairs Book::duePairs(const WordPairs &list, QDate today) const
{
    struct Due {
        int box;
        QDate date;
        qsizetype position;
    };
    QList<Due> due;
    QSet<PairKey> taken;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const PairKey key = keyOf(list[i]);
        const auto found = m_pairs.constFind(key);
        if (found == m_pairs.cend() || !isDue(*found, today) || taken.contains(key))
            continue;
        taken.insert(key);
        due.append({found->box, dueDate(*found), i});
    }
    std::sort(due.begin(), due.end(), [](const Due &a, const Due &b) {
        return std::tie(a.box, a.date, a.position) < std::tie(b.box, b.date, b.position);
    });
    WordPairs pairs;
    pairs.reserve(due.size());
    for (const Due &d : due)
        pairs.append(list[d.position]);
    return pairs;
}

bool Book::startAgain(const WordPairs &list)
{
    bool removed = false;
    for (const WordPair &pair : list)
        removed = m_pairs.remove(keyOf(pair)) || removed;
    return removed;
}

void Book::refreshHeld(const StoreContent &store, QDate today)
{
    if (m_pairs.isEmpty())
        return;
    if (!store.isEmpty()) {
        for (qsizetype l = 0; l < store.listCount(); ++l) {
            for (const WordPair &pair : store.listAt(l).pairs) {
                const auto found = m_pairs.find(keyOf(pair));
                if (found != m_pairs.end())
                    found->lastHeld = today;
            }
        }
    }
    m_pairs.removeIf([today](const auto &entry) { return droppedOn(entry.value(), today); });
}

const PairProgress *Book::find(const WordPair &pair) const
{
    const auto found = m_pairs.constFind(keyOf(pair));
    return found == m_pairs.cend() ? nullptr : &*found;
}

QByteArray Book::toBytes() const
{
    QByteArray out;
    out.reserve(64 + m_pairs.size() * 80);
    QStringEncoder utf8(QStringEncoder::Utf8);
    out += ByteOrderMark;
    out += FileHeader;
    out += "\r\n";
    for (auto it = m_pairs.cbegin(); it != m_pairs.cend(); ++it) {
        const PairProgress &p = it.value();
        appendEscaped(out, utf8, it.key().word);
        out += '\t';
        appendEscaped(out, utf8, it.key().meaning);
        out += '\t';
        appendNumber(out, p.box);
        out += '\t';
        appendNumber(out, p.right);
        out += '\t';
        appendNumber(out, p.wrong);
        out += '\t';
        appendDate(out, p.lastGraded);
        out += '\t';
        appendDate(out, p.lastRaised);
        out += '\t';
        if (p.lastSeen != 0)
            appendNumber(out, p.lastSeen);
        out += '\t';
        appendDate(out, p.lastHeld);
        out += "\r\n";
    }
    return out;
}

std::optional<Book> Book::fromBytes(QByteArrayView bytes)
{
    if (bytes.startsWith(ByteOrderMark))
        bytes = bytes.sliced(ByteOrderMark.size());
    textfile::LineScanner lines(bytes);
    QByteArrayView line;
    if (!lines.next(line) || line != FileHeader)
        return std::nullopt;
    Book book;
    while (lines.next(line)) {
        if (line.isEmpty())
            continue;
        auto entry = parseLine(line);
        if (!entry)
            return std::nullopt;
        book.m_pairs.insert(entry->first, entry->second);
    }
    return book;
}

} // namespace progress
