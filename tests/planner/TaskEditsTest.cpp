#include "planner/core/TaskEdits.h"

#include "data/records/Task.h"
#include "data/storage/DataLocation.h"

#include "ViewTestEvent.h"

#include <gtest/gtest.h>

namespace {

class TaskEditsTest : public ::testing::Test
{
protected:
    CNewZelDoc& Doc() { return m_event.Doc(); }
    CTask& Root() { return Doc().RootTask(); }
    QByteArray SavedTasks()
    {
        EXPECT_TRUE(Doc().SaveEvent());
        return TestFiles::Read(Doc().Location().GetFilePath(FC_TASKS));
    }
    static QString Section(const CTask& task, const QList<const CTask*>& children = {})
    {
        QString text = QString("[Task%1]\r\nname=%2\r\ninfo=%3\r\nchecked=%4\r\n")
                           .arg(task.GetId())
                           .arg(task.GetName(), QString(task.GetInfo()).replace("\r\n", "<..>"))
                           .arg(task.IsChecked() ? 1 : 0);
        for (int n = 0; n < children.size(); ++n)
            text += QString("child%1=%2\r\n").arg(n).arg(children[n]->GetId());
        return text;
    }
    static QStringList Names(const CTask& parent)
    {
        QStringList names;
        for (int n = 0; n < parent.GetChildCount(); ++n)
            names.append(parent.GetChild(n)->GetName());
        return names;
    }

    CViewTestEvent m_event;
    CTaskEdits m_edits{m_event.Doc()};
};

TEST_F(TaskEditsTest, ATaskAndASubTaskAreWrittenToTasksIni)
{
    CTask* hall = m_edits.Add(Root(), "Hall", "visit three\r\nask for prices", false);
    ASSERT_NE(hall, nullptr);
    EXPECT_EQ(hall->GetParent(), &Root());
    CTask* deposit = m_edits.Add(*hall, "Deposit", QString(), true);
    ASSERT_NE(deposit, nullptr);
    EXPECT_EQ(deposit->GetParent(), hall);
    EXPECT_TRUE(Doc().IsModified());

    const QString expected = Section(Root(), {hall}) + Section(*hall, {deposit}) + Section(*deposit);
    EXPECT_EQ(SavedTasks(), TestFiles::Cp1255(expected));
    EXPECT_TRUE(expected.contains("info=visit three<..>ask for prices\r\n"));
}

TEST_F(TaskEditsTest, ANewSiblingStaysRightAfterTheChosenTaskAfterReopening)
{
    CTask* a = m_edits.Add(Root(), "A", QString(), false);
    CTask* b = m_edits.Add(Root(), "B", QString(), false);
    CTask* c = m_edits.Add(Root(), "C", QString(), false);
    // With a leaf chosen the new task goes right after it, not at the end.
    CTask* x = m_edits.Add(*a, "X", QString(), false);
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(Names(Root()), QStringList({"A", "X", "B", "C"}));

    EXPECT_EQ(SavedTasks(),
              TestFiles::Cp1255(Section(Root(), {a, x, b, c}) + Section(*a) + Section(*x) + Section(*b) + Section(*c)));
    m_event.Reopen();
    EXPECT_EQ(Names(Root()), QStringList({"A", "X", "B", "C"}));
}

TEST_F(TaskEditsTest, WithTheRootChosenANewTaskIsItsLastChild)
{
    m_edits.Add(Root(), "A", QString(), false);
    m_edits.Add(Root(), "B", QString(), false);
    EXPECT_EQ(Names(Root()), QStringList({"A", "B"}));
}

TEST_F(TaskEditsTest, AnEmptyNameIsNeverStored)
{
    EXPECT_EQ(m_edits.Add(Root(), QString(), "info", false), nullptr);
    EXPECT_EQ(Root().GetChildCount(), 0);
    CTask* task = m_edits.Add(Root(), "Flowers", QString(), false);
    Doc().SetModified(false);
    EXPECT_FALSE(m_edits.Rename(*task, QString()));
    EXPECT_FALSE(m_edits.Edit(*task, QString(), QString()));
    EXPECT_EQ(task->GetName(), QString("Flowers"));
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_TRUE(m_edits.Edit(*task, QString(), "white"));
    EXPECT_EQ(task->GetName(), QString("Flowers"));
    EXPECT_EQ(task->GetInfo(), QString("white"));

    ASSERT_TRUE(Doc().SaveEvent());
    m_event.Reopen();
    EXPECT_EQ(Names(Root()), QStringList({"Flowers"}));
}

TEST_F(TaskEditsTest, DeletingATaskTakesItsSubtreeAndTheRootStays)
{
    CTask* music = m_edits.Add(Root(), "Music", QString(), false);
    m_edits.Add(*music, "Band", QString(), true);
    m_edits.Add(*music, "DJ", QString(), true);
    m_edits.Add(Root(), "Cake", QString(), false);
    EXPECT_FALSE(m_edits.Delete(Root()));
    EXPECT_TRUE(m_edits.Delete(*music));
    EXPECT_EQ(Names(Root()), QStringList({"Cake"}));
    ASSERT_TRUE(Doc().SaveEvent());
    m_event.Reopen();
    EXPECT_EQ(Names(Root()), QStringList({"Cake"}));
    EXPECT_EQ(Root().GetChild(0)->GetChildCount(), 0);
}

TEST_F(TaskEditsTest, ADoneMarkIsStored)
{
    CTask* task = m_edits.Add(Root(), "Rings", QString(), false);
    Doc().SetModified(false);
    EXPECT_TRUE(m_edits.SetDone(*task, true));
    EXPECT_TRUE(Doc().IsModified());
    ASSERT_TRUE(Doc().SaveEvent());
    m_event.Reopen();
    EXPECT_TRUE(Root().GetChild(0)->IsChecked());
}

}
