#include "planner/core/TaskEdits.h"
#include "planner/ui/CreateTaskDlg.h"
#include "planner/ui/TasksTreeDlg.h"

#include "data/records/Task.h"

#include "ModalScript.h"
#include "ViewTestEvent.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class TasksTreeDlgTest : public ::testing::Test
{
protected:
    CNewZelDoc& Doc() { return m_event.Doc(); }
    CTask& Root() { return Doc().RootTask(); }
    void Open()
    {
        m_dialog = std::make_unique<CTasksTreeDlg>(&Doc());
        m_dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_dialog.get()));
        Tree()->setFocus();
    }
    QTreeWidget* Tree() const { return m_dialog->Tree(); }
    // A key in the tree; a modal window that just closed leaves no window active, so the dialog
    // is made the active one first, as the desktop does.
    void Press(int key, Qt::KeyboardModifiers modifiers = {})
    {
        m_dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_dialog.get()));
        Tree()->setFocus();
        QTest::keyClick(Tree(), Qt::Key(key), modifiers);
    }
    QTreeWidgetItem* RootItem() const { return Tree()->topLevelItem(0); }
    void Select(QTreeWidgetItem* item)
    {
        Tree()->scrollToItem(item);
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, Tree()->visualItemRect(item).center());
    }
    // The task dialog that the next key or click opens is filled and confirmed.
    void AnswerTaskDialog(const QString& name, const QString& info = QString(), bool subTask = false)
    {
        m_script.Then([name, info, subTask](QWidget* window) {
            auto* dialog = qobject_cast<CCreateTaskDlg*>(window);
            ASSERT_NE(dialog, nullptr);
            dialog->NameEdit()->selectAll();
            QTest::keyClicks(dialog->NameEdit(), name);
            dialog->InfoEdit()->setPlainText(info);
            if (subTask)
                dialog->SubTaskBox()->setChecked(true);
            QTest::keyClick(dialog->NameEdit(), Qt::Key_Return);
        });
    }
    static QStringList Names(const CTask& parent)
    {
        QStringList names;
        for (int n = 0; n < parent.GetChildCount(); ++n)
            names.append(parent.GetChild(n)->GetName());
        return names;
    }
    static QStringList ItemNames(const QTreeWidgetItem* parent)
    {
        QStringList names;
        for (int n = 0; n < parent->childCount(); ++n)
            names.append(parent->child(n)->text(0));
        return names;
    }

    CViewTestEvent m_event;
    CModalScript m_script;
    std::unique_ptr<CTasksTreeDlg> m_dialog;
};

TEST_F(TasksTreeDlgTest, TheTreeShowsEveryTaskWithItsDoneBoxAndTheRootSelected)
{
    CTaskEdits edits(Doc());
    CTask* music = edits.Add(Root(), "Music", "band or DJ", false);
    edits.Add(*music, "Band", QString(), true);
    edits.SetDone(*edits.Add(*music, "DJ", QString(), true), true);
    Open();
    EXPECT_EQ(m_dialog->windowTitle(), QString("עץ המשימות"));
    ASSERT_EQ(Tree()->topLevelItemCount(), 1);
    EXPECT_EQ(RootItem()->text(0), QString("משימות"));
    EXPECT_EQ(Tree()->currentItem(), RootItem());
    QTreeWidgetItem* musicItem = RootItem()->child(0);
    EXPECT_EQ(ItemNames(musicItem), QStringList({"Band", "DJ"}));
    EXPECT_EQ(musicItem->child(0)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(musicItem->child(1)->checkState(0), Qt::Checked);
    Select(musicItem);
    EXPECT_EQ(m_dialog->NameEdit()->text(), QString("Music"));
    EXPECT_EQ(m_dialog->InfoEdit()->toPlainText(), QString("band or DJ"));
}

TEST_F(TasksTreeDlgTest, ControlNAddsASiblingAfterTheSelectedLeafOrASubTask)
{
    CTaskEdits edits(Doc());
    edits.Add(Root(), "A", QString(), false);
    edits.Add(Root(), "B", QString(), false);
    Open();
    AnswerTaskDialog("Root child");
    Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Names(Root()), QStringList({"A", "B", "Root child"}));

    Select(RootItem()->child(0));
    AnswerTaskDialog("After A", "two\nlines");
    Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Names(Root()), QStringList({"A", "After A", "B", "Root child"}));
    EXPECT_EQ(ItemNames(RootItem()), QStringList({"A", "After A", "B", "Root child"}));
    EXPECT_EQ(Tree()->currentItem()->text(0), QString("After A"));
    EXPECT_EQ(Root().GetChild(1)->GetInfo(), QString("two\r\nlines"));

    AnswerTaskDialog("Under", QString(), true);
    QTest::mouseClick(m_dialog->AddButton(), Qt::LeftButton);
    EXPECT_EQ(Names(*Root().GetChild(1)), QStringList({"Under"}));
    EXPECT_EQ(ItemNames(RootItem()->child(1)), QStringList({"Under"}));
    EXPECT_EQ(m_script.Pending(), 0);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(TasksTreeDlgTest, AnEmptyNameIsRefusedByTheTaskDialog)
{
    Open();
    m_script.Then([this](QWidget* window) {
        auto* dialog = qobject_cast<CCreateTaskDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        m_script.Then([](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(message, nullptr);
            EXPECT_EQ(message->text(), QString("Can not create empty task"));
            message->accept();
        });
        QTest::keyClick(dialog->NameEdit(), Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Root().GetChildCount(), 0);
}

TEST_F(TasksTreeDlgTest, F2ChangesTheSelectedTask)
{
    CTaskEdits(Doc()).Add(Root(), "Cake", QString(), false);
    Open();
    Select(RootItem()->child(0));
    m_script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CCreateTaskDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->SubTaskBox()->isEnabled());
        EXPECT_EQ(dialog->NameEdit()->text(), QString("Cake"));
        dialog->NameEdit()->setText("Wedding cake");
        dialog->accept();
    });
    Press(Qt::Key_F2);
    EXPECT_EQ(m_script.Pending(), 0);
    EXPECT_EQ(Root().GetChild(0)->GetName(), QString("Wedding cake"));
    EXPECT_EQ(RootItem()->child(0)->text(0), QString("Wedding cake"));
    EXPECT_EQ(m_dialog->NameEdit()->text(), QString("Wedding cake"));
}

TEST_F(TasksTreeDlgTest, DeleteRemovesTheSubtreeAndLeavesTheRoot)
{
    CTaskEdits edits(Doc());
    CTask* music = edits.Add(Root(), "Music", QString(), false);
    edits.Add(*music, "Band", QString(), true);
    edits.Add(Root(), "Cake", QString(), false);
    Open();
    Press(Qt::Key_Delete);
    EXPECT_EQ(Names(Root()), QStringList({"Music", "Cake"}));
    Select(RootItem()->child(0));
    Press(Qt::Key_Delete);
    EXPECT_EQ(Names(Root()), QStringList({"Cake"}));
    EXPECT_EQ(ItemNames(RootItem()), QStringList({"Cake"}));
    EXPECT_EQ(m_dialog->NameEdit()->text(), Tree()->currentItem()->text(0));
}

TEST_F(TasksTreeDlgTest, SpaceTogglesTheDoneMarkLikeAClick)
{
    CTaskEdits(Doc()).Add(Root(), "Rings", QString(), false);
    CTaskEdits(Doc()).Add(Root(), "Dress", QString(), false);
    Doc().SetModified(false);
    Open();
    Select(RootItem()->child(0));
    Press(Qt::Key_Space);
    EXPECT_TRUE(Root().GetChild(0)->IsChecked());
    EXPECT_TRUE(Doc().IsModified());
    Press(Qt::Key_Space);
    EXPECT_FALSE(Root().GetChild(0)->IsChecked());

    QTreeWidgetItem* dress = RootItem()->child(1);
    const QRect row = Tree()->visualItemRect(dress);
    // The box sits at the row's leading edge, after the indentation.
    const int boxX = Tree()->isRightToLeft() ? row.right() - Tree()->indentation() / 2 - 2 : row.left() + Tree()->indentation() / 2 + 2;
    QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, QPoint(boxX, row.center().y()));
    EXPECT_EQ(dress->checkState(0), Qt::Checked);
    EXPECT_TRUE(Root().GetChild(1)->IsChecked());
}

TEST_F(TasksTreeDlgTest, EmptyingTheNameFieldKeepsTheName)
{
    CTaskEdits(Doc()).Add(Root(), "Photographer", QString(), false);
    Open();
    Select(RootItem()->child(0));
    m_dialog->NameEdit()->setFocus();
    m_dialog->NameEdit()->selectAll();
    QTest::keyClick(m_dialog->NameEdit(), Qt::Key_Backspace);
    EXPECT_EQ(Root().GetChild(0)->GetName(), QString("Photographer"));
    EXPECT_EQ(RootItem()->child(0)->text(0), QString("Photographer"));
    QTest::keyClicks(m_dialog->NameEdit(), "Video");
    EXPECT_EQ(Root().GetChild(0)->GetName(), QString("Video"));
    EXPECT_EQ(RootItem()->child(0)->text(0), QString("Video"));
    QTest::keyClicks(m_dialog->InfoEdit(), "x");
    EXPECT_EQ(Root().GetChild(0)->GetInfo(), QString("x"));
}

TEST_F(TasksTreeDlgTest, WithoutADocumentTheDialogIsEmpty)
{
    CTasksTreeDlg dialog(nullptr);
    EXPECT_EQ(dialog.Tree()->topLevelItemCount(), 0);
    QTest::keyClick(dialog.Tree(), Qt::Key_Delete);
    EXPECT_FALSE(dialog.NameEdit()->isEnabled());
}

}
