#pragma once

#include <QList>
#include <QSet>
#include <QString>

class CGroup;
class CGuest;
class CNewZelDoc;
class CTable;
class QObject;

// Seats guests at new tables by their group without the user placing each one: the unseated
// guests only, every guest from scratch, or one table for one group. A run sends the views one
// seating hint at its end and then names the restrictions its seating breaks.
class CAutoSeating
{
public:
    // The smallest and largest number of seats a table made here gets.
    static constexpr int kMinSeats = 1;
    static constexpr int kMaxSeats = 1000;

    struct GroupTable
    {
        // The table made, named like the group.
        CTable* table = nullptr;
        int guests = 0;
        qint64 people = 0;
    };

    explicit CAutoSeating(CNewZelDoc& document, QObject* sender = nullptr);

    // Each asks first unless the caller already has the user's Yes (confirmed), and returns how
    // many guests it seated.
    int SeatUnseated(bool confirmed = false);
    int SeatAll(bool confirmed = false);
    // Makes a table named after the group, fills it with unseated guests of the group up to the
    // event's table size and tells the user how many it seated.
    GroupTable TableForGroup(const CGroup& group);

    // The event's table size, within the bounds above.
    int TableSize() const;

private:
    bool Confirm(const QString& question);
    // Reads what a run needs once: the table size, the used hall numbers and table names.
    void Start();
    // Seats the unseated guests group by group and tells the views once.
    void SeatGroups(bool freeNamesOnly);
    void FillGroup(const QString& group, const QList<CGuest*>& guests, bool freeNamesOnly);
    CTable* NewTable(const QString& name);
    int TakeHallNumber();
    void Seat(CGuest& guest, const CTable& table);
    void ReportBrokenRestrictions();

    CNewZelDoc& m_document;
    QObject* m_sender;
    int m_seats = 0;
    QSet<int> m_usedHalls;
    int m_nextHall = 1;
    QSet<QString> m_names;
    // The guests this run seated, in the order it seated them.
    QList<CGuest*> m_seated;
};
