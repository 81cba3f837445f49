#include "data/records/Guest.h"

#include "data/storage/IniFile.h"
#include "data/settings/Language.h"
#include "data/records/RecordOwner.h"
#include "data/settings/Settings.h"
#include "data/settings/StringTable.h"
#include "data/storage/XmlText.h"


namespace {

// The older files kept a line break inside a text as ten dots.
QString WithLineBreaks(QString text)
{
    return text.replace(QStringLiteral(".........."), QStringLiteral("\r\n"));
}

}

CGuest::CGuest(CSettings* settings, IRecordOwner* owner, CRecordCounters* counters)
    : CBaseElement(counters)
    , m_settings(settings)
    , m_owner(owner)
    , m_uniqueId(counters ? counters->NextUniqueId() : 0)
    , m_textApproved(StringTable::Get(59404))
    , m_textNotComing(StringTable::Get(59707))
    , m_textUnknown(StringTable::Get(59557))
    , m_textYes(StringTable::Get(59444))
    , m_textNo(StringTable::Get(59445))
    , m_textNoName(StringTable::Get(59805))
{
    TakeId(&CRecordCounters::guests);
}

bool CGuest::LoadIni(const CIniFile& file, const QString& section)
{
    const auto text = [&](const char* key, const QString& def = QString()) {
        return file.GetString(section, QLatin1String(key), def, CIniFile::ReadLimit::Cut255);
    };
    const auto pick = [this](const char* shortKey, const char* longKey) {
        return m_shortKeys ? shortKey : longKey;
    };

    m_isNew = false;
    m_section = section;

    // A section without NM is in the long-key layout of the oldest versions.
    const QString absent = QStringLiteral("BackWordDef");
    const QString nm = text("NM", absent);
    if (nm == absent) {
        m_name = text("Name");
        m_shortKeys = false;
    } else {
        m_name = nm;
        m_shortKeys = true;
    }

    if (m_name.isEmpty()) {
        // A short-key section may lack NM when only the family name was typed. A long-key section
        // with only its FamilyName set stays in the long keys, or its other fields would be lost.
        m_familyName = text("FM");
        if (!m_familyName.isEmpty()) {
            m_shortKeys = true;
        } else {
            m_familyName = text("FamilyName");
            if (m_familyName.isEmpty())
                return false;
        }
    } else {
        m_familyName = text(pick("FM", "FamilyName"));
    }

    m_status = file.GetInt(section, QStringLiteral("ST"), 3);
    if (m_status == 3)
        m_status = file.GetInt(section, QStringLiteral("Status"), 3);
    if (m_status == 3)
        m_status = 0;

    m_cameCount = file.GetInt(section, QLatin1String(pick("CS", "CameSum")), 0);
    m_arrived = m_cameCount > 0;
    m_invitationSent = text(pick("IS", "InvitationSent"), m_textNo) == m_textYes;

    const QString noAddress = QStringLiteral("Empty");
    const QString address = text(pick("AD", "Address1"), noAddress);
    m_address = address == noAddress ? QString() : WithLineBreaks(address);
    m_phone = text(pick("TN", "TelNum"));
    m_notes = WithLineBreaks(text(pick("AI", "AdditionalInfo")));

    m_coming = file.GetInt(section, QLatin1String(pick("AN", "ActualNum")), 2);
    m_invited = file.GetInt(section, QLatin1String(pick("PN", "PlanedNum")), 2);
    m_groupName = text(pick("GN", "GroupName"));
    m_relation = text(pick("RL", "Relation"));
    m_gift = text(pick("GI", "GiftInfo"));
    m_giftInfo = text(pick("GA", "GiftAddInfo"));
    m_email = text("EM");
    m_invitations = file.GetInt(section, QLatin1String(pick("IN", "InvitationsNum")), 1);
    m_giftShekels = float(file.GetInt(section, QLatin1String(pick("GS", "GiftShekel")), 0));
    m_giftDollars = float(file.GetInt(section, QLatin1String(pick("GD", "GiftDolar")), 0));
    m_tableIndex = quint16(file.GetInt(section, QLatin1String(pick("TI", "TableIndex")), 0));
    m_kids = qint16(file.GetInt(section, QLatin1String(pick("NK", "NumOfKids")), 0));
    m_needKidsChair = text(pick("NC", "NeedKidsChair"), m_textNo) == m_textYes;
    m_transport = file.GetInt(section, QLatin1String(pick("TR", "Trans")), 0);

    // A long-key guest is written anew in the current layout.
    m_modified = !m_shortKeys;
    return true;
}

QList<CGuest*> CGuest::LoadAllIni(const CIniFile& file, CSettings* settings, IRecordOwner* owner,
                                  CRecordCounters* counters, const std::function<void(int percent)>& progress)
{
    const int count = qMax(1, file.GetInt(QStringLiteral("GuestsCount"), QStringLiteral("GuestsCount"), 1));
    int shown = -1;
    const auto report = [&](int percent) {
        if (percent != shown && progress)
            progress(percent);
        shown = percent;
    };
    QList<CGuest*> guests = LoadSections<CGuest>(
        file, kPrefix, [&](int) { return new CGuest(settings, owner, counters); },
        [&](int index) { report(int(5 + 70 * (qint64(index) + 1) / count)); });
    report(75);
    return guests;
}

bool CGuest::WriteXml(QByteArray& buffer) const
{
    using namespace XmlText;
    AppendStart(buffer, "Guest");
    AppendInt(buffer, "UniqueId", m_uniqueId);
    AppendText(buffer, "Info", m_notes);
    AppendInt(buffer, "TableOrder", m_tableIndex);
    AppendInt(buffer, "NumOfKids", m_kids);
    AppendInt(buffer, "KidSeat", m_needKidsChair ? 1 : 0);
    AppendInt(buffer, "Coming", m_coming);
    if (m_cameCount >= 1)
        AppendInt(buffer, "ThatCame", m_cameCount);
    AppendInt(buffer, "Invited", m_invited);
    AppendInt(buffer, "InvNumber", m_invitations);
    AppendInt(buffer, "InvSent", m_invitationSent ? 1 : 0);
    AppendInt(buffer, "ApproveStat", m_status);
    AppendDecimal(buffer, "DollarsGift", m_giftDollars);
    AppendDecimal(buffer, "SekelsGift", m_giftShekels);
    AppendText(buffer, "GiftInfo", m_giftInfo);
    AppendText(buffer, "Gift", m_gift);
    AppendText(buffer, "Address", m_address);
    AppendText(buffer, "gPhone", m_phone);
    AppendText(buffer, "moPhone", m_mobilePhone);
    AppendInt(buffer, "SmsCount", m_smsCount);
    AppendText(buffer, "gGroup", m_groupName);
    AppendText(buffer, "gRelation", m_relation);
    AppendText(buffer, "FamilyName", m_familyName);
    AppendText(buffer, "gsName", m_name);
    AppendText(buffer, "eMail", m_email);
    if (m_transport != 0)
        AppendInt(buffer, "Transportation", m_transport);
    buffer += "<Restrictions>";
    for (const QString& restriction : m_restrictions)
        AppendText(buffer, "Restricted", restriction);
    AppendEnd(buffer, "Restrictions");
    AppendEnd(buffer, "Guest");
    buffer += "\r\n";
    return true;
}

QString CGuest::GetFullName() const
{
    if (m_name.isEmpty())
        return m_familyName.trimmed();
    if (m_familyName.isEmpty())
        return m_name.trimmed();
    return (m_name + QLatin1Char(' ') + m_familyName).trimmed();
}

double CGuest::GetGiftValue() const
{
    if (Language::IsEnglish())
        return m_giftDollars;
    if (!m_settings)
        return 0;
    return m_giftDollars * m_settings->GetDolarToShekel() + m_giftShekels;
}

QString CGuest::GetStatusText() const
{
    if (!Language::IsEnglish())
        return QString();
    switch (m_status) {
    case 0:
        return m_textUnknown;
    case 1:
        return m_textApproved;
    case 2:
        return m_textNotComing;
    default:
        return QString();
    }
}

QString CGuest::GetAddressHtml() const
{
    QString html = m_address;
    return html.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
}

bool CGuest::AddRestriction(const QString& fullName, bool reciprocal)
{
    if (fullName.isEmpty() || m_restricted.contains(fullName))
        return false;
    m_restrictions.append(fullName);
    m_restricted.insert(fullName);
    m_modified = true;
    if (reciprocal && m_owner) {
        CGuest* other = m_owner->FindGuestByFullName(fullName);
        if (other && other != this)
            other->AddRestriction(GetFullName(), false);
    }
    return true;
}

bool CGuest::RemoveRestriction(const QString& fullName)
{
    if (!m_restricted.remove(fullName))
        return false;
    m_restrictions.removeOne(fullName);
    m_modified = true;
    return true;
}

void CGuest::ReplaceRestriction(const QString& oldName, const QString& newName)
{
    if (!m_restricted.remove(oldName))
        return;
    const qsizetype index = m_restrictions.indexOf(oldName);
    // Each name stays listed once, even when the new name was already there.
    if (m_restricted.contains(newName)) {
        m_restrictions.removeAt(index);
    } else {
        m_restrictions[index] = newName;
        m_restricted.insert(newName);
    }
    m_modified = true;
}

bool CGuest::Rename(QString& field, const QString& value)
{
    if (field == value)
        return false;
    const QString oldFullName = GetFullName();
    field = value;
    m_modified = true;
    const QString newFullName = GetFullName();
    if (m_owner && oldFullName != newFullName) {
        for (const QString& restricted : std::as_const(m_restrictions)) {
            CGuest* other = m_owner->FindGuestByFullName(restricted);
            if (other && other != this)
                other->ReplaceRestriction(oldFullName, newFullName);
        }
    }
    return true;
}

bool CGuest::SetName(const QString& name)
{
    return Rename(m_name, name);
}

bool CGuest::SetFamilyName(const QString& familyName)
{
    return Rename(m_familyName, familyName);
}

bool CGuest::SetArrived(bool arrived)
{
    if (m_arrived == arrived)
        return false;
    m_arrived = arrived;
    return true;
}

bool CGuest::SetUniqueId(int uniqueId)
{
    if (m_counters)
        m_counters->RaiseUniqueId(uniqueId);
    if (m_uniqueId == uniqueId)
        return false;
    m_uniqueId = uniqueId;
    return true;
}

bool CGuest::SetTableIndex(int tableIndex)
{
    if (!SetField(m_tableIndex, quint16(tableIndex)))
        return false;
    if (m_owner)
        m_owner->GuestTableChanged(*this);
    return true;
}
