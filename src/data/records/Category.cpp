#include "data/records/Category.h"

#include "data/storage/IniFile.h"
#include "data/storage/XmlText.h"

CCategory::CCategory(CRecordCounters* counters)
    : CBaseElement(counters)
{
    TakeId(&CRecordCounters::categories);
}

QList<CCategory*> CCategory::LoadAllIni(const CIniFile& file, CRecordCounters* counters)
{
    return LoadSections<CCategory>(file, kPrefix, [counters](int) { return new CCategory(counters); });
}

bool CCategory::LoadIni(const CIniFile& file, const QString& section)
{
    m_section = section;
    m_name = file.GetString(section, QStringLiteral("CategoryName"), QString(), CIniFile::ReadLimit::Cut255);
    if (m_name.isEmpty())
        return false;
    m_isNew = false;
    return true;
}

bool CCategory::WriteXml(QByteArray& buffer) const
{
    XmlText::AppendStart(buffer, "Category");
    XmlText::AppendText(buffer, "cName", m_name);
    XmlText::AppendEnd(buffer, "Category");
    buffer += "\r\n";
    return true;
}
