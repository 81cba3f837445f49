#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

class CCategory;
class CNewZelDoc;
class COffer;
class CSettings;

// The figures of the budget planner. Costs and totals are 64-bit: an amount of millions times
// thousands of guests does not fit an int.
class CBudgetTotals
{
public:
    // The ceiling taken when none is stored, or when the stored one is 0 or less.
    static constexpr qint64 kDefaultCeiling = 50000;

    // The current number of guests: the invited counts of every guest added up.
    static int GuestCount(const CNewZelDoc& document);
    // The offers of one option (0 to 2), in the document's order.
    static QList<COffer*> OptionOffers(const CNewZelDoc& document, int option);
    static qint64 OptionTotal(const CNewZelDoc& document, int option);
    static qint64 Ceiling(const CSettings& settings);
    // The event setting that stores the ceiling.
    static QString CeilingKey() { return QStringLiteral("UpperBudgetLimit"); }
    // The category an offer is filed under, or null when no category carries its name.
    static CCategory* CategoryOf(const CNewZelDoc& document, const COffer& offer);
};
