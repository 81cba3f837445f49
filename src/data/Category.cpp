#include "data/Category.h"

#include "data/DataLocation.h"
#include "data/IniFile.h"
#include "data/XmlText.h"

namespace {

int g_lastId = -1;

const QString kPrefix = QStringLiteral("Categories");

}

CCategory::CCategory()
{
    m_id = ++g_lastId;
}

QList<CCategory*> CCategory::LoadAllIni(const CIniFile& file)
{
    return LoadSections<CCategory>(file, kPrefix, [](int) { return new CCategory; }, [](int) {});
}

void CCategory::MakeSection()
{
    m_section = kPrefix + QString::number(m_id);
    m_modified = true;
}

int CCategory::FileCode() const
{
    return FC_CATEGORY;
}

void CCategory::ReleaseId()
{
    --g_lastId;
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
