#include "planner/core/MeetingCalendar.h"

#include "data/document/Platform.h"
#include "data/document/UserMessages.h"
#include "data/records/Meeting.h"
#include "data/settings/StringTable.h"
#include "data/storage/AtomicFile.h"

#include <QDate>
#include <QDir>
#include <QUuid>

#include <libical/ical.h>

namespace {

const int kReminderTextId = 59781;
const int kDoneTextId = 59783;
const int kDoneCaptionId = 59782;
const int kFailedTextId = 59785;
const int kFailedCaptionId = 59784;
// The reminder shows this long before the day of the meeting.
const int kReminderSeconds = -24 * 60 * 60;

// Calendar texts break lines with a bare line feed; libical writes it as "\n".
QByteArray Utf8(const QString& text)
{
    QString lines = text;
    return lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n').toUtf8();
}

icaltimetype DayOf(const QDate& date)
{
    icaltimetype day = icaltime_null_date();
    day.year = date.year();
    day.month = date.month();
    day.day = date.day();
    return day;
}

}

CMeetingCalendar::CMeetingCalendar()
    : m_calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT))
{
    icalcomponent_add_property(m_calendar, icalproperty_new_version("2.0"));
    icalcomponent_add_property(m_calendar, icalproperty_new_prodid("-//Ravivaz//Meetings//HE"));
}

CMeetingCalendar::~CMeetingCalendar()
{
    icalcomponent_free(m_calendar);
}

QString CMeetingCalendar::ReminderText(const CMeeting& meeting)
{
    return StringTable::Fill(StringTable::Get(kReminderTextId),
                             {meeting.GetContactName(), meeting.GetContactAddress(), meeting.GetNotes()});
}

bool CMeetingCalendar::Add(const CMeeting& meeting)
{
    const ShortDate& date = meeting.GetDate();
    const QDate day(date.year, date.month, date.day);
    if (!day.isValid())
        return false;

    const QByteArray reminder = Utf8(ReminderText(meeting));
    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    const QByteArray uid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUtf8() + "@ravivaz";
    icalcomponent_add_property(event, icalproperty_new_uid(uid.constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(icaltime_current_time_with_zone(icaltimezone_get_utc_timezone())));
    icalcomponent_add_property(event, icalproperty_new_dtstart(DayOf(day)));
    icalcomponent_add_property(event, icalproperty_new_dtend(DayOf(day.addDays(1))));
    icalcomponent_add_property(event, icalproperty_new_summary(Utf8(meeting.GetName()).constData()));
    if (!meeting.GetContactAddress().isEmpty())
        icalcomponent_add_property(event, icalproperty_new_location(Utf8(meeting.GetContactAddress()).constData()));
    icalcomponent_add_property(event, icalproperty_new_description(reminder.constData()));

    icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icaltriggertype trigger;
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_from_int(kReminderSeconds);
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    icalcomponent_add_property(alarm, icalproperty_new_description(reminder.constData()));
    icalcomponent_add_component(event, alarm);

    icalcomponent_add_component(m_calendar, event);
    ++m_events;
    return true;
}

QByteArray CMeetingCalendar::Text() const
{
    char* text = icalcomponent_as_ical_string_r(m_calendar);
    const QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

bool CMeetingCalendar::Save(const QString& path) const
{
    return AtomicFile::Write(path, Text());
}

bool CMeetingCalendar::SendToDesktop(const CMeeting& meeting, const QString& folder, IPlatform& platform,
                                     IUserMessages* messages)
{
    CMeetingCalendar calendar;
    const QString path = QDir(folder).filePath(QStringLiteral("ravivaz-meeting-%1.ics").arg(meeting.GetSerial()));
    const bool sent = calendar.Add(meeting) && calendar.Save(path) && platform.OpenFile(path);
    if (messages) {
        if (sent)
            messages->MessageById(kDoneTextId, kDoneCaptionId, MSG_OK);
        else
            messages->MessageById(kFailedTextId, kFailedCaptionId, MSG_OK);
    }
    return sent;
}
