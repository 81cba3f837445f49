#pragma once

#include <QList>
#include <QString>

class CGuest;

// What a record needs of the document that owns it: cross-references by full name and table number,
// and the notification of a guest's table change. The event document implements it.
class IRecordOwner
{
public:
    virtual ~IRecordOwner() = default;

    virtual const QList<CGuest*>& GetGuests() const = 0;
    virtual CGuest* FindGuestByFullName(const QString& fullName) const = 0;
    // The number of the table with this serial (its position in the table list), or -1.
    virtual int TableNumberBySerial(int serial) const = 0;
    // Sum over the guests at the table: mode 0 invited, 1 coming, 2 arrived.
    virtual qint64 SeatedSum(int tableNumber, int mode) const = 0;
    // Tells every view that a guest's table changed.
    virtual void GuestTableChanged(CGuest& guest) = 0;
};
