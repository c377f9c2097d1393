#include "Boxes.h"


namespace progress {

namespace {

// UTF-16 to UTF-8 by hand with the escapes in the same pass: nearly every
// word is ASCII, and QStringEncoder plus a second pass for the escapes cost
// more than the rest of a lookup. False when the text went beyond ASCII.
bool appendEscaped(KeyBuffer &out, QStringView text)
{
    bool ascii = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (c < 0x80) {
            switch (c) {
            case '\\': out.append("\\\\", 2); break;
            case '\t': out.append("\\t", 2); break;
            case '\r': out.append("\\r", 2); break;
            case '\n': out.append("\\n", 2); break;
            default: out.append(char(c));
            }
            continue;
        }
        ascii = false;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        else if (QChar::isSurrogate(c))
            c = QChar::ReplacementCharacter; // as QString::toUtf8 writes a lone half
        if (c < 0x800) {
            out.append(char(0xC0 | c >> 6));
        } else if (c < 0x10000) {
            out.append(char(0xE0 | c >> 12));
            out.append(char(0x80 | (c >> 6 & 0x3F)));
        } else {
            out.append(char(0xF0 | c >> 18));
            out.append(char(0x80 | (c >> 12 & 0x3F)));
            out.append(char(0x80 | (c >> 6 & 0x3F)));
        }
        out.append(char(0x80 | (c & 0x3F)));
    }
    return ascii;
}

// ASCII is composed already; only other text pays for normalized(), whose
// own checks cost more than the whole key of an ASCII pair.
void appendComposed(KeyBuffer &out, const QString &text)
{
    const qsizetype start = out.size();
    if (appendEscaped(out, text))
        return;
    out.resize(start);
    appendEscaped(out, text.normalized(QString::NormalizationForm_C));
}

} // namespace

QByteArrayView writeKey(KeyBuffer &out, const WordPair &pair)
{
    out.clear();
    appendComposed(out, pair.word);
    out.append('\t');
    appendComposed(out, pair.meaning);
    return QByteArrayView(out.constData(), out.size());
}

PairKey keyOf(const WordPair &pair)
{
    KeyBuffer bytes;
    return writeKey(bytes, pair).toByteArray();
}

void grade(PairProgress &pair, bool right, const QDateTime &now)
{
    const QDate today = now.date();
    if (!right) {
        pair.box = FirstBoxIfWrong;
        ++pair.wrong;
    } else {
        if (!pair.practised()) {
            pair.box = FirstBoxIfRight;
            pair.lastRaised = today;
        } else if (pair.lastRaised != today && pair.box < BoxCount) {
            ++pair.box;
            pair.lastRaised = today;
        }
        ++pair.right;
    }
    pair.lastGraded = today;
    pair.lastHeld = today;
    see(pair, now);
}

void see(PairProgress &pair, const QDateTime &now)
{
    pair.lastSeen = now.toSecsSinceEpoch();
    pair.lastHeld = now.date();
}

QDate dueDate(const PairProgress &pair)
{
    if (!pair.practised() || pair.box > BoxCount)
        return {};
    return pair.lastGraded.addDays(DueAfterDays[pair.box - 1]);
}

bool isDue(const PairProgress &pair, QDate today)
{
    const QDate due = dueDate(pair);
    return due.isValid() && due <= today;
}

bool droppedOn(const PairProgress &pair, QDate today)
{
    return !pair.lastHeld.isValid() || pair.lastHeld.daysTo(today) >= DropAfterDaysUnheld;
}

} // namespace progress
