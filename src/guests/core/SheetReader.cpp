#include "guests/core/SheetReader.h"

#include "data/storage/Cp1255.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <freexl.h>

#include <cmath>

namespace {

// Excel's last row: a file naming a row beyond it is not a workbook.
constexpr int kMostRows = 1048576;

enum class Kind { Xls, Xlsx, Csv };

// By the first bytes, so a workbook saved under another extension still reads.
Kind KindOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Kind::Csv;
    const QByteArray head = file.read(4);
    if (head == QByteArray("\xD0\xCF\x11\xE0", 4))
        return Kind::Xls;
    if (head.startsWith("PK"))
        return Kind::Xlsx;
    return Kind::Csv;
}

// A number as Excel shows it in a general cell: whole numbers without a fraction.
QString NumberText(double value)
{
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15);
}

// "AB12" → column 27 (from 0) and row 11 (from 0); false for a reference that is not one.
bool ParseReference(QStringView reference, int& row, int& column)
{
    int i = 0;
    qint64 col = 0;
    while (i < reference.size() && reference[i].isLetter() && reference[i].unicode() < 128) {
        col = col * 26 + (reference[i].toUpper().unicode() - 'A' + 1);
        if (col > 16384)
            return false;
        ++i;
    }
    bool ok = false;
    const int number = reference.mid(i).toInt(&ok);
    if (i == 0 || !ok || number < 1 || number > kMostRows)
        return false;
    row = number - 1;
    column = int(col - 1);
    return true;
}

// The value of an attribute whatever its prefix ("r:id" and the strict namespace's "id").
QString PrefixedAttribute(const QXmlStreamAttributes& attributes, QStringView name)
{
    for (const QXmlStreamAttribute& attribute : attributes)
        if (attribute.name() == name && !attribute.prefix().isEmpty())
            return attribute.value().toString();
    return QString();
}

// Reads one member of the workbook package as XML; false when it is missing.
template <typename Handle>
bool ReadMember(QuaZip& zip, const QString& name, Handle handle)
{
    if (!zip.setCurrentFile(name, QuaZip::csInsensitive))
        return false;
    QuaZipFile member(&zip);
    if (!member.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&member);
    handle(xml);
    const bool read = !xml.hasError();
    member.close();
    return read;
}

// The text of an element, its runs joined, without the phonetic guides.
QString InlineText(QXmlStreamReader& xml)
{
    const QString end = xml.name().toString();
    QString text;
    int phonetic = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("rPh"))
                ++phonetic;
            else if (xml.name() == QLatin1String("t") && phonetic == 0)
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (token == QXmlStreamReader::EndElement) {
            if (xml.name() == QLatin1String("rPh"))
                --phonetic;
            else if (xml.name() == end)
                break;
        }
    }
    return text;
}

// Splits comma-separated text into rows of fields, with quoted fields as RFC 4180 has them.
QList<QStringList> SplitCsv(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool any = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            any = true;
        } else if (c == QLatin1Char(',')) {
            row.append(field);
            field.clear();
            any = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            row.append(field);
            rows.append(row);
            row.clear();
            field.clear();
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (any || !field.isEmpty()) {
        row.append(field);
        rows.append(row);
    }
    return rows;
}

}

QString CSheetReader::Cell(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_rows[row].size())
        return QString();
    return m_rows[row][column];
}

void CSheetReader::SetCell(int row, int column, const QString& text)
{
    if (column < 0 || column >= kColumns || row < 0 || row >= kMostRows || text.isEmpty())
        return;
    if (row >= m_rows.size())
        m_rows.resize(row + 1);
    QStringList& cells = m_rows[row];
    if (column >= cells.size())
        cells.resize(column + 1);
    cells[column] = text;
}

CSheetReader::Result CSheetReader::Read(const QString& path)
{
    m_rows.clear();
    if (!QFileInfo(path).isFile())
        return Result::Unreadable;
    Result result = Result::Unreadable;
    switch (KindOf(path)) {
    case Kind::Xls:
        result = ReadXls(path);
        break;
    case Kind::Xlsx:
        result = ReadXlsx(path);
        break;
    case Kind::Csv:
        result = ReadCsv(path);
        break;
    }
    if (result != Result::Ok)
        m_rows.clear();
    return result;
}

CSheetReader::Result CSheetReader::ReadXls(const QString& path)
{
    if (QFileInfo(path).fileName().compare(WorkbookName(), Qt::CaseInsensitive) != 0)
        return Result::WrongWorkbookName;
    const void* handle = nullptr;
    if (freexl_open(QFile::encodeName(path).constData(), &handle) != FREEXL_OK) {
        freexl_close(handle);
        return Result::Unreadable;
    }
    Result result = Result::NoGuestsSheet;
    unsigned int sheets = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK)
        result = Result::Unreadable;
    for (unsigned int sheet = 0; sheet < sheets && sheet <= 0xFFFF && result == Result::NoGuestsSheet; ++sheet) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(handle, (unsigned short)sheet, &name) != FREEXL_OK || !name ||
            QString::fromUtf8(name) != SheetName())
            continue;
        unsigned int rows = 0;
        unsigned short columns = 0;
        if (freexl_select_active_worksheet(handle, (unsigned short)sheet) != FREEXL_OK ||
            freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK) {
            result = Result::Unreadable;
            break;
        }
        result = Result::Ok;
        const int used = qMin<int>(columns, kColumns);
        for (unsigned int row = 0; row < rows && row < unsigned(kMostRows); ++row) {
            for (int column = 0; column < used; ++column) {
                FreeXL_CellValue cell;
                if (freexl_get_cell_value(handle, row, (unsigned short)column, &cell) != FREEXL_OK)
                    continue;
                switch (cell.type) {
                case FREEXL_CELL_INT:
                    SetCell(int(row), column, QString::number(cell.value.int_value));
                    break;
                case FREEXL_CELL_DOUBLE:
                    SetCell(int(row), column, NumberText(cell.value.double_value));
                    break;
                case FREEXL_CELL_TEXT:
                case FREEXL_CELL_SST_TEXT:
                case FREEXL_CELL_DATE:
                case FREEXL_CELL_DATETIME:
                case FREEXL_CELL_TIME:
                    if (cell.value.text_value)
                        SetCell(int(row), column, QString::fromUtf8(cell.value.text_value));
                    break;
                default:
                    break;
                }
            }
        }
    }
    freexl_close(handle);
    return result;
}

CSheetReader::Result CSheetReader::ReadXlsx(const QString& path)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        return Result::Unreadable;

    // The sheets in workbook order with their relation ids; "Guests", else the first.
    QString firstId;
    QString guestsId;
    const bool workbook = ReadMember(zip, QStringLiteral("xl/workbook.xml"), [&](QXmlStreamReader& xml) {
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("sheet"))
                continue;
            const QString id = PrefixedAttribute(xml.attributes(), u"id");
            if (firstId.isEmpty())
                firstId = id;
            if (guestsId.isEmpty() && xml.attributes().value(QLatin1String("name")) == SheetName())
                guestsId = id;
        }
    });
    const QString sheetId = guestsId.isEmpty() ? firstId : guestsId;
    if (!workbook || sheetId.isEmpty())
        return Result::Unreadable;

    QString target;
    ReadMember(zip, QStringLiteral("xl/_rels/workbook.xml.rels"), [&](QXmlStreamReader& xml) {
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("Relationship") &&
                xml.attributes().value(QLatin1String("Id")) == sheetId)
                target = xml.attributes().value(QLatin1String("Target")).toString();
        }
    });
    if (target.isEmpty())
        return Result::Unreadable;
    target = target.startsWith(QLatin1Char('/')) ? target.mid(1) : QStringLiteral("xl/") + target;

    QStringList shared;
    ReadMember(zip, QStringLiteral("xl/sharedStrings.xml"), [&](QXmlStreamReader& xml) {
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si"))
                shared.append(InlineText(xml));
    });

    int nextRow = 0;
    const bool sheet = ReadMember(zip, target, [&](QXmlStreamReader& xml) {
        int row = 0;
        int nextColumn = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("row")) {
                bool ok = false;
                const int number = xml.attributes().value(QLatin1String("r")).toInt(&ok);
                row = ok && number >= 1 ? number - 1 : nextRow;
                nextRow = row + 1;
                nextColumn = 0;
                continue;
            }
            if (xml.name() != QLatin1String("c"))
                continue;
            const QXmlStreamAttributes attributes = xml.attributes();
            int cellRow = row;
            int column = nextColumn;
            const QStringView reference = attributes.value(QLatin1String("r"));
            if (!reference.isEmpty() && !ParseReference(reference, cellRow, column))
                continue;
            nextColumn = column + 1;
            const QStringView type = attributes.value(QLatin1String("t"));
            QString value;
            bool isInline = false;
            while (!xml.atEnd()) {
                const auto token = xml.readNext();
                if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("c"))
                    break;
                if (token != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("v")) {
                    value = xml.readElementText();
                } else if (xml.name() == QLatin1String("is")) {
                    value = InlineText(xml);
                    isInline = true;
                }
            }
            QString text;
            if (isInline || type == QLatin1String("str") || type == QLatin1String("e")) {
                text = value;
            } else if (type == QLatin1String("s")) {
                bool ok = false;
                const int index = value.toInt(&ok);
                if (ok && index >= 0 && index < shared.size())
                    text = shared[index];
            } else if (type == QLatin1String("b")) {
                text = value == QLatin1String("1") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
            } else {
                bool ok = false;
                const double number = value.toDouble(&ok);
                text = ok ? NumberText(number) : value;
            }
            SetCell(cellRow, column, text);
        }
    });
    return sheet ? Result::Ok : Result::Unreadable;
}

CSheetReader::Result CSheetReader::ReadCsv(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result::Unreadable;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Result::Unreadable;
    // UTF-8 when every byte fits it, else the Windows Hebrew code page.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = Cp1255::Decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QList<QStringList> rows = SplitCsv(text);
    for (int row = 0; row < rows.size() && row < kMostRows; ++row)
        for (int column = 0; column < rows[row].size() && column < kColumns; ++column)
            SetCell(row, column, rows[row][column]);
    return Result::Ok;
}
