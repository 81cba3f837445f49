#include "planner/ui/DateDialog.h"
#include "planner/ui/MeetingView.h"
#include "planner/ui/TasksTreeDlg.h"

#include "controls/CommandIds.h"
#include "controls/ListCtrlEx.h"
#include "data/records/Meeting.h"

#include "ModalScript.h"
#include "RecordingPlatform.h"
#include "ViewTestEvent.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class MeetingViewTest : public ::testing::Test
{
protected:
    MeetingViewTest()
    {
        qDeleteAll(Doc().Meetings());
        Doc().EditRecords().meetings.clear();
    }
    CNewZelDoc& Doc() { return m_event.Doc(); }
    void AddMeeting(const QString& subject, ShortDate date)
    {
        auto* meeting = new CMeeting(&Doc().Counters());
        meeting->SetName(subject);
        meeting->SetDate(date);
        Doc().EditRecords().meetings.append(meeting);
    }
    // Four meetings in the order a load sorts them.
    void AddFour()
    {
        AddMeeting("March", {2027, 3, 9});
        AddMeeting("May A", {2027, 5, 1});
        AddMeeting("May B", {2027, 5, 1});
        AddMeeting("June", {2027, 6, 2});
    }
    void Show()
    {
        m_view = std::make_unique<CMeetingView>(Doc(), m_platform);
        m_view->resize(900, 500);
        m_view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_view.get()));
    }
    CListCtrlEx* List() const { return m_view->List(); }
    void ClickRow(int row)
    {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualRect(List()->model()->index(row, CMeetingView::ColumnSubject)).center());
    }
    void ClickDateHeader()
    {
        QHeaderView* header = List()->horizontalHeader();
        const int x = header->sectionViewportPosition(CMeetingView::ColumnDate) + header->sectionSize(CMeetingView::ColumnDate) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }
    QStringList Rows() const
    {
        QStringList rows;
        for (int row = 0; row < List()->model()->rowCount(); ++row)
            rows.append(List()->CellText(row, CMeetingView::ColumnSubject));
        return rows;
    }
    void DeleteWithKey(int answer)
    {
        m_event.Messages().Answer({answer});
        List()->setFocus();
        QTest::keyClick(List(), Qt::Key_Delete);
    }

    CViewTestEvent m_event;
    CRecordingPlatform m_platform;
    std::unique_ptr<CMeetingView> m_view;
};

TEST_F(MeetingViewTest, TheListShowsSubjectsAndDatesWithTheFirstRowInThePane)
{
    AddFour();
    Show();
    EXPECT_EQ(Rows(), QStringList({"March", "May A", "May B", "June"}));
    EXPECT_EQ(List()->CellText(0, CMeetingView::ColumnDate), QString("09.03.2027"));
    EXPECT_EQ(m_view->CurrentRow(), 0);
    EXPECT_EQ(m_view->SubjectEdit()->text(), QString("March"));
    EXPECT_EQ(m_view->DateText()->text(), QString("09.03.2027"));
    EXPECT_EQ(m_view->DatePicker()->date(), QDate(2027, 3, 9));
    EXPECT_TRUE(m_view->Pane()->isEnabled());
}

TEST_F(MeetingViewTest, DeletingAMiddleRowSelectsItsSuccessorAndTheLastRowItsPredecessor)
{
    AddFour();
    Show();
    ClickRow(1);
    DeleteWithKey(MSG_RESULT_NO);
    EXPECT_EQ(Rows().size(), 4);
    DeleteWithKey(MSG_RESULT_YES);
    EXPECT_EQ(m_event.Messages().ShownMessages().back().text, QString("למחוק פגישה זו?"));
    EXPECT_EQ(Rows(), QStringList({"March", "May B", "June"}));
    EXPECT_EQ(List()->SelectedRow(), 1);
    EXPECT_EQ(m_view->SubjectEdit()->text(), QString("May B"));

    ClickRow(2);
    DeleteWithKey(MSG_RESULT_YES);
    EXPECT_EQ(Rows(), QStringList({"March", "May B"}));
    EXPECT_EQ(List()->SelectedRow(), 1);
    EXPECT_EQ(m_view->SubjectEdit()->text(), QString("May B"));
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(MeetingViewTest, DeletingTheOnlyMeetingLeavesAnEmptyDisabledPane)
{
    AddMeeting("Only", {2027, 1, 2});
    Show();
    m_view->ContactNameEdit()->setText("someone");
    DeleteWithKey(MSG_RESULT_YES);
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_EQ(m_view->CurrentRow(), -1);
    EXPECT_TRUE(m_view->SubjectEdit()->text().isEmpty());
    EXPECT_TRUE(m_view->ContactNameEdit()->text().isEmpty());
    EXPECT_TRUE(m_view->DateText()->text().isEmpty());
    EXPECT_FALSE(m_view->Pane()->isEnabled());
    EXPECT_FALSE(m_view->IsCommandEnabled(ID_OBJECT_DELETE));
}

TEST_F(MeetingViewTest, TheFirstDateHeaderClickSortsNewestFirstAndTheSecondOldestFirst)
{
    AddFour();
    Show();
    ClickRow(2);
    ClickDateHeader();
    EXPECT_EQ(Rows(), QStringList({"June", "May A", "May B", "March"}));
    EXPECT_EQ(List()->SelectedRow(), 2);
    EXPECT_EQ(m_view->SubjectEdit()->text(), QString("May B"));
    ClickDateHeader();
    EXPECT_EQ(Rows(), QStringList({"March", "May A", "May B", "June"}));
    EXPECT_EQ(m_view->SubjectEdit()->text(), QString("May B"));
}

TEST_F(MeetingViewTest, TypedDetailsSurviveAHeaderClickAndAChangeOfRow)
{
    AddFour();
    Show();
    ClickRow(0);
    QTest::keyClicks(m_view->SubjectEdit(), " hall");
    EXPECT_EQ(List()->CellText(0, CMeetingView::ColumnSubject), QString("March hall"));
    QTest::keyClicks(m_view->PhoneEdit(), "03-5550000");
    m_view->InfoEdit()->setFocus();
    QTest::keyClicks(m_view->InfoEdit(), "one");
    QTest::keyClick(m_view->InfoEdit(), Qt::Key_Return);
    QTest::keyClicks(m_view->InfoEdit(), "two");
    ClickDateHeader();
    const CMeeting* march = Doc().Meetings().back();
    EXPECT_EQ(march->GetName(), QString("March hall"));
    EXPECT_EQ(march->GetContactPhone(), QString("03-5550000"));
    EXPECT_EQ(march->GetNotes(), QString("one\r\ntwo"));
    EXPECT_EQ(m_view->SubjectEdit()->text(), QString("March hall"));
    EXPECT_EQ(m_view->InfoEdit()->toPlainText(), QString("one\ntwo"));

    ClickRow(0);
    QTest::keyClicks(m_view->AddressEdit(), "Main street 1");
    ClickRow(3);
    EXPECT_EQ(Doc().Meetings()[0]->GetContactAddress(), QString("Main street 1"));
    EXPECT_EQ(m_view->AddressEdit()->text(), QString());
}

TEST_F(MeetingViewTest, ANewMeetingComesLastSelectedWithItsSubjectReady)
{
    AddFour();
    Show();
    ClickDateHeader();
    Doc().SetModified(false);
    QTest::mouseClick(m_view->NewButton(), Qt::LeftButton);
    EXPECT_EQ(Rows().size(), 5);
    EXPECT_EQ(Rows().back(), QString("פגישת תאום חדשה"));
    EXPECT_EQ(List()->SelectedRow(), 4);
    EXPECT_TRUE(m_view->SubjectEdit()->hasFocus());
    EXPECT_EQ(m_view->SubjectEdit()->selectedText(), QString("פגישת תאום חדשה"));
    EXPECT_TRUE(Doc().IsModified());
    QTest::keyClicks(m_view->SubjectEdit(), "Florist");
    EXPECT_EQ(Doc().Meetings().back()->GetName(), QString("Florist"));
    EXPECT_EQ(Rows().back(), QString("Florist"));
}

TEST_F(MeetingViewTest, TheDateDialogDatesTheMeetingAndSortsAscending)
{
    AddFour();
    Show();
    ClickDateHeader();
    ClickRow(0);
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CDateDialog*>(window);
        ASSERT_NE(dialog, nullptr);
        dialog->Calendar()->setSelectedDate(QDate(2027, 1, 15));
        dialog->accept();
    });
    QTest::mouseClick(m_view->DateButton(), Qt::LeftButton);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(Rows(), QStringList({"June", "March", "May A", "May B"}));
    EXPECT_EQ(List()->SelectedRow(), 0);
    EXPECT_EQ(m_view->DateText()->text(), QString("15.01.2027"));
    EXPECT_EQ(Doc().Meetings()[0]->GetDate(), (ShortDate{2027, 1, 15}));
}

TEST_F(MeetingViewTest, ChoosingTheSameDateLeavesTheEventUnmodifiedButSorts)
{
    AddFour();
    Show();
    ClickDateHeader();
    Doc().SetModified(false);
    CModalScript script;
    script.Then([](QWidget* window) { qobject_cast<CDateDialog*>(window)->accept(); });
    QTest::mouseClick(m_view->DateButton(), Qt::LeftButton);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(Rows(), QStringList({"March", "May A", "May B", "June"}));
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(MeetingViewTest, ThePickerDatesTheMeetingWithoutSorting)
{
    AddFour();
    Show();
    m_view->DatePicker()->setDate(QDate(2028, 2, 3));
    EXPECT_EQ(Doc().Meetings()[0]->GetDate(), (ShortDate{2028, 2, 3}));
    EXPECT_EQ(List()->CellText(0, CMeetingView::ColumnDate), QString("03.02.2028"));
    EXPECT_EQ(Rows().front(), QString("March"));
}

TEST_F(MeetingViewTest, TheCalendarButtonHandsTheMeetingToTheDesktop)
{
    QTemporaryDir temp;
    const bool hadTemp = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toUtf8());
    AddFour();
    Show();
    ClickRow(3);
    QTest::keyClicks(m_view->ContactNameEdit(), "Noa");
    QTest::mouseClick(m_view->CalendarButton(), Qt::LeftButton);
    if (hadTemp)
        qputenv("TMPDIR", oldTemp);
    else
        qunsetenv("TMPDIR");
    ASSERT_EQ(m_platform.contents.size(), 1);
    EXPECT_TRUE(m_platform.contents[0].contains("SUMMARY:June"));
    EXPECT_TRUE(m_platform.contents[0].contains("DTSTART;VALUE=DATE:20270602"));
    EXPECT_TRUE(m_platform.contents[0].contains("Noa"));
    EXPECT_EQ(m_event.Messages().ShownMessages().back().text, QString("הוספת תזכורת ל - Outlook הסתימה בהצלחה"));
}

TEST_F(MeetingViewTest, ControlTOpensTheTaskTree)
{
    Show();
    EXPECT_TRUE(m_view->HandlesCommand(ID_MEETING_TODAY));
    CModalScript script;
    script.Then([](QWidget* window) {
        EXPECT_NE(qobject_cast<CTasksTreeDlg*>(window), nullptr);
        window->close();
    });
    m_view->OnCommand(ID_MEETING_TODAY);
    EXPECT_EQ(script.Pending(), 0);
}

TEST_F(MeetingViewTest, AReloadRefillsTheList)
{
    Show();
    EXPECT_FALSE(m_view->Pane()->isEnabled());
    Doc().ReloadEvent();
    // A folder without meetings gets the example meeting.
    EXPECT_EQ(Rows().size(), 1);
    EXPECT_EQ(m_view->CurrentRow(), 0);
    EXPECT_TRUE(m_view->Pane()->isEnabled());
}

TEST_F(MeetingViewTest, TheEnglishInterfaceShowsMonthFirst)
{
    Language::Set(UiLanguage::English);
    AddFour();
    Show();
    EXPECT_EQ(List()->CellText(0, CMeetingView::ColumnDate), QString("03.09.2027"));
}

}
