#include "data/records/Meeting.h"

#include "data/storage/IniFile.h"
#include "data/storage/XmlText.h"

#include <QRegularExpression>

namespace {

// The sentinel that tells an absent Name from a stored one.
const QString kNoName = QStringLiteral("empty");

QString ReadText(const CIniFile& file, const QString& section, const char* key, const QString& def = QString())
{
    return file.GetString(section, QLatin1String(key), def, CIniFile::ReadLimit::Cut255);
}

}

CMeeting::CMeeting(CRecordCounters* counters)
    : CBaseElement(counters)
    , m_date(ShortDate::Today())
{
    TakeId(&CRecordCounters::meetings);
}

QList<CMeeting*> CMeeting::LoadAllIni(const CIniFile& file, CRecordCounters* counters)
{
    return LoadSections<CMeeting>(file, kPrefix, [counters](int) { return new CMeeting(counters); });
}

bool CMeeting::IsEarlier(const CMeeting& a, const CMeeting& b)
{
    return a.m_date < b.m_date;
}

bool CMeeting::LoadIni(const CIniFile& file, const QString& section)
{
    m_section = section;
    const QString name = ReadText(file, section, "Name", kNoName);
    if (name == kNoName)
        return false;
    m_name = name;
    m_isNew = false;
    m_notes = ReadText(file, section, "AdditionalInfo").replace(QStringLiteral("NewLineSep"), QStringLiteral("\r\n"));
    m_contactJob = ReadText(file, section, "ContactJob");
    m_contactAddress = ReadText(file, section, "ContactAddress");
    m_contactPhone = ReadText(file, section, "ContactPhone");
    m_contactName = ReadText(file, section, "ContactName");
    m_date.day = quint16(file.GetInt(section, QStringLiteral("Day"), 1));
    m_date.month = quint16(file.GetInt(section, QStringLiteral("Month"), 1));
    m_date.year = quint16(file.GetInt(section, QStringLiteral("Year"), 2003));
    m_modified = false;
    return true;
}

bool CMeeting::WriteXml(QByteArray& buffer) const
{
    XmlText::AppendStart(buffer, "Meeting");
    XmlText::AppendText(buffer, "mName", m_name);
    XmlText::AppendText(buffer, "mInfo", m_notes);
    XmlText::AppendText(buffer, "mContactJob", m_contactJob);
    XmlText::AppendText(buffer, "mContactAdd", m_contactAddress);
    XmlText::AppendText(buffer, "mContactPhone", m_contactPhone);
    XmlText::AppendText(buffer, "mContactName", m_contactName);
    XmlText::AppendInt(buffer, "mYear", m_date.year);
    XmlText::AppendInt(buffer, "mMonth", m_date.month);
    XmlText::AppendInt(buffer, "mDay", m_date.day);
    XmlText::AppendEnd(buffer, "Meeting");
    buffer += "\r\n";
    return true;
}

void CMeeting::ClearFlags()
{
    CBaseElement::ClearFlags();
    // Only bare line feeds: breaks that already are "\r\n" must not grow a second "\r" at every save.
    static const QRegularExpression bareLineFeed(QStringLiteral("(?<!\r)\n"));
    m_notes.replace(bareLineFeed, QStringLiteral("\r\n"));
}

bool CMeeting::SetContactPhone(const QString& phone)
{
    return SetField(m_contactPhone, phone);
}

bool CMeeting::SetContactJob(const QString& job)
{
    return SetField(m_contactJob, job);
}

bool CMeeting::SetContactAddress(const QString& address)
{
    return SetField(m_contactAddress, address);
}

bool CMeeting::SetContactName(const QString& name)
{
    return SetField(m_contactName, name);
}

bool CMeeting::SetDate(const ShortDate& date)
{
    return SetField(m_date, date);
}
