#include "data/records/Shape.h"

#include "data/storage/IniFile.h"
#include "data/storage/XmlText.h"

#include <QFileInfo>

CShape::CShape(CRecordCounters* counters)
    : CBaseElement(counters)
{
    TakeId(&CRecordCounters::shapes);
}

QString CShape::SketchFilePath(const QString& iniPath)
{
    if (QFileInfo::exists(iniPath))
        return iniPath;
    const QFileInfo info(iniPath);
    const QString ganPath = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".gan");
    return QFileInfo(ganPath).isFile() ? ganPath : iniPath;
}

bool CShape::LoadIni(const CIniFile& file, const QString& section)
{
    m_section = section;
    QString text = file.GetString(section, QStringLiteral("ShapeName"), QString(), CIniFile::ReadLimit::Cut255);
    text.replace(QStringLiteral(".........."), QStringLiteral("\r\n"));
    const Area area = CTable::ReadIniArea(file, section);
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
