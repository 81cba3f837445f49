#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A workbook of one sheet of text cells in the Office Open XML format, written with the zip
// library the program already reads workbooks with (a second zip library in the same process
// would clash with it symbol for symbol).
namespace XlsxWorkbook {

// The sheet's XML: every cell an inline string; right to left when asked.
QByteArray SheetXml(const QList<QStringList>& rows, bool rightToLeft);
// Writes the workbook beside the target first, so a failed write leaves an older one whole.
bool Write(const QString& path, const QList<QStringList>& rows, bool rightToLeft);

}
