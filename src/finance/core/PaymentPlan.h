#pragma once

#include "data/records/ShortDate.h"

#include <QList>
#include <QString>

class CExpence;

// The payments of an expense while its dialog is open: at least ten rows, the used ones first, and
// their sums. OK writes them into the expense.
class CPaymentPlan
{
public:
    struct Row
    {
        int shekels = 0;
        int dollars = 0;
        bool paid = false;
        ShortDate date;
        QString info;
        bool operator==(const Row&) const = default;
    };

    // The rows the dialog always offers; an expense with more payments shows them all.
    static constexpr int kRows = 10;

    CPaymentPlan() = default;
    static CPaymentPlan FromExpense(const CExpence& expense);

    int RowCount() const;
    int UsedCount() const { return int(m_rows.size()); }
    // Null for a row that is not used.
    const Row* At(int index) const;
    // Fills the first free row; -1 when every row is used.
    int Add(const Row& row);
    bool Replace(int index, const Row& row);
    // The rows below move up; the only payment stays, emptied.
    bool Delete(int index);

    qint64 SumShekels() const;
    qint64 SumDollars() const;
    // 0 none paid (or no payments), 1 all paid, 2 some.
    int PaidState() const;

    // Writes the rows as the expense's payments, its amounts, date and paid state. True when
    // anything changed.
    bool ApplyTo(CExpence& expense) const;

    bool operator==(const CPaymentPlan&) const = default;

private:
    QList<Row> m_rows;
};
