#include "SheetFixtures.h"

#include "data/storage/EventFile.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

namespace SheetFixtures {

namespace {

// The sheets as the fixture writers read them on standard input.
QByteArray Describe(const QList<Sheet>& sheets)
{
    QJsonArray description;
    for (const Sheet& sheet : sheets) {
        QJsonArray rows;
        for (const QVariantList& row : sheet.rows)
            rows.append(QJsonArray::fromVariantList(row));
        description.append(QJsonArray{sheet.name, rows});
    }
    return QJsonDocument(description).toJson(QJsonDocument::Compact);
}

bool Run(const QString& program, const QStringList& arguments, const QList<Sheet>& sheets)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(60000))
        return false;
    process.write(Describe(sheets));
    process.closeWriteChannel();
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

}

bool WriteXls(const QString& path, const QList<Sheet>& sheets)
{
    const QString script = QStringLiteral(
        "import sys, json, xlwt\n"
        "book = xlwt.Workbook(encoding='utf-8')\n"
        "for name, rows in json.load(sys.stdin):\n"
        "    sheet = book.add_sheet(name)\n"
        "    for r, row in enumerate(rows):\n"
        "        for c, value in enumerate(row):\n"
        "            if value is not None:\n"
        "                sheet.write(r, c, value)\n"
        "book.save(sys.argv[1])\n");
    return Run(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script, path}, sheets);
}

bool WriteXlsx(const QString& path, const QList<Sheet>& sheets)
{
    return Run(QStringLiteral(XLSX_FIXTURE_WRITER), {path}, sheets);
}

bool WriteEvent(const QString& folder, const CEventRecords& records)
{
    return QDir().mkpath(folder) && CEventFile::Write(folder + QStringLiteral("/WeddingData.xml"), records);
}

}
