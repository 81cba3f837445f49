#pragma once

#include <QStringList>

class CGuest;
class CNewZelDoc;

// What seating a guest at a table would break, judged without asking anyone: the guests already
// there whom the guest may not sit with, and by how many people the table would overflow. The
// automatic seating, the chart and the command line act on it alone; the interactive seat asks.
class CSeatVerdict
{
public:
    static CSeatVerdict Judge(const CNewZelDoc& document, const CGuest& guest, int table);

    bool IsValidTable() const { return m_validTable; }
    // Full names of the guests at the table on the moving guest's own restriction list.
    const QStringList& Restricted() const { return m_restricted; }
    // The people coming at the table with the guest, the guest's own counted once.
    int SeatsNeeded() const { return m_seatsNeeded; }
    // People beyond the table's seats; 0 when they fit.
    int Overflow() const { return m_overflow; }
    bool IsClean() const { return m_validTable && m_restricted.isEmpty() && m_overflow == 0; }

private:
    bool m_validTable = false;
    QStringList m_restricted;
    int m_seatsNeeded = 0;
    int m_overflow = 0;
};
