#include "planner/core/MeetingCalendar.h"

#include "data/records/Meeting.h"
#include "support/ScriptedMessages.h"
#include "support/TestFiles.h"

#include "RecordingPlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <libical/ical.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct ParsedEvent
{
    QString summary;
    QString location;
    QString description;
    QString alarm;
    icaltimetype start;
    icaltimetype end;
};

QList<ParsedEvent> Parse(const QByteArray& text)
{
    QList<ParsedEvent> events;
    std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)> calendar(icalparser_parse_string(text.constData()),
                                                                            icalcomponent_free);
    if (!calendar)
        return events;
    for (icalcomponent* event = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        ParsedEvent parsed;
        parsed.summary = QString::fromUtf8(icalcomponent_get_summary(event));
        parsed.location = QString::fromUtf8(icalcomponent_get_location(event));
        parsed.description = QString::fromUtf8(icalcomponent_get_description(event));
        parsed.start = icalcomponent_get_dtstart(event);
        parsed.end = icalcomponent_get_dtend(event);
        if (icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT))
            parsed.alarm = QString::fromUtf8(icalcomponent_get_description(alarm));
        events.append(parsed);
    }
    return events;
}

std::unique_ptr<CMeeting> Meeting(const QString& subject, ShortDate date)
{
    auto meeting = std::make_unique<CMeeting>();
    meeting->SetName(subject);
    meeting->SetDate(date);
    return meeting;
}

TEST(MeetingCalendar, TheFileReadsBackWithItsDatesAndEscapedTexts)
{
    const QString awkward = QString::fromUtf8("Cake, wine; a\\b\r\nsecond line");
    auto tasting = Meeting(awkward, {2027, 3, 2});
    tasting->SetContactName("Dana");
    tasting->SetContactAddress("9 Cakes avenue, Ramat Gan");
    tasting->SetNotes("bring the list;\r\nand the menu");
    auto photographer = Meeting(QString::fromUtf8("צלם"), {2027, 12, 31});

    CMeetingCalendar calendar;
    ASSERT_TRUE(calendar.Add(*tasting));
    ASSERT_TRUE(calendar.Add(*photographer));
    EXPECT_EQ(calendar.EventCount(), 2);
    const QByteArray text = calendar.Text();
    // The escapes are iCalendar's, not a copy of the text.
    EXPECT_TRUE(text.contains("SUMMARY:Cake\\, wine\\; a\\\\b\\nsecond line")) << text.constData();

    const QList<ParsedEvent> events = Parse(text);
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events[0].summary, QString("Cake, wine; a\\b\nsecond line"));
    EXPECT_EQ(events[0].location, QString("9 Cakes avenue, Ramat Gan"));
    EXPECT_EQ(events[0].description,
              QString::fromUtf8("פגישה עם Dana בכתובת 9 Cakes avenue, Ramat Gan\nbring the list;\nand the menu"));
    EXPECT_EQ(events[0].alarm, events[0].description);
    EXPECT_TRUE(events[0].start.is_date);
    EXPECT_EQ(events[0].start.year, 2027);
    EXPECT_EQ(events[0].start.month, 3);
    EXPECT_EQ(events[0].start.day, 2);
    EXPECT_EQ(events[0].end.day, 3);
    EXPECT_EQ(events[1].summary, QString::fromUtf8("צלם"));
    EXPECT_EQ(events[1].end.year, 2028);
    EXPECT_EQ(events[1].end.month, 1);
    EXPECT_EQ(events[1].end.day, 1);
}

TEST(MeetingCalendar, AMeetingWithoutAValidDateIsLeftOut)
{
    CMeetingCalendar calendar;
    EXPECT_FALSE(calendar.Add(*Meeting("none", {0, 0, 0})));
    EXPECT_FALSE(calendar.Add(*Meeting("bad", {2027, 13, 40})));
    EXPECT_EQ(calendar.EventCount(), 0);
    EXPECT_TRUE(Parse(calendar.Text()).isEmpty());
}

class SendToDesktop : public ::testing::Test
{
protected:
    QTemporaryDir m_temp;
    CRecordingPlatform m_platform;
    CScriptedMessages m_messages;
};

TEST_F(SendToDesktop, TheCalendarOpensAWrittenFileAndThenTheUserHearsOfIt)
{
    auto meeting = Meeting("Hall", {2027, 6, 1});
    EXPECT_TRUE(CMeetingCalendar::SendToDesktop(*meeting, m_temp.path(), m_platform, &m_messages));
    ASSERT_EQ(m_platform.opened.size(), 1);
    EXPECT_EQ(QFileInfo(m_platform.opened[0]).absolutePath(), QDir(m_temp.path()).absolutePath());
    ASSERT_EQ(Parse(m_platform.contents[0]).size(), 1);
    EXPECT_EQ(Parse(m_platform.contents[0])[0].summary, QString("Hall"));
    ASSERT_EQ(m_messages.ShownMessages().size(), 1);
    EXPECT_EQ(m_messages.ShownMessages()[0].text, QString("הוספת תזכורת ל - Outlook הסתימה בהצלחה"));
    EXPECT_EQ(m_messages.ShownMessages()[0].caption, QString("הוספת תזכורת הסתימה"));
    EXPECT_EQ(m_messages.ShownMessages()[0].buttons, MSG_OK);
}

TEST_F(SendToDesktop, AFileThatCannotBeWrittenIsReportedAndNotOpened)
{
    // A file where the folder should be: no folder can be made there.
    ASSERT_TRUE(TestFiles::Write(m_temp.path() + "/blocker", "x"));
    auto meeting = Meeting("Hall", {2027, 6, 1});
    EXPECT_FALSE(CMeetingCalendar::SendToDesktop(*meeting, m_temp.path() + "/blocker/folder", m_platform, &m_messages));
    EXPECT_TRUE(m_platform.opened.isEmpty());
    ASSERT_EQ(m_messages.ShownMessages().size(), 1);
    EXPECT_EQ(m_messages.ShownMessages()[0].text, QString("הוספת פגישה ל Outlook נכשלה "));
    EXPECT_EQ(m_messages.ShownMessages()[0].caption, QString("הוספת פגישה נכשלה"));
}

TEST_F(SendToDesktop, ACalendarThatDoesNotOpenTheFileIsAFailure)
{
    m_platform.opens = false;
    auto meeting = Meeting("Hall", {2027, 6, 1});
    EXPECT_FALSE(CMeetingCalendar::SendToDesktop(*meeting, m_temp.path(), m_platform, &m_messages));
    ASSERT_EQ(m_messages.ShownMessages().size(), 1);
    EXPECT_EQ(m_messages.ShownMessages()[0].caption, QString("הוספת פגישה נכשלה"));
}

}
