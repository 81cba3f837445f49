#include "data/records/BaseElement.h"

#include "data/storage/DataLocation.h"
#include "data/storage/IniFile.h"

CBaseElement::CBaseElement(CRecordCounters* counters)
    : m_serial(counters ? counters->NextSerial() : 0)
    , m_counters(counters)
{
}

void CBaseElement::TakeId(CIdCounter CRecordCounters::*kind)
{
    m_kind = kind;
    m_id = m_counters ? (m_counters->*kind).Take() : -1;
}

void CBaseElement::ReleaseId()
{
    if (m_counters && m_kind)
        (m_counters->*m_kind).Release();
}

CBaseElement::~CBaseElement() = default;

void CBaseElement::SetId(int id)
{
    SetField(m_id, id);
}

void CBaseElement::FormatSection(const QString& prefix)
{
    m_section = prefix + QString::number(m_id);
    m_modified = true;
}

bool CBaseElement::WriteXml(QByteArray&) const
{
    return true;
}

void CBaseElement::ClearFlags()
{
    m_modified = false;
    m_isNew = false;
}

bool CBaseElement::SetName(const QString& name)
{
    return SetField(m_name, name);
}

bool CBaseElement::SetNotes(const QString& notes)
{
    return SetField(m_notes, notes);
}

QString CBaseElement::GetNotesHtml() const
{
    if (m_notes.isEmpty())
        return QStringLiteral("&nbsp;");
    QString html = m_notes;
    return html.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
}

void CBaseElement::CopyNameAndNotesTo(CBaseElement& other) const
{
    other.m_name = m_name;
    other.m_notes = m_notes;
    other.m_modified = true;
}

bool CBaseElement::DeleteSection(const CDataLocation& location)
{
    m_modified = true;
    return CIniFile::WriteProfileString(location.GetFilePath(FileCode()), m_section, QString(), QString());
}
