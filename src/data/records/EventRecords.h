#pragma once

#include "data/records/RecordCounters.h"

#include <QList>

class CCategory;
class CExpence;
class CGroup;
class CGuest;
class CMeeting;
class COffer;
class CShape;
class CTable;

// The records of one event in their ordered lists; the lists own the records. A table's place in
// its list is its number.
class CEventRecords
{
public:
    CEventRecords() = default;
    ~CEventRecords();
    CEventRecords(const CEventRecords&) = delete;
    CEventRecords& operator=(const CEventRecords&) = delete;

    // Deletes every record and empties the lists.
    void Clear();

    QList<CGuest*> guests;
    QList<CExpence*> expenses;
    QList<CTable*> tables;
    QList<CGroup*> groups;
    QList<CMeeting*> meetings;
    QList<CCategory*> categories;
    QList<COffer*> offers;
    QList<CShape*> shapes;
    // The running numbers of these records; emptying the lists leaves them as they are.
    CRecordCounters counters;
};
