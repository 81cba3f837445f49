#include "reports/core/XlsxWorkbook.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QXmlStreamWriter>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <cstdio>

namespace {

const QByteArray kContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/xl/workbook.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
    "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
    "</Types>";
const QByteArray kRootRelations =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"xl/workbook.xml\"/></Relationships>";
const QByteArray kWorkbook =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
const QByteArray kWorkbookRelations =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
    "Target=\"worksheets/sheet1.xml\"/></Relationships>";

// "A1", "B1" … "Z1", "AA1": the cell's name in the sheet.
QString CellName(qsizetype row, qsizetype column)
{
    QString letters;
    for (qsizetype n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + char16_t((n - 1) % 26)));
    return letters + QString::number(row + 1);
}

bool AddMember(QuaZip& zip, const QString& name, const QByteArray& data)
{
    QuaZipFile member(&zip);
    if (!member.open(QIODevice::WriteOnly, QuaZipNewInfo(name)))
        return false;
    const bool written = member.write(data) == data.size();
    member.close();
    return written && member.getZipError() == UNZ_OK;
}

}

QByteArray XlsxWorkbook::SheetXml(const QList<QStringList>& rows, bool rightToLeft)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.writeStartDocument(QStringLiteral("1.0"), true);
    writer.writeStartElement(QStringLiteral("worksheet"));
    writer.writeDefaultNamespace(QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main"));
    writer.writeStartElement(QStringLiteral("sheetViews"));
    writer.writeStartElement(QStringLiteral("sheetView"));
    if (rightToLeft)
        writer.writeAttribute(QStringLiteral("rightToLeft"), QStringLiteral("1"));
    writer.writeAttribute(QStringLiteral("workbookViewId"), QStringLiteral("0"));
    writer.writeEndElement();
    writer.writeEndElement();
    writer.writeStartElement(QStringLiteral("sheetData"));
    for (qsizetype row = 0; row < rows.size(); ++row) {
        writer.writeStartElement(QStringLiteral("row"));
        writer.writeAttribute(QStringLiteral("r"), QString::number(row + 1));
        for (qsizetype column = 0; column < rows.at(row).size(); ++column) {
            writer.writeStartElement(QStringLiteral("c"));
            writer.writeAttribute(QStringLiteral("r"), CellName(row, column));
            writer.writeAttribute(QStringLiteral("t"), QStringLiteral("inlineStr"));
            writer.writeStartElement(QStringLiteral("is"));
            writer.writeStartElement(QStringLiteral("t"));
            writer.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
            writer.writeCharacters(rows.at(row).at(column));
            writer.writeEndElement();
            writer.writeEndElement();
            writer.writeEndElement();
        }
        writer.writeEndElement();
    }
    writer.writeEndDocument();
    return xml;
}

bool XlsxWorkbook::Write(const QString& path, const QList<QStringList>& rows, bool rightToLeft)
{
    QTemporaryFile temporary(QFileInfo(path).absoluteDir().filePath(QStringLiteral("XXXXXX.xlsx")));
    if (!temporary.open())
        return false;
    temporary.close();
    {
        QuaZip zip(temporary.fileName());
        if (!zip.open(QuaZip::mdCreate))
            return false;
        const bool added = AddMember(zip, QStringLiteral("[Content_Types].xml"), kContentTypes)
                           && AddMember(zip, QStringLiteral("_rels/.rels"), kRootRelations)
                           && AddMember(zip, QStringLiteral("xl/workbook.xml"), kWorkbook)
                           && AddMember(zip, QStringLiteral("xl/_rels/workbook.xml.rels"), kWorkbookRelations)
                           && AddMember(zip, QStringLiteral("xl/worksheets/sheet1.xml"), SheetXml(rows, rightToLeft));
        zip.close();
        if (!added || zip.getZipError() != UNZ_OK)
            return false;
    }
    // A rename replaces the target in one step.
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    temporary.setAutoRemove(false);
    return true;
}
