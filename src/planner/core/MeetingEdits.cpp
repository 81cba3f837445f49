#include "planner/core/MeetingEdits.h"

#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/records/Meeting.h"
#include "data/settings/StringTable.h"

namespace {

const int kNewSubjectId = 59490;
const int kDeleteQuestionId = 59488;
const int kDeleteCaptionId = 59489;

}

CMeetingEdits::CMeetingEdits(CNewZelDoc& document)
    : m_document(document)
{
}

CMeetingEdits::Fields CMeetingEdits::Read(const CMeeting& meeting)
{
    return {meeting.GetName(),         meeting.GetContactName(),    meeting.GetContactJob(), meeting.GetContactPhone(),
            meeting.GetContactAddress(), meeting.GetNotes(), meeting.GetDate()};
}

CMeeting* CMeetingEdits::Add()
{
    auto* meeting = new CMeeting(&m_document.Counters());
    meeting->SetName(StringTable::Get(kNewSubjectId));
    m_document.EditRecords().meetings.append(meeting);
    m_document.SetModified();
    return meeting;
}

bool CMeetingEdits::Delete(CMeeting& meeting)
{
    QList<CMeeting*>& meetings = m_document.EditRecords().meetings;
    if (!meetings.contains(&meeting))
        return false;
    IUserMessages* messages = m_document.Messages();
    if (!messages || messages->MessageById(kDeleteQuestionId, kDeleteCaptionId, MSG_YES_NO) != MSG_RESULT_YES)
        return false;
    meetings.removeOne(&meeting);
    delete &meeting;
    m_document.SetModified();
    return true;
}

bool CMeetingEdits::Write(CMeeting& meeting, const Fields& fields)
{
    bool changed = meeting.SetName(fields.subject);
    changed = meeting.SetNotes(fields.info) || changed;
    changed = meeting.SetContactPhone(fields.phone) || changed;
    changed = meeting.SetContactName(fields.contactName) || changed;
    changed = meeting.SetContactJob(fields.contactJob) || changed;
    changed = meeting.SetContactAddress(fields.address) || changed;
    changed = SetDate(meeting, fields.date) || changed;
    if (changed)
        m_document.SetModified();
    return changed;
}

bool CMeetingEdits::SetDate(CMeeting& meeting, const ShortDate& date)
{
    if (!meeting.SetDate(date))
        return false;
    m_document.SetModified();
    return true;
}

void CMeetingEdits::SortByDate(bool ascending)
{
    CMeeting::SortByDate(m_document.EditRecords().meetings, ascending);
}
