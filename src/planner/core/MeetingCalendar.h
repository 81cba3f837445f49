#pragma once

#include <QByteArray>
#include <QString>

class CMeeting;
class IPlatform;
class IUserMessages;

// An iCalendar file of meetings, for the desktop's calendar program: one all-day event a dated
// meeting, with a reminder the day before. Texts are escaped by libical's own properties.
class CMeetingCalendar
{
public:
    CMeetingCalendar();
    ~CMeetingCalendar();
    CMeetingCalendar(const CMeetingCalendar&) = delete;
    CMeetingCalendar& operator=(const CMeetingCalendar&) = delete;

    // The reminder's text: whom the meeting is with, where, and its notes.
    static QString ReminderText(const CMeeting& meeting);

    // False, adding nothing, for a meeting without a valid date.
    bool Add(const CMeeting& meeting);
    int EventCount() const { return m_events; }
    // The calendar as UTF-8 iCalendar text.
    QByteArray Text() const;
    // Writes the file whole or not at all.
    bool Save(const QString& path) const;

    // Writes a file of the one meeting into the folder and opens it with the desktop's calendar;
    // tells the user how it went. True when the calendar got the file.
    static bool SendToDesktop(const CMeeting& meeting, const QString& folder, IPlatform& platform,
                              IUserMessages* messages);

private:
    struct icalcomponent_impl* m_calendar;
    int m_events = 0;
};
