#pragma once

#include <QList>
#include <QString>

class CGuest;
class CNewZelDoc;
class CTable;
class QObject;

// The rules of the wedding day: how many of a guest actually came, where the guest sits when the
// table is full, and guests who are on no list. Every recorded arrival is saved at once, so a
// program that dies at the door loses nothing already marked.
class CArrivalEdits
{
public:
    // A row of the table chooser: a table with its free seats, or a separator row (table -1) that
    // cannot be chosen.
    struct Choice
    {
        int table = -1;
        QString text;
    };

    explicit CArrivalEdits(CNewZelDoc& document, QObject* sender = nullptr);

    // Seats minus the people who arrived at the table; the guest's own earlier arrival is not
    // counted, since recording it again replaces it.
    qint64 FreeSeatsByArrival(const CTable& table, const CGuest* guest = nullptr) const;
    // Seats minus the people coming to the table, the guest's own people left out.
    qint64 FreeSeatsForChoosing(const CTable& table, const CGuest* guest = nullptr) const;

    // False, and the user is told, when fewer than one came.
    bool CheckCount(int count) const;
    // The tables a guest of count people may be seated at: those with room for all of them, then,
    // behind a separator, those with some room.
    QList<Choice> TableChoices(const CGuest& guest, int count) const;
    // Yes when the guest's table has room for count people by arrivals; otherwise the user is asked
    // whether to seat them there anyway (Yes, No to choose another table, Cancel).
    int AskWhenTableFull(const CGuest& guest, int count);

    // Records that count people came and seats the guest at the table; then saves the event.
    // False when the save failed (the arrival stays in the records and the event stays modified).
    bool Record(CGuest& guest, int count, int table);
    // A guest on no list, with no people invited or coming until the arrival is recorded; saved
    // at once. Null when both names are empty.
    CGuest* AddWalkIn(const QString& name, const QString& familyName);

    // The guest whose unique id (the code of the approvals) is given, or null.
    static CGuest* FindByCode(const CNewZelDoc& document, int code);

private:
    CNewZelDoc& m_document;
    QObject* m_sender;
};
