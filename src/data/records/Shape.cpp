#include "data/records/Shape.h"

#include "data/records/ShapeFactory.h"

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

void CShape::AppendShapes(QByteArray& buffer, const QList<CShape*>& shapes)
{
    XmlText::AppendStart(buffer, "Shapes");
    for (const CShape* shape : shapes) {
        if (shape->IsStored())
            shape->WriteXml(buffer);
    }
    XmlText::AppendEnd(buffer, "Shapes");
}

CShape* CShape::Copy(CRecordCounters* counters) const
{
    CShape* copy = CShapeFactory::Create(ShapeType(), counters);
    if (!copy)
        return nullptr;
    copy->SetName(m_name);
    copy->SetColor(m_color);
    copy->SetShapeClass(m_shapeClass);
    copy->SetArea(m_area);
    return copy;
}

bool CShape::SetDrawStyle(int)
{
    return false;
}
