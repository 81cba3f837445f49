#include "data/records/RecordCounters.h"

#include <climits>
#include <initializer_list>

int CRecordCounters::NextUniqueId()
{
    if (m_uniqueId < INT_MAX)
        ++m_uniqueId;
    return m_uniqueId;
}

void CRecordCounters::RaiseUniqueId(int id)
{
    if (id > m_uniqueId)
        m_uniqueId = id;
}

void CRecordCounters::RaiseTaskId(int id)
{
    if (m_lastTaskId <= id && id < kMostTaskId)
        m_lastTaskId = id + 1;
}

void CRecordCounters::ResetForLoad()
{
    for (CIdCounter* counter : {&guests, &tables, &meetings, &groups, &expenses, &shapes})
        counter->Reset();
}
