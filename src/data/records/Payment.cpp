#include "data/records/Payment.h"

#include "data/settings/StringTable.h"
#include "data/storage/XmlText.h"

bool CPayment::SetDollars(int dollars)
{
    return SetPaymentField(m_dollars, dollars);
}

bool CPayment::SetShekels(int shekels)
{
    return SetPaymentField(m_shekels, shekels);
}

bool CPayment::SetPaid(int paid)
{
    return SetPaymentField(m_paid, paid);
}

bool CPayment::SetDate(const ShortDate& date)
{
    return SetPaymentField(m_date, date);
}

bool CPayment::SetInfo(const QString& info)
{
    return SetPaymentField(m_info, info);
}

QString CPayment::GetPaidText() const
{
    switch (m_paid) {
    case Paid:
        return StringTable::Get(59444);
    case PartlyPaid:
        return StringTable::Get(59576);
    default:
        return StringTable::Get(59445);
    }
}

void CPayment::WriteXml(QByteArray& buffer) const
{
    XmlText::AppendStart(buffer, "Payment");
    XmlText::AppendInt(buffer, "pDollar", m_dollars);
    XmlText::AppendInt(buffer, "pShekel", m_shekels);
    XmlText::AppendInt(buffer, "pPaid", m_paid != Unpaid ? 1 : 0);
    XmlText::AppendRaw(buffer, "pDate", m_date.ToText().toUtf8());
    XmlText::AppendText(buffer, "pInfo", m_info);
    XmlText::AppendEnd(buffer, "Payment");
    buffer += "\r\n";
}
