#pragma once

#include <QList>
#include <QString>
#include <QVariant>

class CEventRecords;

// Spreadsheet and event files written at test time, the way other programs and this one write them.
namespace SheetFixtures {

// A sheet: its name and its rows of cells (a number cell is a double, text a QString, an empty
// cell an invalid QVariant).
struct Sheet
{
    QString name;
    QList<QVariantList> rows;
};

// An Excel 97 workbook, written by python3-xlwt.
bool WriteXls(const QString& path, const QList<Sheet>& sheets);
// An Office Open XML workbook, written by libxlsxwriter in a program of its own.
bool WriteXlsx(const QString& path, const QList<Sheet>& sheets);

// An event folder's data file written by this program's own writer.
bool WriteEvent(const QString& folder, const CEventRecords& records);

}
