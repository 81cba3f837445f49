#include "data/records/Expence.h"

#include "data/storage/IniFile.h"
#include "data/storage/XmlText.h"

namespace {

// How the older file kept a line break inside a text.
const QString kIniLineBreak = QStringLiteral("..........");

QString ReadText(const CIniFile& file, const QString& section, const QString& key, const QString& def = QString())
{
    return file.GetString(section, key, def, CIniFile::ReadLimit::Cut255);
}

quint16 ReadDatePart(const CIniFile& file, const QString& section, const QString& key)
{
    return quint16(file.GetInt(section, key, 0));
}

}

CExpence::CExpence(CRecordCounters* counters)
    : CExpence(counters, &CRecordCounters::expenses)
{
}

CExpence::CExpence(CRecordCounters* counters, CIdCounter CRecordCounters::*kind)
    : CBaseElement(counters)
{
    TakeId(kind);
}

CExpence::~CExpence() = default;

QList<CExpence*> CExpence::LoadAllIni(const CIniFile& file, CRecordCounters* counters)
{
    return LoadSections<CExpence>(file, kPrefix, [counters](int) { return new CExpence(counters); });
}

void CExpence::TakeIniComments(const QString& comments)
{
    m_info = comments;
}

bool CExpence::LoadIni(const CIniFile& file, const QString& section)
{
    m_section = section;
    m_name = ReadText(file, section, QStringLiteral("MoneyItem"));
    if (m_name.isEmpty())
        return false;
    TakeIniComments(ReadText(file, section, QStringLiteral("Comments")).replace(kIniLineBreak, QStringLiteral("\r\n")));
    m_category = ReadText(file, section, QStringLiteral("CategoryE"));
    m_dollars = file.GetInt(section, QStringLiteral("Dolars"), 0);
    m_shekels = file.GetInt(section, QStringLiteral("Shekels"), 0);
    m_payer = ReadText(file, section, QStringLiteral("WP"));

    const QString paid = ReadText(file, section, QStringLiteral("Paid"));
    if (paid == QStringLiteral("כן"))
        m_paid = Paid;
    else if (paid == QStringLiteral("לא"))
        m_paid = Unpaid;
    else
        m_paid = PartlyPaid;

    m_payments.clear();
    int paidCount = 0;
    for (int n = 0;; ++n) {
        const QString index = QString::number(n);
        const int dollars = file.GetInt(section, QStringLiteral("PDolar") + index, -1);
        if (dollars < 0)
            break;
        const int shekels = file.GetInt(section, QStringLiteral("PShekel") + index, -1);
        if (shekels < 0)
            break;
        auto payment = std::make_unique<CPayment>();
        payment->SetDollars(dollars);
        payment->SetShekels(shekels);
        payment->SetPaid(file.GetInt(section, QStringLiteral("PPaid") + index, 0) == 1 ? Paid : Unpaid);
        payment->SetDate(ShortDate::FromText(ReadText(file, section, QStringLiteral("PDate") + index,
                                                      QStringLiteral("0.0.0000"))));
        payment->SetInfo(ReadText(file, section, QStringLiteral("PInf") + index));
        if (n == 0)
            m_date = payment->GetDate();
        if (payment->IsPaid())
            ++paidCount;
        m_payments.push_back(std::move(payment));
    }

    if (m_payments.empty()) {
        m_date.day = ReadDatePart(file, section, QStringLiteral("Day"));
        m_date.month = ReadDatePart(file, section, QStringLiteral("Month"));
        m_date.year = ReadDatePart(file, section, QStringLiteral("Year"));
        CPayment& payment = AddPayment();
        payment.SetDollars(m_dollars);
        payment.SetShekels(m_shekels);
        payment.SetPaid(m_paid);
        payment.SetDate(m_date);
    } else if (paidCount > 0 && paidCount < int(m_payments.size())) {
        m_paid = PartlyPaid;
    }

    ClearFlags();
    return true;
}

bool CExpence::WriteXml(QByteArray& buffer) const
{
    XmlText::AppendStart(buffer, "Expence");
    XmlText::AppendText(buffer, "ExpName", m_name);
    XmlText::AppendText(buffer, "ExpInfo", m_info);
    XmlText::AppendInt(buffer, "ExpDollar", m_dollars);
    XmlText::AppendInt(buffer, "ExpShekel", m_shekels);
    XmlText::AppendText(buffer, "ExpPayer", m_payer);
    XmlText::AppendInt(buffer, "ExpPaid", m_paid);
    XmlText::AppendText(buffer, "ExpCat", m_category);
    XmlText::AppendStart(buffer, "Payments");
    for (const auto& payment : m_payments)
        payment->WriteXml(buffer);
    XmlText::AppendEnd(buffer, "Payments");
    XmlText::AppendEnd(buffer, "Expence");
    buffer += "\r\n";
    return true;
}

void CExpence::ClearFlags()
{
    m_modified = false;
    ClearModified();
    for (const auto& payment : m_payments)
        payment->ClearModified();
}

bool CExpence::IsModified() const
{
    if (m_modified || CPayment::IsModified())
        return true;
    for (const auto& payment : m_payments)
        if (payment->IsModified())
            return true;
    return false;
}

bool CExpence::SetDollars(int dollars)
{
    bool changed = CPayment::SetDollars(dollars);
    if (m_payments.size() == 1)
        changed = m_payments.front()->SetDollars(dollars) || changed;
    return changed;
}

bool CExpence::SetShekels(int shekels)
{
    bool changed = CPayment::SetShekels(shekels);
    if (m_payments.size() == 1)
        changed = m_payments.front()->SetShekels(shekels) || changed;
    return changed;
}

bool CExpence::SetPaid(int paid)
{
    bool changed = CPayment::SetPaid(paid);
    if (paid == Unpaid || paid == Paid)
        for (const auto& payment : m_payments)
            changed = payment->SetPaid(paid) || changed;
    return changed;
}

bool CExpence::SetDate(const ShortDate& date)
{
    bool changed = CPayment::SetDate(date);
    if (!m_payments.empty())
        changed = m_payments.front()->SetDate(date) || changed;
    return changed;
}

bool CExpence::SetPayer(const QString& payer)
{
    return SetField(m_payer, payer);
}

bool CExpence::SetCategory(const QString& category)
{
    return SetField(m_category, category);
}

CPayment* CExpence::GetPayment(int index) const
{
    if (index < 0 || index >= int(m_payments.size()))
        return nullptr;
    return m_payments[index].get();
}

CPayment& CExpence::AddPayment()
{
    m_payments.push_back(std::make_unique<CPayment>());
    m_modified = true;
    return *m_payments.back();
}

bool CExpence::RemovePayment(int index)
{
    if (index < 0 || index >= int(m_payments.size()))
        return false;
    m_payments.erase(m_payments.begin() + index);
    m_modified = true;
    return true;
}

void CExpence::RemoveAllPayments()
{
    if (m_payments.empty())
        return;
    m_payments.clear();
    m_modified = true;
}
