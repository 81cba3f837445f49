#include "finance/core/PaymentPlan.h"

#include "data/records/Expence.h"

#include <algorithm>
#include <limits>

namespace {

int ToInt(qint64 sum)
{
    return int(std::clamp<qint64>(sum, 0, std::numeric_limits<int>::max()));
}

}

CPaymentPlan CPaymentPlan::FromExpense(const CExpence& expense)
{
    CPaymentPlan plan;
    for (int n = 0; n < expense.GetPaymentCount(); ++n) {
        const CPayment* payment = expense.GetPayment(n);
        plan.m_rows.append({payment->GetShekels(), payment->GetDollars(), payment->IsPaid(), payment->GetDate(),
                            payment->GetInfo()});
    }
    return plan;
}

int CPaymentPlan::RowCount() const
{
    return qMax(kRows, int(m_rows.size()));
}

const CPaymentPlan::Row* CPaymentPlan::At(int index) const
{
    return index >= 0 && index < m_rows.size() ? &m_rows[index] : nullptr;
}

int CPaymentPlan::Add(const Row& row)
{
    if (m_rows.size() >= RowCount())
        return -1;
    m_rows.append(row);
    return int(m_rows.size()) - 1;
}

bool CPaymentPlan::Replace(int index, const Row& row)
{
    if (index < 0 || index >= m_rows.size())
        return false;
    m_rows[index] = row;
    return true;
}

bool CPaymentPlan::Delete(int index)
{
    if (index < 0 || index >= m_rows.size())
        return false;
    if (m_rows.size() == 1)
        m_rows[0] = Row();
    else
        m_rows.removeAt(index);
    return true;
}

qint64 CPaymentPlan::SumShekels() const
{
    qint64 sum = 0;
    for (const Row& row : m_rows)
        sum += row.shekels;
    return sum;
}

qint64 CPaymentPlan::SumDollars() const
{
    qint64 sum = 0;
    for (const Row& row : m_rows)
        sum += row.dollars;
    return sum;
}

int CPaymentPlan::PaidState() const
{
    const auto paid = std::count_if(m_rows.begin(), m_rows.end(), [](const Row& row) { return row.paid; });
    if (paid == 0)
        return CPayment::Unpaid;
    return paid == m_rows.size() ? CPayment::Paid : CPayment::PartlyPaid;
}

bool CPaymentPlan::ApplyTo(CExpence& expense) const
{
    const CPaymentPlan before = FromExpense(expense);
    const bool samePayments = before == *this;
    if (!samePayments) {
        expense.RemoveAllPayments();
        for (const Row& row : m_rows) {
            CPayment& payment = expense.AddPayment();
            payment.SetShekels(row.shekels);
            payment.SetDollars(row.dollars);
            payment.SetPaid(row.paid ? CPayment::Paid : CPayment::Unpaid);
            payment.SetDate(row.date);
            payment.SetInfo(row.info);
        }
    }
    // The payments are written already: the expense's own part follows them, nothing more.
    bool changed = !samePayments;
    changed = expense.CPayment::SetShekels(ToInt(SumShekels())) || changed;
    changed = expense.CPayment::SetDollars(ToInt(SumDollars())) || changed;
    changed = expense.CPayment::SetDate(m_rows.isEmpty() ? ShortDate() : m_rows.front().date) || changed;
    changed = expense.CPayment::SetPaid(PaidState()) || changed;
    return changed;
}
