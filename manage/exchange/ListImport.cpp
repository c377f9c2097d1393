#include "ListImport.h"

#include "app/core/Cp1252.h"
#include "app/core/ListStore.h"
#include "app/core/SharedState.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <algorithm>
#include <map>

namespace {

// One row as the file gives it, before it is judged.
struct Row {
    int line = 0;
    QStringList fields;
    bool unclosedQuote = false;

    bool blank() const
    {
        return std::all_of(fields.cbegin(), fields.cend(), [](const QString &f) { return f.isEmpty(); });
    }
};

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Moves past one line end (CR LF, CR or LF) at `pos`.
void skipLineEnd(const QString &text, qsizetype &pos)
{
    if (text[pos] == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n')
        ++pos;
    ++pos;
}

QString trimmedBlanks(const QString &field, QChar separator)
{
    qsizetype from = 0;
    qsizetype to = field.size();
    const auto blank = [separator](QChar c) { return c == u' ' || (c == u'\t' && separator != u'\t'); };
    while (from < to && blank(field[from]))
        ++from;
    while (to > from && blank(field[to - 1]))
        --to;
    return field.mid(from, to - from);
}

// Rows of delimited text with RFC 4180 quotes: a quoted field may hold the
// separator, doubled quotes and line breaks. Unquoted fields lose the
// blanks around them (a space after the comma is no part of the meaning);
// quoted ones are taken exactly, which is how the export keeps such blanks.
QVector<Row> delimitedRows(const QString &text, QChar separator)
{
    QVector<Row> rows;
    qsizetype pos = 0;
    int line = 1;
    while (pos < text.size()) {
        Row row;
        row.line = line;
        bool rowEnded = false;
        while (!rowEnded) {
            QString field;
            if (pos < text.size() && text[pos] == u'"') {
                ++pos;
                bool closed = false;
                while (pos < text.size()) {
                    const QChar c = text[pos];
                    if (c == u'"') {
                        if (pos + 1 < text.size() && text[pos + 1] == u'"') {
                            field += u'"';
                            pos += 2;
                            continue;
                        }
                        ++pos;
                        closed = true;
                        break;
                    }
                    if (isLineEnd(c)) {
                        field += c;
                        if (c == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n')
                            field += text[++pos];
                        ++line;
                        ++pos;
                        continue;
                    }
                    field += c;
                    ++pos;
                }
                row.unclosedQuote = row.unclosedQuote || !closed;
                // Text after the closing quote is kept rather than lost.
                while (pos < text.size() && text[pos] != separator && !isLineEnd(text[pos]))
                    field += text[pos++];
            } else {
                const qsizetype start = pos;
                while (pos < text.size() && text[pos] != separator && !isLineEnd(text[pos]))
                    ++pos;
                field = trimmedBlanks(text.mid(start, pos - start), separator);
            }
            row.fields.append(field);
            if (pos < text.size() && text[pos] == separator) {
                ++pos;
                continue;
            }
            rowEnded = true;
            if (pos < text.size()) {
                skipLineEnd(text, pos);
                ++line;
            }
        }
        rows.append(row);
    }
    return rows;
}

QVector<Row> equalsRows(const QString &text)
{
    QVector<Row> rows;
    qsizetype pos = 0;
    int line = 1;
    while (pos < text.size()) {
        const qsizetype start = pos;
        while (pos < text.size() && !isLineEnd(text[pos]))
            ++pos;
        const QString content = text.mid(start, pos - start);
        Row row;
        row.line = line;
        const qsizetype eq = content.indexOf(u'=');
        if (eq < 0)
            row.fields = {content.trimmed()};
        else
            row.fields = {content.left(eq).trimmed(), content.mid(eq + 1).trimmed()};
        rows.append(row);
        if (pos < text.size()) {
            skipLineEnd(text, pos);
            ++line;
        }
    }
    return rows;
}

// The share of non-blank rows that have the most common field count of two
// or more: 1 when every row splits the same way.
double consistency(const QVector<Row> &rows)
{
    std::map<qsizetype, int> counts;
    int nonBlank = 0;
    for (const Row &row : rows) {
        if (row.blank())
            continue;
        ++nonBlank;
        if (row.fields.size() >= 2)
            ++counts[row.fields.size()];
    }
    int best = 0;
    for (const auto &[columns, count] : counts)
        best = std::max(best, count);
    return nonBlank == 0 ? 0.0 : double(best) / nonBlank;
}

bool isHeaderWord(const QString &field)
{
    static const QStringList words = {"word", "meaning", "term", "definition", "front", "back", "question", "answer"};
    return words.contains(field.trimmed(), Qt::CaseInsensitive);
}

QString codePointName(const QString &ch)
{
    const char32_t code = ch.size() == 2 ? QChar::surrogateToUcs4(ch[0], ch[1]) : ch[0].unicode();
    return QStringLiteral("U+") + QString::number(uint(code), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

std::optional<QString> unstorableCharacter(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QString ch = text.mid(i, pair ? 2 : 1);
        if (!cp1252::canEncode(ch))
            return ch;
        if (pair)
            ++i;
    }
    return std::nullopt;
}

struct KvtmlRead {
    QString error;
    QString title;
    QVector<Row> rows;
};

// Word = the translation with identifier 0, meaning = identifier 1, matched
// by id; entries are taken in file order, whatever lesson refers to them.
KvtmlRead readKvtml(QByteArrayView bytes, const QString &fileName)
{
    KvtmlRead read;
    QXmlStreamReader xml(bytes.toByteArray());
    QStringList path;
    bool anyMeaning = false;
    Row entry;
    QString translationId;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const QString name = xml.name().toString();
            if (path.isEmpty()) {
                if (name != u"kvtml")
                    return {QStringLiteral("%1 is an XML file but not a KVTML vocabulary.").arg(fileName), {}, {}};
                if (xml.attributes().value(QLatin1String("version")).startsWith(u'1'))
                    return {QStringLiteral("%1 is an old KVTML 1 vocabulary; only KVTML 2 files can be read.").arg(fileName), {}, {}};
            }
            const QString parent = path.isEmpty() ? QString() : path.last();
            const bool inEntries = path.size() >= 2 && path[1] == u"entries";
            if (path.size() == 2 && name == u"title" && parent == u"information") {
                read.title = xml.readElementText().trimmed();
                continue;
            }
            if (inEntries && path.size() == 2 && name == u"entry") {
                entry = Row{int(xml.lineNumber()), {QString(), QString()}, false};
            } else if (inEntries && path.size() == 3 && name == u"translation") {
                translationId = xml.attributes().value(QLatin1String("id")).toString().trimmed();
            } else if (inEntries && path.size() == 4 && name == u"text" && parent == u"translation") {
                const QString text = xml.readElementText();
                if (translationId == u"0")
                    entry.fields[0] = text;
                else if (translationId == u"1") {
                    entry.fields[1] = text;
                    anyMeaning = true;
                }
                continue;
            }
            path.append(name);
        } else if (token == QXmlStreamReader::EndElement) {
            if (path.size() == 3 && path[1] == u"entries" && path[2] == u"entry")
                read.rows.append(entry);
            if (!path.isEmpty())
                path.removeLast();
        }
    }
    if (xml.hasError())
        return {QStringLiteral("%1 is not a readable XML file (line %2: %3).")
                    .arg(fileName)
                    .arg(xml.lineNumber())
                    .arg(xml.errorString()),
                {}, {}};
    if (!anyMeaning)
        return {QStringLiteral("%1 holds only one language: a KVTML file needs a second translation for the meanings.")
                    .arg(fileName),
                {}, {}};
    for (Row &row : read.rows) {
        for (QString &field : row.fields)
            field = field.normalized(QString::NormalizationForm_C);
    }
    read.title = read.title.normalized(QString::NormalizationForm_C);
    return read;
}

bool looksLikeXml(const QString &text)
{
    const QString start = text.left(512).trimmed();
    return start.startsWith(QLatin1String("<?xml")) || start.startsWith(QLatin1String("<!DOCTYPE"))
        || start.startsWith(QLatin1String("<kvtml"));
}

void takeRows(ImportResult &result, const QVector<Row> &rows)
{
    for (const Row &row : rows) {
        if (row.blank())
            continue;
        const QString word = row.fields.value(0);
        const QString meaning = row.fields.value(1);
        QString why = row.unclosedQuote ? QStringLiteral("a quote that is never closed") : pairRefusal(word, meaning);
        if (!why.isEmpty()) {
            result.refused.append({row.line, why});
            continue;
        }
        if (result.pairs.size() < MaxPairs)
            result.pairs.append({word, meaning});
        else
            ++result.leftOut;
    }
}

} // namespace

DecodedText decodeText(QByteArrayView bytes)
{
    DecodedText out;
    const auto decodeWith = [&bytes](QStringConverter::Encoding encoding, qsizetype skip) {
        QStringDecoder decoder(encoding);
        return QString(decoder.decode(bytes.sliced(skip)));
    };
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        out = {decodeWith(QStringConverter::Utf8, 3), QStringLiteral("UTF-8")};
    } else if (bytes.startsWith("\xFF\xFE")) {
        out = {decodeWith(QStringConverter::Utf16LE, 2), QStringLiteral("UTF-16")};
    } else if (bytes.startsWith("\xFE\xFF")) {
        out = {decodeWith(QStringConverter::Utf16BE, 2), QStringLiteral("UTF-16")};
    } else {
        QStringDecoder utf8(QStringConverter::Utf8);
        const QString text = utf8.decode(bytes);
        if (utf8.hasError())
            out = {cp1252::decode(bytes), QStringLiteral("Windows-1252")};
        else
            out = {text, QStringLiteral("UTF-8")};
    }
    out.text = out.text.normalized(QString::NormalizationForm_C);
    return out;
}

QString pairRefusal(const QString &word, const QString &meaning)
{
    const auto hasBreak = [](const QString &s) { return s.contains(u'\r') || s.contains(u'\n'); };
    if (hasBreak(word))
        return QStringLiteral("a line break inside the word");
    if (hasBreak(meaning))
        return QStringLiteral("a line break inside the meaning");
    if (word.isEmpty())
        return QStringLiteral("the word is empty");
    if (meaning.isEmpty())
        return QStringLiteral("the meaning is empty");
    for (const QString &text : {word, meaning}) {
        for (const QByteArrayView marker : {NewListLine, NoListsLine}) {
            if (text == QLatin1StringView(marker.data(), marker.size()))
                return QStringLiteral("\"%1\" marks the word list file's structure and cannot be a word or meaning")
                    .arg(text);
        }
    }
    for (const QString &text : {word, meaning}) {
        if (const auto ch = unstorableCharacter(text))
            return QStringLiteral("the character \"%1\" (%2) cannot be stored in the word list file")
                .arg(*ch, codePointName(*ch));
    }
    return {};
}

ImportResult readImport(QByteArrayView bytes, const QString &fileName, HeaderChoice header)
{
    ImportResult result;
    const auto fail = [&result](QString error) {
        result.error = std::move(error);
        return result;
    };
    if (bytes.size() > MaxImportBytes)
        return fail(QStringLiteral("%1 is larger than %2 MB, far more than a word list needs.")
                        .arg(fileName)
                        .arg(MaxImportBytes / (1024 * 1024)));
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if (!utf16 && bytes.contains('\0'))
        return fail(QStringLiteral("%1 is not a text file (it may be a picture or a program), so it holds no word list.")
                        .arg(fileName));
    const DecodedText decoded = decodeText(bytes);
    if (decoded.text.contains(QChar(0)))
        return fail(QStringLiteral("%1 is not a text file (it may be a picture or a program), so it holds no word list.")
                        .arg(fileName));
    if (decoded.text.trimmed().isEmpty())
        return fail(QStringLiteral("%1 is empty.").arg(fileName));
    result.encoding = decoded.encoding;
    result.name = QFileInfo(fileName).completeBaseName().normalized(QString::NormalizationForm_C);

    if (looksLikeXml(decoded.text)) {
        const KvtmlRead kvtml = readKvtml(bytes, fileName);
        if (!kvtml.error.isEmpty())
            return fail(kvtml.error);
        result.format = ImportResult::Format::Kvtml;
        result.encoding = QStringLiteral("XML");
        if (!kvtml.title.isEmpty())
            result.name = kvtml.title;
        result.columns = 2;
        takeRows(result, kvtml.rows);
        return result;
    }

    QVector<Row> rows;
    double best = 0;
    for (const QChar separator : {u'\t', u';', u','}) {
        QVector<Row> candidate = delimitedRows(decoded.text, separator);
        const double score = consistency(candidate);
        if (score > best) {
            best = score;
            rows = std::move(candidate);
            result.format = ImportResult::Format::Delimited;
            result.separator = separator;
        }
    }
    if (QVector<Row> candidate = equalsRows(decoded.text); consistency(candidate) > best) {
        rows = std::move(candidate);
        result.format = ImportResult::Format::Equals;
        result.separator = QChar();
    }
    if (result.format == ImportResult::Format::None)
        return fail(QStringLiteral("%1 holds no word and meaning pairs: each line should hold a word and its meaning "
                                   "separated by a tab, a semicolon or a comma, or be written as word = meaning.")
                        .arg(fileName));

    for (const Row &row : rows)
        result.columns = std::max(result.columns, int(row.fields.size()));
    const auto first = std::find_if(rows.begin(), rows.end(), [](const Row &row) { return !row.blank(); });
    if (first != rows.end()) {
        const bool headerWords = first->fields.size() >= 2 && isHeaderWord(first->fields[0]) && isHeaderWord(first->fields[1]);
        if (header == HeaderChoice::Header || (header == HeaderChoice::Detect && headerWords)) {
            rows.erase(first);
            result.headerFound = true;
        }
    }
    takeRows(result, rows);
    return result;
}

QStringList importNotes(const ImportResult &result)
{
    QStringList notes;
    if (result.columns >= 3)
        notes.append(QStringLiteral("The file has %1 columns: the first two are taken as word and meaning.")
                         .arg(result.columns));
    if (result.leftOut > 0)
        notes.append(QStringLiteral("A list holds at most %1 words: the first %1 are taken and %2 more are left out.")
                         .arg(MaxPairs)
                         .arg(result.leftOut));
    return notes;
}
