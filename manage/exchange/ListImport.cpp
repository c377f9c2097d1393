#include "ListImport.h"

#include "app/core/Cp1252.h"
#include "app/core/ListStore.h"
#include "app/core/SharedState.h"
#include "languages/LanguageNames.h"

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
    std::optional<RowRefusal> problem; // set by the reader when the row is refused whatever its fields hold

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
                if (!closed)
                    row.problem = RowRefusal::UnclosedQuote;
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

QString codePoint(char16_t c)
{
    return QStringLiteral("U+") + QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == u'\u0085' || c.category() == QChar::Separator_Line
        || c.category() == QChar::Separator_Paragraph;
}

// Line breaks would split the store's lines; other control characters are
// invisible on every screen and cannot be typed again in the editor.
std::optional<QChar> controlCharacter(const QString &text)
{
    for (const QChar c : text) {
        if (isLineBreak(c) || c.category() == QChar::Other_Control)
            return c;
    }
    return std::nullopt;
}

// The languages a header's or an identifier's cells name: full language
// names, in English or their own words (or, once one cell named a language,
// in that language's words: "español;inglés"), and codes when `codesToo`.
// Each cell is resolved alone; unknown ones stay empty.
QStringList languagesNamed(const QStringList &cells, bool codesToo)
{
    QStringList codes;
    for (const QString &cell : cells) {
        std::optional<QString> code = codesToo ? languages::normalizedCode(cell) : std::nullopt;
        if (!code)
            code = languages::codeOfName(cell);
        codes.append(code.value_or(QString()));
    }
    QStringList found = codes;
    found.removeAll(QString());
    for (qsizetype i = 0; i < codes.size(); ++i) {
        if (codes[i].isEmpty() && !found.isEmpty())
            codes[i] = languages::codeOfName(cells[i], found).value_or(QString());
    }
    return codes;
}

struct KvtmlRead {
    ImportFailure failure = ImportFailure::None;
    qint64 xmlLine = 0;
    QString xmlError;
    QString title;
    QVector<Row> rows;
    bool hints = false;
    QStringList languages; // of the words, of the meanings
};

// One entry's texts: the word (identifier 0) with its comment, and the
// translation (identifier 1).
struct KvtmlEntry {
    int line = 0;
    QString word;
    QString hint;
    QString translation;
};

// Two identifiers: word = identifier 0, meaning = identifier 1, matched by
// id. One identifier: a word list with a hint per word (the comment of
// identifier 0), whose hint is its meaning. Entries are taken in file order,
// whatever lesson refers to them.
KvtmlRead readKvtml(QByteArrayView bytes)
{
    KvtmlRead read;
    const auto refuse = [](ImportFailure why) {
        KvtmlRead refused;
        refused.failure = why;
        return refused;
    };
    QXmlStreamReader xml(bytes.toByteArray());
    QStringList path;
    int identifiers = 0;
    QVector<KvtmlEntry> entries;
    QString translationId;
    QString identifierId;
    QString locales[2]; // of identifiers 0 and 1
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const QString name = xml.name().toString();
            if (path.isEmpty()) {
                if (name != u"kvtml")
                    return refuse(ImportFailure::NotKvtml);
                if (xml.attributes().value(QLatin1String("version")).startsWith(u'1'))
                    return refuse(ImportFailure::OldKvtml);
            }
            // KVTML 1 files without a version still give themselves away by their <e> entries.
            if (path.size() == 1 && name == u"e")
                return refuse(ImportFailure::OldKvtml);
            const QString parent = path.isEmpty() ? QString() : path.last();
            const bool inEntries = path.size() >= 2 && path[1] == u"entries";
            const bool inEntry = inEntries && path.size() >= 3 && path[2] == u"entry";
            if (path.size() == 2 && name == u"title" && parent == u"information") {
                read.title = xml.readElementText();
                continue;
            }
            if (path.size() == 2 && name == u"identifier" && parent == u"identifiers") {
                ++identifiers;
                identifierId = xml.attributes().value(QLatin1String("id")).toString().trimmed();
            }
            if (path.size() == 3 && name == u"locale" && parent == u"identifier" && path[1] == u"identifiers") {
                const QString locale = xml.readElementText();
                if (identifierId == u"0" || identifierId == u"1")
                    locales[identifierId.toInt()] = locale;
                continue;
            }
            if (inEntries && path.size() == 2 && name == u"entry") {
                entries.append({int(xml.lineNumber()), {}, {}, {}});
            } else if (inEntry && path.size() == 3 && name == u"translation") {
                translationId = xml.attributes().value(QLatin1String("id")).toString().trimmed();
            } else if (inEntry && path.size() == 4 && parent == u"translation" && (name == u"text" || name == u"comment")) {
                const QString text = xml.readElementText();
                KvtmlEntry &entry = entries.last();
                if (translationId == u"0")
                    (name == u"text" ? entry.word : entry.hint) = text;
                else if (translationId == u"1" && name == u"text")
                    entry.translation = text;
                continue;
            }
            path.append(name);
        } else if (token == QXmlStreamReader::EndElement && !path.isEmpty()) {
            path.removeLast();
        }
    }
    if (xml.hasError()) {
        KvtmlRead unreadable = refuse(ImportFailure::UnreadableXml);
        unreadable.xmlLine = xml.lineNumber();
        unreadable.xmlError = xml.errorString();
        return unreadable;
    }
    const auto any = [&entries](QString KvtmlEntry::*text) {
        return std::any_of(entries.cbegin(), entries.cend(), [text](const KvtmlEntry &e) { return !(e.*text).isEmpty(); });
    };
    // A single-language file may still carry a second translation that no
    // identifier names; its hints are what its authors wrote as meanings.
    const bool hints = read.hints = identifiers == 1 || !any(&KvtmlEntry::translation);
    if (hints && !any(&KvtmlEntry::hint))
        return refuse(ImportFailure::OneLanguageNoHints);
    // A word's hint is written in the word's language.
    read.languages = languagesNamed({locales[0], hints ? locales[0] : locales[1]}, true);
    for (const KvtmlEntry &entry : entries) {
        // A hint is prose laid out in XML: blanks around it are layout, not text.
        Row row{entry.line, {entry.word, hints ? entry.hint.trimmed() : entry.translation}, {}};
        if (hints && row.fields[1].isEmpty() && !entry.word.isEmpty())
            row.problem = RowRefusal::NoHint;
        read.rows.append(row);
    }
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
        const QString word = row.fields.value(0).normalized(QString::NormalizationForm_C);
        const QString meaning = row.fields.value(1).normalized(QString::NormalizationForm_C);
        std::optional<RefusedRow> refused = row.problem ? RefusedRow{0, *row.problem, {}} : pairRefusal(word, meaning);
        if (refused) {
            refused->line = row.line;
            result.refused.append(*refused);
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
    return out;
}

std::optional<RefusedRow> pairRefusal(const QString &word, const QString &meaning)
{
    const auto refuse = [](RowRefusal why, QString detail = {}) { return RefusedRow{0, why, std::move(detail)}; };
    if (const auto c = controlCharacter(word)) {
        return isLineBreak(*c) ? refuse(RowRefusal::LineBreakInWord)
                               : refuse(RowRefusal::ControlInWord, codePoint(c->unicode()));
    }
    if (const auto c = controlCharacter(meaning)) {
        return isLineBreak(*c) ? refuse(RowRefusal::LineBreakInMeaning)
                               : refuse(RowRefusal::ControlInMeaning, codePoint(c->unicode()));
    }
    if (word.isEmpty())
        return refuse(RowRefusal::EmptyWord);
    if (meaning.isEmpty())
        return refuse(RowRefusal::EmptyMeaning);
    for (const QString &text : {word, meaning}) {
        for (const QByteArrayView marker : {NewListLine, NoListsLine}) {
            if (text == QLatin1StringView(marker.data(), marker.size()))
                return refuse(RowRefusal::StoreMarker, text);
        }
    }
    return std::nullopt;
}

ImportResult readImport(QByteArrayView bytes, const QString &fileName, HeaderChoice header)
{
    ImportResult result;
    result.fileName = fileName;
    const auto fail = [&result](ImportFailure why) {
        result.failure = why;
        return result;
    };
    if (bytes.size() > MaxImportBytes)
        return fail(ImportFailure::TooLarge);
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if (!utf16 && bytes.contains('\0'))
        return fail(ImportFailure::NotText);
    const DecodedText decoded = decodeText(bytes);
    if (decoded.text.contains(QChar(0)))
        return fail(ImportFailure::NotText);
    if (decoded.text.trimmed().isEmpty())
        return fail(ImportFailure::Empty);
    result.encoding = decoded.encoding;
    result.name = QFileInfo(fileName).completeBaseName().normalized(QString::NormalizationForm_C);

    if (looksLikeXml(decoded.text)) {
        const KvtmlRead kvtml = readKvtml(bytes);
        if (kvtml.failure != ImportFailure::None) {
            result.xmlLine = kvtml.xmlLine;
            result.xmlError = kvtml.xmlError;
            return fail(kvtml.failure);
        }
        result.format = ImportResult::Format::Kvtml;
        result.encoding = QStringLiteral("XML");
        // A title laid out over several lines in the XML is one name.
        if (const QString title = kvtml.title.simplified(); !title.isEmpty())
            result.name = title.normalized(QString::NormalizationForm_C);
        result.columns = 2;
        result.hintsAsMeanings = kvtml.hints;
        result.wordsLanguage = kvtml.languages.value(0);
        result.meaningsLanguage = kvtml.languages.value(1);
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
        return fail(ImportFailure::NoPairs);

    for (const Row &row : rows)
        result.columns = std::max(result.columns, int(row.fields.size()));
    const auto first = std::find_if(rows.begin(), rows.end(), [](const Row &row) { return !row.blank(); });
    if (first != rows.end() && first->fields.size() >= 2 && header != HeaderChoice::NoHeader) {
        // Codes count only in a row already taken as a header: a word "es"
        // never makes one.
        const QStringList named = languagesNamed(first->fields.first(2), header == HeaderChoice::Header);
        const bool languageNames = !named[0].isEmpty() && !named[1].isEmpty();
        const bool headerWords = isHeaderWord(first->fields[0]) && isHeaderWord(first->fields[1]);
        if (header == HeaderChoice::Header || languageNames || headerWords) {
            result.wordsLanguage = named[0];
            result.meaningsLanguage = named[1];
            rows.erase(first);
            result.headerFound = true;
        }
    } else if (first != rows.end() && header == HeaderChoice::Header) {
        rows.erase(first);
        result.headerFound = true;
    }
    takeRows(result, rows);
    return result;
}
