#pragma once

#include "data/records/ShortDate.h"

#include <QByteArray>
#include <QString>

// One instalment of an expense: amounts, paid state, date and a comment. An expense is a payment
// itself (its own totals) and overrides the four virtual setters so that its payments follow it.
class CPayment
{
public:
    enum PaidState { Unpaid = 0, Paid = 1, PartlyPaid = 2 };

    CPayment() = default;
    virtual ~CPayment() = default;

    // Each stores the value and marks the payment modified only when it changes.
    virtual bool SetDollars(int dollars);
    virtual bool SetShekels(int shekels);
    virtual bool SetPaid(int paid);
    virtual bool SetDate(const ShortDate& date);

    int GetDollars() const { return m_dollars; }
    int GetShekels() const { return m_shekels; }
    int GetPaid() const { return m_paid; }
    const ShortDate& GetDate() const { return m_date; }
    bool SetInfo(const QString& info);
    const QString& GetInfo() const { return m_info; }
    bool IsPaid() const { return m_paid == Paid; }
    bool IsPartlyPaid() const { return m_paid == PartlyPaid; }
    bool IsUnpaid() const { return m_paid == Unpaid; }
    // "כן", "חלקית" or "לא"; a state the program does not know shows as not paid.
    QString GetPaidText() const;

    bool IsModified() const { return m_paymentModified; }
    void ClearModified() { m_paymentModified = false; }

    // The "Payment" element inside an expense's "Payments".
    void WriteXml(QByteArray& buffer) const;

protected:
    template <typename T>
    bool SetPaymentField(T& field, const T& value)
    {
        if (field == value)
            return false;
        field = value;
        m_paymentModified = true;
        return true;
    }

    int m_paid = Unpaid;
    int m_shekels = 0;
    int m_dollars = 0;
    ShortDate m_date;
    bool m_paymentModified = false;
    QString m_info;
};
