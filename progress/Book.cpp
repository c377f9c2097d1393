#include "Book.h"

#include "app/core/StoreContent.h"
#include "app/core/TextFile.h"

#include <QSet>
#include <algorithm>
#include <cstring>
#include <limits>

namespace progress {

namespace {

constexpr QByteArrayView ByteOrderMark = "\xEF\xBB\xBF";
constexpr int Fields = 9;
// The longest line after its key: box, right, wrong, three dates, the
// seconds, eight tabs, CR LF.
constexpr qsizetype MostBytesAfterKey = 1 + 10 + 10 + 3 * 10 + 20 + 8 + 2;

// A key is the file's word and meaning fields as they stand; only its
// escapes need a look.
bool validKey(QByteArrayView key)
{
    const char *p = key.data(), *const end = p + key.size();
    while ((p = static_cast<const char *>(std::memchr(p, '\\', size_t(end - p))))) {
        if (++p == end || (*p != '\\' && *p != 't' && *p != 'r' && *p != 'n'))
            return false;
        ++p;
    }
    return true;
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

int daysInMonth(int y, int m)
{
    constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
    return m == 2 && leap ? 29 : Days[m - 1];
}

char *writeDate(char *out, QDate date)
{
    if (!date.isValid())
        return out;
    qint64 y = 0;
    int m = 0, d = 0;
    civilFromDays(date.toJulianDay() - JulianDayOf1970, y, m, d);
    if (y < 1 || y > 9999)
        return out;
    const char text[10] = {char('0' + y / 1000),     char('0' + y / 100 % 10), char('0' + y / 10 % 10),
                           char('0' + y % 10),       '-',                      char('0' + m / 10),
                           char('0' + m % 10),       '-',                      char('0' + d / 10),
                           char('0' + d % 10)};
    std::memcpy(out, text, 10);
    return out + 10;
}

// The last date written of one column: most lines repeat a day (every
// pair a list held today), and the day arithmetic costs more than a copy.
struct DateColumn {
    qint64 day = std::numeric_limits<qint64>::min();
    char text[10];
    int size = 0;
};

char *writeDate(char *out, QDate date, DateColumn &column)
{
    const qint64 day = date.isValid() ? date.toJulianDay() : std::numeric_limits<qint64>::min() + 1;
    if (day != column.day) {
        column.day = day;
        column.size = int(writeDate(column.text, date) - column.text);
    }
    std::memcpy(out, column.text, size_t(column.size));
    return out + column.size;
}

// Unsigned decimal of at most `most` digits; nothing else, as the writer
// writes nothing else.
template <typename Number>
bool parseDigits(QByteArrayView field, int most, Number &value)
{
    value = 0;
    if (field.isEmpty() || field.size() > most)
        return false;
    for (char c : field) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// An empty field is no date; anything else must be a real yyyy-MM-dd.
bool parseDate(QByteArrayView field, QDate &date)
{
    date = {};
    if (field.isEmpty())
        return true;
    int y = 0, m = 0, d = 0;
    if (field.size() != 10 || field[4] != '-' || field[7] != '-' || !parseDigits(field.first(4), 4, y) ||
        !parseDigits(field.sliced(5, 2), 2, m) || !parseDigits(field.sliced(8, 2), 2, d) || m < 1 || m > 12 ||
        d < 1 || d > daysInMonth(y, m))
        return false;
    date = QDate::fromJulianDay(daysFromCivil(y, m, d) + JulianDayOf1970);
    return true;
}

char *writeNumber(char *out, qint64 value)
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
    std::memcpy(out, at, size_t(end - at));
    return out + (end - at);
}

bool parseSeconds(QByteArrayView field, qint64 &value)
{
    value = 0;
    if (field.isEmpty())
        return true;
    const bool negative = field.startsWith('-');
    if (!parseDigits(negative ? field.sliced(1) : field, 18, value))
        return false;
    value = negative ? -value : value;
    return true;
}

bool parseLine(QByteArrayView line, QByteArrayView &key, PairProgress &pair)
{
    std::array<QByteArrayView, Fields> fields;
    const char *at = line.data(), *const end = at + line.size();
    for (int f = 0; f < Fields; ++f) {
        const auto *tab = static_cast<const char *>(std::memchr(at, '\t', size_t(end - at)));
        if (!tab && f < Fields - 1)
            return false;
        // Fields after the ninth belong to a later version of this format.
        fields[f] = QByteArrayView(at, tab ? tab : end);
        if (tab)
            at = tab + 1;
    }
    key = QByteArrayView(fields[0].data(), fields[1].end());
    return validKey(key) && parseDigits(fields[2], 1, pair.box) && pair.box <= BoxCount &&
           parseDigits(fields[3], 9, pair.right) && parseDigits(fields[4], 9, pair.wrong) &&
           parseDate(fields[5], pair.lastGraded) && parseDate(fields[6], pair.lastRaised) &&
           parseSeconds(fields[7], pair.lastSeen) && parseDate(fields[8], pair.lastHeld) &&
           !(pair.practised() && !pair.lastGraded.isValid());
}

} // namespace

PairProgress &Book::entry(const WordPair &pair)
{
    bool added = false;
    const qsizetype number = m_keys.insert(keyOf(pair), added);
    if (added)
        m_progress.append(PairProgress{});
    return m_progress[number];
}

void Book::keepOnly(const QList<bool> &keep)
{
    m_keys.keepOnly(keep);
    qsizetype kept = 0;
    for (qsizetype n = 0; n < m_progress.size(); ++n) {
        if (keep[n])
            m_progress[kept++] = m_progress[n];
    }
    m_progress.resize(kept);
}

void Book::graded(const WordPair &pair, bool right, const QDateTime &now)
{
    grade(entry(pair), right, now);
}

void Book::seen(const WordPair &pair, const QDateTime &now)
{
    see(entry(pair), now);
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
        const qsizetype number = m_keys.find(key);
        if (number < 0 || !m_progress[number].practised()) {
            ++counts.neverPractised;
            continue;
        }
        ++counts.inBox[m_progress[number].box];
        if (isDue(m_progress[number], today))
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
    QSet<qsizetype> taken;
    KeyBuffer key;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const qsizetype number = m_keys.find(writeKey(key, list[i]));
        if (number < 0 || !isDue(m_progress[number], today) || taken.contains(number))
            continue;
        taken.insert(number);
        due.append({m_progress[number].box, dueDate(m_progress[number]), i});
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
    QList<bool> keep(m_progress.size(), true);
    bool removed = false;
    KeyBuffer key;
    for (const WordPair &pair : list) {
        if (const qsizetype number = m_keys.find(writeKey(key, pair)); number >= 0 && keep[number]) {
            keep[number] = false;
            removed = true;
        }
    }
    if (removed)
        keepOnly(keep);
    return removed;
}

void Book::refreshHeld(const StoreContent &store, QDate today)
{
    if (m_progress.isEmpty())
        return;
    if (!store.isEmpty()) {
        KeyBuffer key;
        for (const StoredList &list : store.lists()) {
            for (const WordPair &pair : list.pairs) {
                if (const qsizetype number = m_keys.find(writeKey(key, pair)); number >= 0)
                    m_progress[number].lastHeld = today;
            }
        }
    }
    QList<bool> keep(m_progress.size());
    bool dropped = false;
    for (qsizetype n = 0; n < m_progress.size(); ++n) {
        keep[n] = !droppedOn(m_progress[n], today);
        dropped = dropped || !keep[n];
    }
    if (dropped)
        keepOnly(keep);
}

const PairProgress *Book::find(const WordPair &pair) const
{
    KeyBuffer key;
    const qsizetype number = m_keys.find(writeKey(key, pair));
    return number < 0 ? nullptr : &m_progress[number];
}

QByteArray Book::toBytes() const
{
    qsizetype most = ByteOrderMark.size() + FileHeader.size() + 2;
    for (qsizetype n = 0; n < m_keys.size(); ++n)
        most += m_keys.key(n).size() + MostBytesAfterKey;
    // Written through a pointer into room made once: QByteArray's appends
    // check for room at every field.
    QByteArray out(most, Qt::Uninitialized);
    char *w = out.data();
    const auto put = [&w](QByteArrayView bytes) {
        std::memcpy(w, bytes.data(), size_t(bytes.size()));
        w += bytes.size();
    };
    DateColumn graded, raised, held;
    put(ByteOrderMark);
    put(FileHeader);
    put("\r\n");
    // In the order the pairs were first met: a file read and written back
    // keeps its order.
    for (qsizetype n = 0; n < m_keys.size(); ++n) {
        const PairProgress &p = m_progress[n];
        put(m_keys.key(n));
        *w++ = '\t';
        w = writeNumber(w, p.box);
        *w++ = '\t';
        w = writeNumber(w, p.right);
        *w++ = '\t';
        w = writeNumber(w, p.wrong);
        *w++ = '\t';
        w = writeDate(w, p.lastGraded, graded);
        *w++ = '\t';
        w = writeDate(w, p.lastRaised, raised);
        *w++ = '\t';
        if (p.lastSeen != 0)
            w = writeNumber(w, p.lastSeen);
        *w++ = '\t';
        w = writeDate(w, p.lastHeld, held);
        *w++ = '\r';
        *w++ = '\n';
    }
    out.truncate(w - out.constData());
    return out;
}

bool Book::scan(QByteArrayView bytes, const std::function<void(QByteArrayView key, const PairProgress &)> &each)
{
    if (bytes.startsWith(ByteOrderMark))
        bytes = bytes.sliced(ByteOrderMark.size());
    textfile::LineScanner lines(bytes);
    QByteArrayView line;
    if (!lines.next(line) || line != FileHeader)
        return false;
    QByteArrayView key;
    while (lines.next(line)) {
        if (line.isEmpty())
            continue;
        PairProgress pair;
        if (!parseLine(line, key, pair))
            return false;
        each(key, pair);
    }
    return true;
}

std::optional<Book> Book::fromBytes(QByteArrayView bytes)
{
    Book book;
    const qsizetype lines = std::count(bytes.begin(), bytes.end(), '\n');
    book.m_keys.reserve(lines, bytes.size());
    book.m_progress.reserve(lines);
    const bool read = scan(bytes, [&book](QByteArrayView key, const PairProgress &pair) {
        bool added = false;
        const qsizetype number = book.m_keys.insert(key, added);
        if (added)
            book.m_progress.append(pair);
        else
            book.m_progress[number] = pair; // a pair twice, by hand: the later line counts
    });
    if (!read)
        return std::nullopt;
    return book;
}

} // namespace progress
