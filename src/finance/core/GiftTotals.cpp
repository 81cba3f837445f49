#include "finance/core/GiftTotals.h"

#include "data/records/Guest.h"

CGiftTotals CGiftTotals::Compute(const QList<CGuest*>& guests, double rate)
{
    CGiftTotals totals;
    for (const CGuest* guest : guests) {
        const double shekels = guest->GetGiftShekels();
        const double dollars = guest->GetGiftDollars();
        totals.shekels += shekels;
        totals.dollars += dollars;
        totals.total += dollars * rate + shekels;
    }
    return totals;
}

double CGiftTotals::GuestTotal(const CGuest& guest, double rate, bool hebrew)
{
    const double dollars = guest.GetGiftDollars();
    return hebrew ? dollars * rate + double(guest.GetGiftShekels()) : dollars;
}
