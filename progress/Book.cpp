#include "Book.h"

#include "app/core/StoreContent.h"
#include "app/core/TextFile.h"

#include <QSet>
#include <algorithm>

namespace progress {

namespace {

constexpr QByteArrayView ByteOrderMark = "\xEF\xBB\xBF";
constexpr int Fields = 9;

// Words may hold any character a list can; these would break a line.
void appendEscaped(QByteArray &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    if (!utf8.contains('\\') && !utf8.contains('\t') && !utf8.contains('\r') && !utf8.contains('\n')) {
        out += utf8;
        return;
    }
    for (char c : utf8) {
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

// yyyy-MM-dd by hand: QDate's own formatting costs more than the rest of
// a 30,000-pair save.
void appendDate(QByteArray &out, QDate date)
{
    if (!date.isValid())
        return;
    char text[11];
    const int y = date.year(), m = date.month(), d = date.day();
    if (y < 1 || y > 9999)
        return;
    text[0] = char('0' + y / 1000);
    text[1] = char('0' + y / 100 % 10);
    text[2] = char('0' + y / 10 % 10);
    text[3] = char('0' + y % 10);
    text[4] = '-';
    text[5] = char('0' + m / 10);
    text[6] = char('0' + m % 10);
    text[7] = '-';
    text[8] = char('0' + d / 10);
    text[9] = char('0' + d % 10);
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
    date = QDate(parts[0], parts[1], parts[2]);
    return date.isValid();
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
    if (!fields[7].isEmpty())
        pair.lastSeen = QDateTime::fromSecsSinceEpoch(seen);
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
    out.reserve(64 + m_pairs.size() * 64);
    out += ByteOrderMark;
    out += FileHeader;
    out += "\r\n";
    for (auto it = m_pairs.cbegin(); it != m_pairs.cend(); ++it) {
        const PairProgress &p = it.value();
        appendEscaped(out, it.key().word);
        out += '\t';
        appendEscaped(out, it.key().meaning);
        out += '\t';
        out += QByteArray::number(p.box);
        out += '\t';
        out += QByteArray::number(p.right);
        out += '\t';
        out += QByteArray::number(p.wrong);
        out += '\t';
        appendDate(out, p.lastGraded);
        out += '\t';
        appendDate(out, p.lastRaised);
        out += '\t';
        if (p.lastSeen.isValid())
            out += QByteArray::number(p.lastSeen.toSecsSinceEpoch());
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
