#pragma once

#include <QList>

class CGuest;

// The sums of the gifts of every guest, added in doubles so that no amount is lost: shekels,
// dollars, and the grand total in shekels (dollars at the rate plus shekels) in either interface.
struct CGiftTotals
{
    double shekels = 0;
    double dollars = 0;
    double total = 0;

    static CGiftTotals Compute(const QList<CGuest*>& guests, double rate);
    // One guest's total as its row shows it: in the Hebrew interface shekels plus dollars at the
    // rate, in the English one the dollars alone.
    static double GuestTotal(const CGuest& guest, double rate, bool hebrew);
};
