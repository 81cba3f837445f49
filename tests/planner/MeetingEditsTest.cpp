#include "planner/core/MeetingEdits.h"

#include "data/records/Meeting.h"

#include "ViewTestEvent.h"

#include <gtest/gtest.h>

namespace {

class MeetingEditsTest : public ::testing::Test
{
protected:
    MeetingEditsTest()
    {
        // The example meeting of a new event goes; each test dates its own.
        qDeleteAll(Doc().Meetings());
        Doc().EditRecords().meetings.clear();
        Doc().SetModified(false);
    }
    CNewZelDoc& Doc() { return m_event.Doc(); }
    CMeeting* Add(const QString& subject, ShortDate date)
    {
        CMeeting* meeting = m_edits.Add();
        meeting->SetName(subject);
        meeting->SetDate(date);
        return meeting;
    }
    QStringList Subjects()
    {
        QStringList subjects;
        for (const CMeeting* meeting : Doc().Meetings())
            subjects.append(meeting->GetName());
        return subjects;
    }

    CViewTestEvent m_event;
    CMeetingEdits m_edits{m_event.Doc()};
};

TEST_F(MeetingEditsTest, ANewMeetingIsDatedTodayWithTheNewMeetingSubjectAtTheEnd)
{
    Add("first", {2027, 5, 1});
    Doc().SetModified(false);
    CMeeting* meeting = m_edits.Add();
    EXPECT_EQ(Doc().Meetings().back(), meeting);
    EXPECT_EQ(meeting->GetName(), QString("פגישת תאום חדשה"));
    EXPECT_EQ(meeting->GetDate(), ShortDate::Today());
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(MeetingEditsTest, DeleteAsksAndKeepsTheMeetingOnNo)
{
    CMeeting* meeting = Add("caterer", {2027, 5, 1});
    Doc().SetModified(false);
    m_event.Messages().Answer({MSG_RESULT_NO});
    EXPECT_FALSE(m_edits.Delete(*meeting));
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QString("למחוק פגישה זו?"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QString("למחוק פגישה זו?"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].buttons, MSG_YES_NO);
    EXPECT_EQ(Doc().Meetings().size(), 1);
    EXPECT_FALSE(Doc().IsModified());

    m_event.Messages().Answer({MSG_RESULT_YES});
    EXPECT_TRUE(m_edits.Delete(*meeting));
    EXPECT_TRUE(Doc().Meetings().isEmpty());
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(MeetingEditsTest, MeetingsOfTheSameDayKeepTheirOrderThroughSortsBothWays)
{
    Add("May A", {2027, 5, 1});
    Add("March", {2027, 3, 9});
    Add("May B", {2027, 5, 1});
    Add("June", {2027, 6, 2});
    for (int n = 0; n < 3; ++n) {
        m_edits.SortByDate(false);
        EXPECT_EQ(Subjects(), QStringList({"June", "May A", "May B", "March"}));
        m_edits.SortByDate(true);
        EXPECT_EQ(Subjects(), QStringList({"March", "May A", "May B", "June"}));
    }
}

TEST_F(MeetingEditsTest, WritingThePaneMarksTheEventOnlyWhenAFieldChanged)
{
    CMeeting* meeting = Add("hall", {2027, 7, 7});
    Doc().SetModified(false);
    CMeetingEdits::Fields fields = CMeetingEdits::Read(*meeting);
    EXPECT_FALSE(m_edits.Write(*meeting, fields));
    EXPECT_FALSE(Doc().IsModified());

    fields.contactName = "Dana";
    fields.info = "line one\r\nline two";
    fields.date = {2027, 8, 1};
    EXPECT_TRUE(m_edits.Write(*meeting, fields));
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(meeting->GetContactName(), QString("Dana"));
    EXPECT_EQ(meeting->GetNotes(), QString("line one\r\nline two"));
    EXPECT_EQ(meeting->GetDate(), (ShortDate{2027, 8, 1}));
}

}
