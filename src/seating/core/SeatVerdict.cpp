#include "seating/core/SeatVerdict.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/records/Table.h"

#include <climits>

CSeatVerdict CSeatVerdict::Judge(const CNewZelDoc& document, const CGuest& guest, int table)
{
    CSeatVerdict verdict;
    const QList<CTable*>& tables = document.Records().tables;
    if (table < 0 || table >= tables.size())
        return verdict;
    verdict.m_validTable = true;
    qint64 seated = 0;
    for (const CGuest* other : document.Records().guests) {
        if (other == &guest || other->GetTableIndex() != table)
            continue;
        seated += other->GetComing();
        // The unseated pseudo-table keeps anyone together.
        if (table > 0 && guest.HasRestriction(other->GetFullName()))
            verdict.m_restricted.append(other->GetFullName());
    }
    const qint64 needed = seated + guest.GetComing();
    verdict.m_seatsNeeded = int(qMin(needed, qint64(INT_MAX)));
    verdict.m_overflow = int(qBound(qint64(0), needed - tables[table]->GetSeats(), qint64(INT_MAX)));
    return verdict;
}
