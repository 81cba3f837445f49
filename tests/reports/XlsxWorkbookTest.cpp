#include "guests/core/SheetReader.h"
#include "reports/core/XlsxWorkbook.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The workbook the exports write is read back cell for cell by the program's own workbook reader,
// in the same process: the two share one zip library.
TEST(XlsxWorkbook, AnExportedSheetReadsBackCellForCell)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("guests.xlsx"));
    const QList<QStringList> rows = {
        {QStringLiteral("שם"), QStringLiteral("שם משפחה"), QStringLiteral("הערות")},
        {QStringLiteral("<b>Tom & \"Jerry\"</b>"), QStringLiteral("Smith"), QStringLiteral("  two\nlines ")},
        {QString(), QStringLiteral("רק משפחה"), QStringLiteral("]]>")},
    };
    ASSERT_TRUE(XlsxWorkbook::Write(path, rows, true));

    CSheetReader reader;
    ASSERT_EQ(reader.Read(path), CSheetReader::Result::Ok);
    ASSERT_EQ(reader.RowCount(), 3);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(reader.Cell(row, column), rows[row][column]) << row << ", " << column;
    EXPECT_TRUE(XlsxWorkbook::SheetXml(rows, true).contains("rightToLeft=\"1\""));
    EXPECT_FALSE(XlsxWorkbook::SheetXml(rows, false).contains("rightToLeft"));
}

TEST(XlsxWorkbook, AFailedWriteLeavesTheOlderWorkbookWhole)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("guests.xlsx"));
    ASSERT_TRUE(XlsxWorkbook::Write(path, {{QStringLiteral("first")}}, false));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const QByteArray before = old.readAll();
    old.close();

    EXPECT_FALSE(XlsxWorkbook::Write(QDir(dir.path()).filePath(QStringLiteral("missing/guests.xlsx")),
                                     {{QStringLiteral("second")}}, false));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("guests.xlsx")});
}
