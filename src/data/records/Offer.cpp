#include "data/records/Offer.h"

#include "data/storage/IniFile.h"
#include "data/storage/XmlText.h"

namespace {

const QString kOlderPlanKey = QStringLiteral("IsInOffer");
// The default that tells an absent IsInOffer from a stored one.
const int kNoOlderPlan = 7;

QString PlanKey(int plan)
{
    return QStringLiteral("IsInPlan") + QString::number(plan);
}

}

COffer::COffer(CRecordCounters* counters)
    : CExpence(counters, &CRecordCounters::offers)
{
}

QList<COffer*> COffer::LoadAllIni(const CIniFile& file, CRecordCounters* counters)
{
    return LoadSections<COffer>(file, kPrefix, [counters](int) { return new COffer(counters); });
}

void COffer::TakeIniComments(const QString& comments)
{
    m_notes = comments;
}

bool COffer::LoadIni(const CIniFile& file, const QString& section)
{
    if (!CExpence::LoadIni(file, section))
        return false;
    for (int plan = 0; plan < kPlanCount; ++plan)
        m_inPlan[plan] = file.GetInt(section, PlanKey(plan), 0) == 1;
    const int older = file.GetInt(section, kOlderPlanKey, kNoOlderPlan);
    m_olderPlanKey = older != kNoOlderPlan;
    if (m_olderPlanKey)
        m_inPlan[0] = older == 1;
    m_isPerGuest = file.GetInt(section, QStringLiteral("IsPerGuest"), 0) == 1;
    m_guestsForOffer = file.GetInt(section, QStringLiteral("number_of_guests_for_offers"), 0);
    m_modified = false;
    return true;
}

bool COffer::ReplaceOlderPlanKeys(const QString& path, const QList<COffer*>& offers)
{
    CIniFile file;
    if (!file.Load(path))
        return true;
    for (const COffer* offer : offers) {
        if (!offer->m_olderPlanKey || !file.HasSection(offer->m_section))
            continue;
        file.RemoveKey(offer->m_section, kOlderPlanKey);
        file.SetString(offer->m_section, PlanKey(0), offer->m_inPlan[0] ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return !file.IsModified() || file.Save();
}

bool COffer::WriteXml(QByteArray& buffer) const
{
    XmlText::AppendStart(buffer, "Offer");
    XmlText::AppendText(buffer, "oName", m_name);
    XmlText::AppendText(buffer, "oInfo", m_notes);
    XmlText::AppendInt(buffer, "oShekel", m_shekels);
    XmlText::AppendText(buffer, "oCategory", GetCategory());
    XmlText::AppendInt(buffer, "oInOffer1", m_inPlan[0] ? 1 : 0);
    XmlText::AppendInt(buffer, "oInOffer2", m_inPlan[1] ? 1 : 0);
    XmlText::AppendInt(buffer, "oInOffer3", m_inPlan[2] ? 1 : 0);
    XmlText::AppendInt(buffer, "oGuestForOffer", m_guestsForOffer);
    XmlText::AppendInt(buffer, "oIsPerGuest", m_isPerGuest ? 1 : 0);
    XmlText::AppendEnd(buffer, "Offer");
    return true;
}

qint64 COffer::GetPrice(int guestCount) const
{
    if (!m_isPerGuest)
        return m_shekels;
    return qint64(m_shekels) * (m_guestsForOffer < 1 ? guestCount : m_guestsForOffer);
}

bool COffer::IsInPlan(int plan) const
{
    return plan >= 0 && plan < kPlanCount && m_inPlan[plan];
}

bool COffer::SetInPlan(int plan, bool inPlan)
{
    if (plan < 0 || plan >= kPlanCount)
        return false;
    return SetField(m_inPlan[plan], inPlan);
}

bool COffer::SetPerGuest(bool perGuest)
{
    return SetField(m_isPerGuest, perGuest);
}

bool COffer::SetGuestsForOffer(int guests)
{
    return SetField(m_guestsForOffer, guests);
}
