#include "ListExport.h"

#include <QFileInfo>
#include <QXmlStreamWriter>

#include <tuple>

namespace {

bool needsQuotes(const QString &field)
{
    if (field.isEmpty())
        return false;
    // The reader trims blanks around unquoted fields.
    if (field.front().isSpace() || field.back().isSpace())
        return true;
    for (const QChar c : field) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n' || c == u';' || c == u'\t')
            return true;
    }
    return false;
}

QString csvField(const QString &field)
{
    if (!needsQuotes(field))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

// XML 1.0 carries no control characters but tab, line feed and carriage return.
std::optional<QChar> xmlForbidden(const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0xFFFE || u == 0xFFFF)
            return c;
    }
    return std::nullopt;
}

} // namespace

std::optional<ExportFormat> exportFormatFor(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"csv" || suffix == u"txt")
        return ExportFormat::Csv;
    if (suffix == u"kvtml" || suffix == u"xml")
        return ExportFormat::Kvtml;
    return std::nullopt;
}

QByteArray csvBytes(const WordPairs &pairs)
{
    QString text;
    for (const WordPair &pair : pairs)
        text += csvField(pair.word) + u',' + csvField(pair.meaning) + QLatin1String("\r\n");
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

KvtmlBytes kvtmlBytes(const QString &title, const WordPairs &pairs, const languages::ListLanguages &languages)
{
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        for (const QString &text : {pairs[i].word, pairs[i].meaning}) {
            if (const auto bad = xmlForbidden(text))
                return {{}, KvtmlBytes::Refusal::ControlInPair, pairs[i], int(i + 1), bad->unicode()};
        }
    }
    if (const auto bad = xmlForbidden(title))
        return {{}, KvtmlBytes::Refusal::ControlInName, {}, 0, bad->unicode()};

    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    xml.writeStartElement(QStringLiteral("kvtml"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    xml.writeStartElement(QStringLiteral("information"));
    xml.writeTextElement(QStringLiteral("generator"), QStringLiteral("Lingo-Spark"));
    xml.writeTextElement(QStringLiteral("title"), title);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("identifiers"));
    // KVTML's identifier names, never translated: other programs match them.
    for (const auto &[id, name, locale] :
         {std::tuple{"0", "Word", languages.words}, std::tuple{"1", "Meaning", languages.meanings}}) {
        xml.writeStartElement(QStringLiteral("identifier"));
        xml.writeAttribute(QStringLiteral("id"), QLatin1String(id));
        xml.writeTextElement(QStringLiteral("name"), QLatin1String(name));
        if (!locale.isEmpty())
            xml.writeTextElement(QStringLiteral("locale"), locale);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("entries"));
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        xml.writeStartElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(i));
        for (const auto &[id, text] : {std::pair{"0", pairs[i].word}, std::pair{"1", pairs[i].meaning}}) {
            xml.writeStartElement(QStringLiteral("translation"));
            xml.writeAttribute(QStringLiteral("id"), QLatin1String(id));
            xml.writeTextElement(QStringLiteral("text"), text);
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    // Vocabulary programs practise the entries of lessons, so all are in one.
    xml.writeStartElement(QStringLiteral("lessons"));
    xml.writeStartElement(QStringLiteral("container"));
    xml.writeTextElement(QStringLiteral("name"), title);
    xml.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        xml.writeEmptyElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(i));
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    KvtmlBytes written;
    written.bytes = bytes;
    return written;
}
