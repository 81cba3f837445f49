#pragma once

#include "data/records/IdCounter.h"

// The running numbers of one event's records: the id counter of each kind, the serial every record
// takes, and the guests' unique ids. They belong to the event's record set, so two events loaded
// side by side (an import source, a restore preview) number their records apart.
class CRecordCounters
{
public:
    CIdCounter guests;
    CIdCounter tables;
    CIdCounter meetings;
    CIdCounter groups;
    CIdCounter expenses;
    CIdCounter shapes;
    CIdCounter categories;
    CIdCounter offers;

    int NextSerial() { return ++m_serial; }

    // The next guest unique id; it stops at the largest value instead of wrapping around, which
    // only a file that already holds that id reaches.
    int NextUniqueId();
    // A unique id read from a file: later guests get larger ones.
    void RaiseUniqueId(int id);
    void SetUniqueIdCounter(int value) { m_uniqueId = value; }
    int UniqueIdCounter() const { return m_uniqueId; }

    // Task ids this far below the largest int leave the counter room to go on counting.
    static constexpr int kMostTaskId = 999999999;
    // The next task id, and the raise of the counter above an id read from the task file.
    int NextTaskId() { return ++m_lastTaskId; }
    void RaiseTaskId(int id);
    int LastTaskId() const { return m_lastTaskId; }

    // Before an event is read: the kinds numbered per load start again (categories and offers
    // keep counting).
    void ResetForLoad();

private:
    int m_serial = 0;
    int m_uniqueId = 1000;
    int m_lastTaskId = 0;
};
