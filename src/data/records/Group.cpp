#include "data/records/Group.h"

#include "data/records/Guest.h"
#include "data/storage/IniFile.h"
#include "data/records/RecordOwner.h"
#include "data/storage/XmlText.h"

#include <algorithm>

CGroup::CGroup(IRecordOwner* owner, CRecordCounters* counters)
    : CBaseElement(counters)
    , m_owner(owner)
{
    TakeId(&CRecordCounters::groups);
}

bool CGroup::LoadIni(const CIniFile& file, const QString& section)
{
    m_section = section;
    m_name = file.GetString(section, QStringLiteral("GroupName"), QString(), CIniFile::ReadLimit::Cut255);
    if (m_name.isEmpty())
        return false;
    m_isNew = false;
    return true;
}

QList<CGroup*> CGroup::LoadAllIni(const CIniFile& file, IRecordOwner* owner, CRecordCounters* counters)
{
    return LoadSections<CGroup>(file, kPrefix, [owner, counters](int) { return new CGroup(owner, counters); });
}

bool CGroup::WriteXml(QByteArray& buffer) const
{
    XmlText::AppendStart(buffer, "Group");
    XmlText::AppendText(buffer, "grName", m_name);
    XmlText::AppendEnd(buffer, "Group");
    buffer += "\r\n";
    return true;
}

bool CGroup::IsUsed() const
{
    if (!m_owner)
        return false;
    const QList<CGuest*>& guests = m_owner->GetGuests();
    return std::any_of(guests.begin(), guests.end(),
                       [this](const CGuest* guest) { return guest->GetGroupName() == m_name; });
}

void CGroup::CopyNameTo(CGroup& other) const
{
    other.SetName(m_name);
}
