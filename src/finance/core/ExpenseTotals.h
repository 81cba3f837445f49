#pragma once

#include <QList>
#include <QtGlobal>

class CExpence;

// The summary of the expenses: what is to be paid, what was paid and what remains, in shekels.
// The Hebrew interface counts dollars at the rate plus shekels; the English one dollars alone.
struct CExpenseTotals
{
    qint64 shekels = 0;
    qint64 dollars = 0;
    double rate = 0;
    double dollarsInShekels = 0;
    double total = 0;
    double paid = 0;
    double remaining = 0;

    static CExpenseTotals Compute(const QList<CExpence*>& expenses, double rate, bool hebrew);
};
