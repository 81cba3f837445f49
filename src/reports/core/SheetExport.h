#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class CNewZelDoc;

// The two spreadsheet exports, as rows of cells: the guest list, and the tables transposed (one
// column per table). Written as tab-separated UTF-16 text or as an .xlsx workbook.
namespace SheetExport {

using Rows = QList<QStringList>;

Rows Guests(CNewZelDoc& document);
Rows Tables(CNewZelDoc& document);
// Each cell followed by a tab, each row ended by CR LF; a tab or a line break inside a cell
// becomes a blank so the columns hold.
QString TabSeparated(const Rows& rows);
bool WriteTabSeparated(const QString& path, const Rows& rows);
bool WriteXlsx(const QString& path, const Rows& rows);
// .xlsx when the path ends so, else the tab-separated text.
bool Write(const QString& path, const Rows& rows);

}
