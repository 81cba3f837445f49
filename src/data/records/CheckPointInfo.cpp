#include "data/records/CheckPointInfo.h"

#include "data/storage/IniFile.h"

namespace {

const QString kSection = QStringLiteral("Checkpoint");
const QString kKey = QStringLiteral("CpIndex");

}

bool CCheckPointInfo::Load(const QString& path)
{
    m_file = path;
    CIniFile file;
    const bool read = file.Load(path);
    m_index = file.GetInt(kSection, kKey, 0);
    return read;
}

bool CCheckPointInfo::Save() const
{
    if (m_file.isEmpty())
        return false;
    CIniFile file(m_file);
    file.SetInt(kSection, kKey, m_index);
    return !file.IsModified() || file.Save();
}

int CCheckPointInfo::SetIndex(int index)
{
    const int previous = m_index;
    m_index = index;
    return previous;
}
