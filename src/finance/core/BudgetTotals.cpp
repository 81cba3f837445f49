#include "finance/core/BudgetTotals.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Category.h"
#include "data/records/Offer.h"

#include <limits>

int CBudgetTotals::GuestCount(const CNewZelDoc& document)
{
    return int(qBound<qint64>(0, document.SumInvited(), qint64(std::numeric_limits<int>::max())));
}

QList<COffer*> CBudgetTotals::OptionOffers(const CNewZelDoc& document, int option)
{
    QList<COffer*> offers;
    for (COffer* offer : document.Offers())
        if (offer->IsInPlan(option))
            offers.append(offer);
    return offers;
}

qint64 CBudgetTotals::OptionTotal(const CNewZelDoc& document, int option)
{
    const int guests = GuestCount(document);
    qint64 total = 0;
    for (const COffer* offer : OptionOffers(document, option))
        total += offer->GetPrice(guests);
    return total;
}

qint64 CBudgetTotals::Ceiling(const CSettings& settings)
{
    bool number = false;
    const qint64 stored = settings.Key(CeilingKey()).trimmed().toLongLong(&number);
    return number && stored > 0 ? stored : kDefaultCeiling;
}

CCategory* CBudgetTotals::CategoryOf(const CNewZelDoc& document, const COffer& offer)
{
    for (CCategory* category : document.Categories())
        if (category->GetName() == offer.GetCategory())
            return category;
    return nullptr;
}
