#include "finance/core/ExpenseTotals.h"

#include "data/records/Expence.h"

CExpenseTotals CExpenseTotals::Compute(const QList<CExpence*>& expenses, double rate, bool hebrew)
{
    const auto value = [rate, hebrew](qint64 shekels, qint64 dollars) {
        return hebrew ? double(dollars) * rate + double(shekels) : double(dollars);
    };
    CExpenseTotals totals;
    totals.rate = rate;
    qint64 paidShekels = 0;
    qint64 paidDollars = 0;
    for (const CExpence* expense : expenses) {
        totals.shekels += expense->GetShekels();
        totals.dollars += expense->GetDollars();
        if (expense->IsPaid()) {
            paidShekels += expense->GetShekels();
            paidDollars += expense->GetDollars();
        } else if (expense->IsPartlyPaid()) {
            for (int n = 0; n < expense->GetPaymentCount(); ++n) {
                const CPayment* payment = expense->GetPayment(n);
                if (payment->IsPaid()) {
                    paidShekels += payment->GetShekels();
                    paidDollars += payment->GetDollars();
                }
            }
        }
    }
    totals.dollarsInShekels = double(totals.dollars) * rate;
    totals.total = value(totals.shekels, totals.dollars);
    totals.paid = value(paidShekels, paidDollars);
    totals.remaining = totals.total - totals.paid;
    return totals;
}
