#include "seating/core/TableSums.h"

#include "data/records/Guest.h"

namespace TableSums {

QList<qint64> Coming(const QList<CGuest*>& guests, int tableCount)
{
    QList<qint64> sums(qMax(0, tableCount), 0);
    for (const CGuest* guest : guests) {
        const int table = guest->GetTableIndex();
        if (table < sums.size())
            sums[table] += guest->GetComing();
    }
    return sums;
}

}
