#pragma once

#include <QList>
#include <QString>

class CGuest;
class CNewZelDoc;
class CTable;
class QObject;

// Every edit of the tables and of where guests sit: each asks its questions through the document's
// message interface, marks the event modified and tells the views. The tables view, the guest
// details and the command line all go through these.
class CTableEdits
{
public:
    explicit CTableEdits(CNewZelDoc& document, QObject* sender = nullptr);

    // A new table at the end of the list; hall number -1 takes the next free one, seats -1 the
    // event's default.
    CTable* Create(const QString& name, int hallNumber = -1, int seats = -1);
    // True when the hall number is free for a table that had ownHall (or a new one, -1); else the
    // user is told which table uses it.
    bool CheckHallNumber(int hallNumber, int ownHall);
    // Writes the table dialog's values; the whole list is redrawn when the hall number changed
    // while the tables are ordered by it.
    void Edit(CTable& table, const QString& name, int hallNumber, int seats);
    // Asks first when people sit there; its guests become unseated and later tables move up.
    bool Delete(CTable& table);
    // Exchanges what two positions hold; position 0 (the unseated guests) never moves.
    void Swap(int first, int second);
    void Move(int from, int to);
    // The move of the tables ordered by hall number: the table numbered from takes the hall number
    // of the table numbered to, and the tables between pass theirs on by one place. Refused, and
    // the user told why, when two of them share a hall number. True when the order changed.
    bool MoveInHallOrder(int from, int to);

    // The interactive seat: asks about every restriction the guest has at the table and, when the
    // table is too small, whether to enlarge it (the unseated table grows without asking). True
    // when the guest sits there afterwards.
    bool Seat(CGuest& guest, int table);
    // Seats each guest in turn, asking as Seat does; the views hear one table hint at the end.
    // Returns how many guests moved.
    int SeatAll(const QList<CGuest*>& guests, int table);

private:
    int Ask(const QString& text, const QString& caption, int buttons, const QStringList& args = {});

    CNewZelDoc& m_document;
    QObject* m_sender;
};
