#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The cells of the guests' worksheet of a spreadsheet file, as text: an Excel 97 workbook (.xls),
// an Office Open XML workbook (.xlsx) or a comma-separated file (.csv, UTF-8 or Windows-1255).
// Only the columns A to J are kept.
class CSheetReader
{
public:
    enum class Result {
        Ok,
        // A .xls workbook must be named Guests.xls.
        WrongWorkbookName,
        // A .xls workbook must hold a worksheet named Guests.
        NoGuestsSheet,
        Unreadable,
    };

    static constexpr int kColumns = 10;

    // Forgets the cells of an earlier read first.
    Result Read(const QString& path);

    int RowCount() const { return int(m_rows.size()); }
    // Row and column from 0 (row 0 is the sheet's row 1, column 0 is A); empty outside the cells read.
    QString Cell(int row, int column) const;

    static QString SheetName() { return QStringLiteral("Guests"); }
    static QString WorkbookName() { return QStringLiteral("Guests.xls"); }

private:
    Result ReadXls(const QString& path);
    Result ReadXlsx(const QString& path);
    Result ReadCsv(const QString& path);
    // The cell at a place, growing the rows as needed; null for a column past J.
    void SetCell(int row, int column, const QString& text);

    QList<QStringList> m_rows;
};
