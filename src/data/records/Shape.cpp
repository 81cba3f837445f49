#include "data/records/Shape.h"

#include "data/records/Circle.h"
#include "data/storage/IniFile.h"
#include "data/records/Speaker.h"
#include "data/records/Square.h"
#include "data/storage/XmlText.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <climits>
#include <memory>

namespace {

// The numbers of the "Shapes<n>" sections, ascending: a shape deleted in an older version left a
// gap in the numbering, so the file is not read up to its first missing section.
QList<int> ShapeSections(const CIniFile& file)
{
    static const QRegularExpression name(QStringLiteral("^shapes(\\d+)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    QList<int> numbers;
    for (const QString& section : file.SectionNames()) {
        const QRegularExpressionMatch match = name.match(section);
        bool ok = false;
        const int number = match.hasMatch() ? match.captured(1).toInt(&ok) : 0;
        if (ok && !numbers.contains(number))
            numbers.append(number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

}

CShape::CShape(CRecordCounters* counters)
    : CBaseElement(counters)
{
    TakeId(&CRecordCounters::shapes);
}

CShape* CShape::Create(int kind, CRecordCounters* counters)
{
    switch (kind) {
    case KindRectangle:
        return new CSquare(counters);
    case KindCircle:
        return new CCircle(counters);
    case KindSpeaker:
        return new CSpeaker(counters);
    default:
        return nullptr;
    }
}

QString CShape::SketchFilePath(const QString& iniPath)
{
    if (QFileInfo::exists(iniPath))
        return iniPath;
    const QFileInfo info(iniPath);
    const QString ganPath = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".gan");
    return QFileInfo(ganPath).isFile() ? ganPath : iniPath;
}

QList<CShape*> CShape::LoadAllIni(const CIniFile& file, CRecordCounters* counters)
{
    QList<CShape*> shapes;
    for (int number : ShapeSections(file)) {
        const QString section = kPrefix + QString::number(number);
        std::unique_ptr<CShape> shape(Create(file.GetInt(section, QStringLiteral("ShapeType"), 0), counters));
        if (!shape)
            continue;
        if (!shape->LoadIni(file, section)) {
            shape->ReleaseId();
            continue;
        }
        shapes.append(shape.release());
    }
    return shapes;
}

int CShape::FarEdge(int start, int size)
{
    return int(qBound(qint64(INT_MIN), qint64(start) + size, qint64(INT_MAX)));
}

CShape::Area CShape::ReadIniArea(const CIniFile& file, const QString& section)
{
    Area area;
    area.left = file.GetInt(section, QStringLiteral("TableLocX"), 0);
    area.top = file.GetInt(section, QStringLiteral("TableLocY"), 0);
    area.right = FarEdge(area.left, file.GetInt(section, QStringLiteral("TableSizeX"), 0));
    area.bottom = FarEdge(area.top, file.GetInt(section, QStringLiteral("TableSizeY"), 0));
    return area;
}

bool CShape::LoadIni(const CIniFile& file, const QString& section)
{
    m_section = section;
    QString text = file.GetString(section, QStringLiteral("ShapeName"), QString(), CIniFile::ReadLimit::Cut255);
    text.replace(QStringLiteral(".........."), QStringLiteral("\r\n"));
    const Area area = ReadIniArea(file, section);
    if (text.isEmpty() && area == Area())
        return false;
    m_name = text;
    m_area = area;
    m_color = file.GetInt(section, QStringLiteral("Sc"), m_color);
    const QString shapeClass =
        file.GetString(section, QStringLiteral("ShapeClass"), QString(), CIniFile::ReadLimit::Cut255);
    if (!shapeClass.isEmpty())
        m_shapeClass = shapeClass;
    ClearFlags();
    return true;
}

bool CShape::WriteXml(QByteArray& buffer) const
{
    using namespace XmlText;
    buffer += "<Shape sType=\"";
    buffer += QByteArray::number(ShapeType());
    buffer += "\">\r\n";
    AppendText(buffer, "spName", m_name);
    AppendInt(buffer, "sColor", m_color);
    AppendText(buffer, "sClass", m_shapeClass);
    AppendInt(buffer, "sLocX", m_area.left);
    AppendInt(buffer, "sLocY", m_area.top);
    AppendInt(buffer, "sSizeX", m_area.Width());
    AppendInt(buffer, "sSizeY", m_area.Height());
    AppendEnd(buffer, "Shape");
    buffer += "\r\n";
    return true;
}
