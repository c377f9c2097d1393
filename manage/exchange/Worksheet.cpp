#include "Worksheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include <cstdio>

namespace worksheet {
namespace {

// Millimetres: heading, column titles, rows, page number. 14 + 8 + 24 x 9
// + 8 = 246 mm fits Letter's 249 mm between 15 mm margins.
constexpr double MarginMm = 15;
constexpr double HeadingMm = 14;
constexpr double TitlesMm = 8;
constexpr double RowMm = 9;
constexpr double PaddingMm = 1.5;
constexpr int TextPoints = 9; // two lines of it fit a row
// Below the heading: one table's titles and RowsPerPage rows.
constexpr double BodyMm = TitlesMm + RowsPerPage * RowMm;
// Between one table and the next on a page.
constexpr double GapMm = 6;

void drawCell(QPainter &painter, const QRectF &cell, const QString &text, double padding)
{
    const QRectF inner = cell.adjusted(padding, 0, -padding, 0);
    // An Arabic or Hebrew word starts at the cell's right edge, and digits or
    // Latin words inside it keep their place in its reading order.
    painter.setLayoutDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    const int flags = Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap;
    const QFontMetricsF metrics(painter.font(), painter.device());
    if (metrics.boundingRect(inner, flags, text).height() <= inner.height()) {
        painter.drawText(inner, flags, text);
        return;
    }
    // Too long for the row: one line with an ellipsis keeps every row the same height.
    painter.drawText(inner, Qt::AlignVCenter | Qt::AlignLeft, metrics.elidedText(text, Qt::ElideRight, inner.width()));
}

// Qt's PDF writer names the character a glyph stands for by the lowest code
// point the font maps to that glyph. CJK fonts share a glyph between an
// ideograph and its radical (日 and ⽇), and an Arabic letter's shaped forms
// are the glyphs of its presentation forms, so copying or searching a sheet
// would give radicals and presentation forms. Such names in the ToUnicode
// maps become the character they stand for, written in as many bytes, so no
// offset in the file moves.
bool namesSharedGlyph(uint c)
{
    return (c >= 0x2E80 && c <= 0x2FDF) || (c >= 0xFB50 && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFF);
}

bool nameSharedGlyphs(QByteArray &pdf)
{
    bool changed = false;
    for (qsizetype from = pdf.indexOf("beginbfrange"); from >= 0; from = pdf.indexOf("beginbfrange", from)) {
        const qsizetype end = pdf.indexOf("endbfrange", from);
        if (end < 0)
            break;
        // Only the glyph-by-glyph lists: a range of consecutive code points names no radical alone.
        for (qsizetype open = pdf.indexOf('[', from); open >= 0 && open < end; open = pdf.indexOf('[', open + 1)) {
            const qsizetype close = pdf.indexOf(']', open);
            if (close < 0 || close > end)
                break;
            for (qsizetype i = pdf.indexOf('<', open); i >= 0 && i + 5 < close; i = pdf.indexOf('<', i + 1)) {
                bool hex = false;
                const uint c = pdf.mid(i + 1, 4).toUInt(&hex, 16);
                if (!hex || pdf[i + 5] != '>' || !namesSharedGlyph(c))
                    continue;
                const QString plain = QString(QChar(c)).normalized(QString::NormalizationForm_KC);
                if (plain.size() == 1 && plain[0].unicode() != c) {
                    pdf.replace(i + 1, 4, QByteArray::number(plain[0].unicode(), 16).toUpper().rightJustified(4, '0'));
                    changed = true;
                }
            }
        }
        from = end;
    }
    return changed;
}

// Writes the mended names over the file's own bytes, which keep their length.
bool mendGlyphNames(const QString &pdfPath)
{
    QFile file(pdfPath);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    if (!nameSharedGlyphs(bytes))
        return true;
    return file.seek(0) && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

int pageCount(int pairs)
{
    return pairs <= 0 ? 1 : (pairs + RowsPerPage - 1) / RowsPerPage;
}

QPageSize::PageSizeId paperFor(const QLocale &locale)
{
    if (locale.measurementSystem() == QLocale::ImperialUSSystem)
        return QPageSize::Letter;
    switch (locale.territory()) {
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Philippines:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::PuertoRico:
        return QPageSize::Letter;
    default:
        return QPageSize::A4;
    }
}

void render(QPrinter &printer, const QString &name, const WordPairs &pairs, Blank blank)
{
    Table sheet{{QCoreApplication::translate("Worksheet", "Word"), QCoreApplication::translate("Worksheet", "Meaning")},
                {}};
    sheet.rows.reserve(pairs.size());
    for (const WordPair &pair : pairs)
        sheet.rows.append({blank == Blank::Word ? QString() : pair.word, blank == Blank::Meaning ? QString() : pair.meaning});
    render(printer, name, {sheet});
}

void render(QPrinter &printer, const QString &heading, const QList<Table> &tables)
{
    // Where each line of the tables goes, in millimetres below the heading,
    // worked out first so that every page can say how many there are.
    struct Line {
        int page;
        double top;
        const Table *table;
        const QStringList *cells; // nullptr: the table's titles
    };
    QList<Line> lines;
    int page = 0;
    double top = 0;
    for (const Table &table : tables) {
        if (&table != &tables.first())
            top += GapMm;
        // The titles never end a page without a row of theirs below them.
        const double start = TitlesMm + (table.rows.isEmpty() ? 0 : RowMm);
        if (top > 0 && top + start > BodyMm) {
            ++page;
            top = 0;
        }
        lines.append({page, top, &table, nullptr});
        top += TitlesMm;
        for (const QStringList &row : table.rows) {
            if (top + RowMm > BodyMm) {
                ++page;
                lines.append({page, 0, &table, nullptr});
                top = TitlesMm;
            }
            lines.append({page, top, &table, &row});
            top += RowMm;
        }
    }
    const int pages = page + 1;

    printer.setPageSize(QPageSize(paperFor(QLocale::system())));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
    printer.setDocName(heading);

    QPainter painter(&printer);
    const double perMm = printer.resolution() / 25.4;
    const auto mm = [perMm](double v) { return v * perMm; };
    const double width = printer.pageLayout().paintRectPixels(printer.resolution()).width();
    const double pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();

    QFont headingFont(QStringLiteral("Sans Serif"));
    headingFont.setPointSize(16);
    headingFont.setBold(true);
    QFont titles(QStringLiteral("Sans Serif"));
    titles.setPointSize(TextPoints);
    titles.setBold(true);
    QFont body(QStringLiteral("Sans Serif"));
    body.setPointSize(TextPoints);

    QPen line(Qt::black);
    line.setWidthF(mm(0.25));
    qsizetype next = 0;
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            printer.newPage();
        painter.setPen(line);
        painter.setFont(headingFont);
        painter.setLayoutDirection(heading.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        painter.drawText(QRectF(0, 0, width, mm(HeadingMm)), Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(headingFont, &printer).elidedText(heading, Qt::ElideRight, width));

        for (; next < lines.size() && lines[next].page == p; ++next) {
            const Line &at = lines[next];
            const double y = mm(HeadingMm + at.top);
            const qsizetype columns = std::max<qsizetype>(1, at.table->titles.size());
            const double column = width / columns;
            if (!at.cells) {
                painter.setFont(titles);
                painter.fillRect(QRectF(0, y, width, mm(TitlesMm)), QColor(225, 225, 225));
                for (qsizetype c = 0; c < at.table->titles.size(); ++c)
                    drawCell(painter, QRectF(c * column, y, column, mm(TitlesMm)), at.table->titles[c], mm(PaddingMm));
                painter.drawRect(QRectF(0, y, width, mm(TitlesMm)));
                continue;
            }
            painter.setFont(body);
            for (qsizetype c = 0; c < columns; ++c) {
                const QRectF cell(c * column, y, column, mm(RowMm));
                drawCell(painter, cell, at.cells->value(c), mm(PaddingMm));
                painter.drawRect(cell);
            }
        }

        painter.setLayoutDirection(Qt::LeftToRight);
        painter.drawText(QRectF(0, pageHeight - mm(8), width, mm(8)), Qt::AlignCenter,
                         QCoreApplication::translate("Worksheet", "Page %1 of %2").arg(p + 1).arg(pages));
    }
}

QString savePdf(const QString &path, const QString &name, const WordPairs &pairs, Blank blank)
{
    // QPrinter writes in place; a failed write must not leave a teacher's
    // earlier PDF half overwritten, so it writes beside it and renames.
    const QString partial = path + QStringLiteral(".part");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(partial);
        render(printer, name, pairs, blank);
    }
    const QString where = QDir::toNativeSeparators(path);
    if (!QFileInfo(partial).isFile() || QFileInfo(partial).size() == 0 || !mendGlyphNames(partial)) {
        QFile::remove(partial);
        return QCoreApplication::translate("Worksheet", "Could not write %1.").arg(where);
    }
    // rename() replaces an existing file in one step.
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(partial);
        return QCoreApplication::translate("Worksheet", "Could not write %1.").arg(where);
    }
    return {};
}

} // namespace worksheet
