#include "SheetFixtures.h"

#include "data/storage/EventFile.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

#include <xlsxwriter.h>

namespace SheetFixtures {

bool WriteXls(const QString& path, const QList<Sheet>& sheets)
{
    QJsonArray spec;
    for (const Sheet& sheet : sheets) {
        QJsonArray rows;
        for (const QVariantList& row : sheet.rows)
            rows.append(QJsonArray::fromVariantList(row));
        spec.append(QJsonArray{sheet.name, rows});
    }
    const QString script = QStringLiteral(
        "import sys, json, xlwt\n"
        "book = xlwt.Workbook(encoding='utf-8')\n"
        "for name, rows in json.loads(sys.argv[2]):\n"
        "    sheet = book.add_sheet(name)\n"
        "    for r, row in enumerate(rows):\n"
        "        for c, value in enumerate(row):\n"
        "            if value is not None:\n"
        "                sheet.write(r, c, value)\n"
        "book.save(sys.argv[1])\n");
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), script, path, QString::fromUtf8(QJsonDocument(spec).toJson(QJsonDocument::Compact))});
    return python.waitForFinished(60000) && python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0;
}

bool WriteXlsx(const QString& path, const QList<Sheet>& sheets)
{
    lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
    if (!book)
        return false;
    for (const Sheet& sheet : sheets) {
        lxw_worksheet* page = workbook_add_worksheet(book, sheet.name.toUtf8().constData());
        for (int r = 0; r < sheet.rows.size(); ++r) {
            for (int c = 0; c < sheet.rows[r].size(); ++c) {
                const QVariant& value = sheet.rows[r][c];
                if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int)
                    worksheet_write_number(page, lxw_row_t(r), lxw_col_t(c), value.toDouble(), nullptr);
                else if (value.isValid())
                    worksheet_write_string(page, lxw_row_t(r), lxw_col_t(c), value.toString().toUtf8().constData(), nullptr);
            }
        }
    }
    return workbook_close(book) == LXW_NO_ERROR;
}

bool WriteEvent(const QString& folder, const CEventRecords& records)
{
    return QDir().mkpath(folder) && CEventFile::Write(folder + QStringLiteral("/WeddingData.xml"), records);
}

}
