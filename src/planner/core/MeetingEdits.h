#pragma once

#include "data/records/ShortDate.h"

#include <QString>

class CMeeting;
class CNewZelDoc;

// Every edit of the meetings: each asks its questions through the document's message interface and
// marks the event modified (no other page shows meetings, so no hint is sent). The meetings page and the command line go through these.
class CMeetingEdits
{
public:
    // What the details pane holds of a meeting.
    struct Fields
    {
        QString subject;
        QString contactName;
        QString contactJob;
        QString phone;
        QString address;
        QString info;
        ShortDate date;
    };

    explicit CMeetingEdits(CNewZelDoc& document);

    static Fields Read(const CMeeting& meeting);

    // A meeting dated today with the new-meeting subject, at the end of the list.
    CMeeting* Add();
    // Asks first; true when the meeting was taken out of the list and deleted.
    bool Delete(CMeeting& meeting);
    // Writes every field through its setter; true when anything changed.
    bool Write(CMeeting& meeting, const Fields& fields);
    bool SetDate(CMeeting& meeting, const ShortDate& date);
    // Orders the list by date; meetings of the same day keep their order.
    void SortByDate(bool ascending);

private:
    CNewZelDoc& m_document;
};
