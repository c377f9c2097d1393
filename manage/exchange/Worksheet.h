#pragma once

#include "app/core/WordPair.h"

#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <QVector>

class QPrinter;

// A worksheet of one list: the name as heading, a table word | meaning,
// page numbers. The type size and the rows per page are fixed, so a sheet
// looks the same on every printer and a row is never cut across pages;
// the rows fit both A4 and Letter. Other sheets of tables (the class's
// progress) are printed the same way.
namespace worksheet {

inline constexpr int RowsPerPage = 24;

// One table of a sheet: its column titles, then its rows, a cell a column.
struct Table {
    QStringList titles;
    QList<QStringList> rows;
};

// The column left empty for a test sheet.
enum class Blank { None, Meaning, Word };

int pageCount(int pairs);

// Letter where the locale's paper is Letter (the Americas that use it and
// the Philippines), A4 elsewhere.
QPageSize::PageSizeId paperFor(const QLocale &locale);

// Paints the sheet on a printer set up by the caller (a print dialog's
// choice, or PDF output); sets the paper and margins first.
void render(QPrinter &printer, const QString &name, const WordPairs &pairs, Blank blank);

// The same for any tables, one after another under the heading, the
// columns of each of equal width; a table that goes on over a page break
// shows its titles again at the top of the next page.
void render(QPrinter &printer, const QString &heading, const QList<Table> &tables);

// Writes the sheet straight to a PDF file. Returns an error for the user,
// or an empty string.
QString savePdf(const QString &path, const QString &name, const WordPairs &pairs, Blank blank);

} // namespace worksheet
