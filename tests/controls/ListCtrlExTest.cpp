#include "controls/ListCtrlCallBack.h"
#include "controls/ListCtrlEx.h"

#include "support/ScriptedMessages.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// Columns: 0 not editable, 1 text, 2 drop-down, 3 number, 4 custom.
class CRecordingCallBack : public IListCtrlCallBack
{
public:
    struct Commit
    {
        int column;
        int row;
        QString oldText;
        QString newText;
    };

    int OnCommitCell(int column, int row, const QString& oldText, const QString& newText) override
    {
        commits.append({column, row, oldText, newText});
        return answers.isEmpty() ? int(CommitAccepted) : answers.takeFirst();
    }
    bool MayEditCell(int column, int row, QString& message) override
    {
        if (column == refusedColumn) {
            message = refusal;
            return false;
        }
        return true;
    }
    void GetCellChoices(int, int, QStringList& choices, int& current) override
    {
        choices = {QStringLiteral("הכלה"), QStringLiteral("החתן"), QStringLiteral("משותף")};
        current = 1;
    }
    bool EditCustomCell(int column, int row, QString& text) override
    {
        ++customCalls;
        text = customText;
        return !customText.isEmpty();
    }

    QList<Commit> commits;
    QList<int> answers;
    int refusedColumn = -1;
    QString refusal;
    int customCalls = 0;
    QString customText;
};

class ListCtrlExTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_model.setRowCount(3);
        m_model.setColumnCount(5);
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 5; ++column)
                m_model.setItem(row, column, new QStandardItem(QStringLiteral("r%1c%2").arg(row).arg(column)));
        for (int row = 0; row < 3; ++row) {
            m_model.item(row, 2)->setText(QStringLiteral("החתן"));
            m_model.item(row, 3)->setText(QString::number(row + 1));
        }
        m_list.setModel(&m_model);
        m_list.SetCallBack(&m_callBack);
        m_list.SetMessages(&m_messages);
        m_list.SetColumnEditKind(1, CellEditKind::Text);
        m_list.SetColumnEditKind(2, CellEditKind::DropDown);
        m_list.SetColumnEditKind(3, CellEditKind::Number);
        m_list.SetColumnEditKind(4, CellEditKind::Custom);
        for (int column = 0; column < 5; ++column)
            m_list.setColumnWidth(column, 100);
        m_list.resize(600, 200);
        m_list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_list));
        m_list.setFocus();
    }

    void ClickCell(int row, int column)
    {
        QTest::mouseClick(m_list.viewport(), Qt::LeftButton, {}, m_list.visualRect(m_model.index(row, column)).center());
    }

    QLineEdit* Line() const { return m_list.Editor() ? m_list.Editor()->LineEdit() : nullptr; }

    QStandardItemModel m_model;
    CListCtrlEx m_list;
    CRecordingCallBack m_callBack;
    CScriptedMessages m_messages;
};

}

TEST_F(ListCtrlExTest, F2AndEnterEditTheCurrentCellOnlyWhenItsColumnIsEditable)
{
    ClickCell(1, 0);
    QTest::keyClick(&m_list, Qt::Key_F2);
    EXPECT_FALSE(m_list.IsEditing());

    ClickCell(1, 1);
    QTest::keyClick(&m_list, Qt::Key_F2);
    ASSERT_TRUE(m_list.IsEditing());
    EXPECT_EQ(m_list.EditRow(), 1);
    EXPECT_EQ(m_list.EditColumn(), 1);
    ASSERT_NE(Line(), nullptr);
    EXPECT_EQ(Line()->text(), QStringLiteral("r1c1"));
    QTest::keyClick(Line(), Qt::Key_Escape);
    EXPECT_FALSE(m_list.IsEditing());
    EXPECT_TRUE(m_callBack.commits.isEmpty());

    QTest::keyClick(&m_list, Qt::Key_Return);
    EXPECT_TRUE(m_list.IsEditing());
}

TEST_F(ListCtrlExTest, EnterCommitsTheTrimmedTextAndAnAcceptedTextShowsInTheCell)
{
    ClickCell(0, 1);
    QTest::keyClick(&m_list, Qt::Key_F2);
    ASSERT_NE(Line(), nullptr);
    Line()->setText(QStringLiteral("  שלום"));
    QTest::keyClicks(Line(), QStringLiteral("  "));
    QTest::keyClick(Line(), Qt::Key_Return);

    ASSERT_EQ(m_callBack.commits.size(), 1);
    EXPECT_EQ(m_callBack.commits[0].column, 1);
    EXPECT_EQ(m_callBack.commits[0].row, 0);
    EXPECT_EQ(m_callBack.commits[0].oldText, QStringLiteral("r0c1"));
    EXPECT_EQ(m_callBack.commits[0].newText, QStringLiteral("שלום"));
    EXPECT_FALSE(m_list.IsEditing());
    EXPECT_EQ(m_list.CellText(0, 1), QStringLiteral("שלום"));
}

TEST_F(ListCtrlExTest, AnUnchangedTextIsNotCommitted)
{
    ClickCell(2, 1);
    QTest::keyClick(&m_list, Qt::Key_F2);
    ASSERT_NE(Line(), nullptr);
    Line()->setText(QStringLiteral(" r2c1 "));
    QTest::keyClick(Line(), Qt::Key_Return);
    EXPECT_TRUE(m_callBack.commits.isEmpty());
    EXPECT_FALSE(m_list.IsEditing());
}

TEST_F(ListCtrlExTest, ARejectedTextRestoresTheOldOneAndShowsTheTypingError)
{
    m_callBack.answers = {IListCtrlCallBack::CommitRejected};
    ClickCell(1, 1);
    QTest::keyClick(&m_list, Qt::Key_F2);
    ASSERT_NE(Line(), nullptr);
    Line()->setText(QStringLiteral("wrong"));
    QTest::keyClick(Line(), Qt::Key_Return);

    ASSERT_EQ(m_messages.ShownMessages().size(), 1);
    EXPECT_EQ(m_messages.ShownMessages()[0].text, QStringLiteral("הערך שהוקלד אינו מתאים לסוג שאפשרי לתא זה"));
    EXPECT_EQ(m_messages.ShownMessages()[0].caption, QStringLiteral("טעות הקלדה!"));
    ASSERT_TRUE(m_list.IsEditing());
    EXPECT_EQ(Line()->text(), QStringLiteral("r1c1"));
    EXPECT_EQ(m_list.CellText(1, 1), QStringLiteral("r1c1"));
}

TEST_F(ListCtrlExTest, AnIgnoredTextLeavesTheCellToTheOwner)
{
    m_callBack.answers = {IListCtrlCallBack::CommitIgnored};
    ClickCell(1, 1);
    QTest::keyClick(&m_list, Qt::Key_F2);
    ASSERT_NE(Line(), nullptr);
    Line()->setText(QStringLiteral("other"));
    QTest::keyClick(Line(), Qt::Key_Return);
    EXPECT_EQ(m_callBack.commits.size(), 1);
    EXPECT_FALSE(m_list.IsEditing());
    EXPECT_EQ(m_list.CellText(1, 1), QStringLiteral("r1c1"));
    EXPECT_TRUE(m_messages.ShownMessages().isEmpty());
}

TEST_F(ListCtrlExTest, TabAndShiftTabWalkTheEditableCellsRowAfterRow)
{
    ClickCell(0, 1);
    QTest::keyClick(&m_list, Qt::Key_F2);
    ASSERT_NE(Line(), nullptr);
    Line()->setText(QStringLiteral("changed"));
    QTest::keyClick(Line(), Qt::Key_Tab);
    ASSERT_EQ(m_callBack.commits.size(), 1);
    EXPECT_EQ(m_callBack.commits[0].newText, QStringLiteral("changed"));
    EXPECT_EQ(m_list.EditColumn(), 2);

    QTest::keyClick(m_list.Editor()->ComboBox(), Qt::Key_Tab);
    EXPECT_EQ(m_list.EditColumn(), 3);
    QTest::keyClick(Line(), Qt::Key_Tab);
    EXPECT_EQ(m_list.EditColumn(), 4);
    // Past the last editable column the walk goes on in the next row, skipping column 0.
    QTest::keyClick(Line(), Qt::Key_Tab);
    EXPECT_EQ(m_list.EditRow(), 1);
    EXPECT_EQ(m_list.EditColumn(), 1);

    QTest::keyClick(Line(), Qt::Key_Backtab);
    EXPECT_EQ(m_list.EditRow(), 0);
    EXPECT_EQ(m_list.EditColumn(), 4);
    QTest::keyClick(Line(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(m_list.EditRow(), 0);
    EXPECT_EQ(m_list.EditColumn(), 3);
    // Only the first cell was changed on the way.
    EXPECT_EQ(m_callBack.commits.size(), 1);
}

TEST_F(ListCtrlExTest, TabFromAListCellStartsTheNextEditableCellAndHiddenColumnsAreSkipped)
{
    m_list.setColumnHidden(2, true);
    ClickCell(1, 0);
    QTest::keyClick(&m_list, Qt::Key_Tab);
    ASSERT_TRUE(m_list.IsEditing());
    EXPECT_EQ(m_list.EditColumn(), 1);
    QTest::keyClick(Line(), Qt::Key_Tab);
    EXPECT_EQ(m_list.EditColumn(), 3);
}

TEST_F(ListCtrlExTest, ARejectedTabStaysInTheCell)
{
    m_callBack.answers = {IListCtrlCallBack::CommitRejected};
    ClickCell(0, 1);
    QTest::keyClick(&m_list, Qt::Key_F2);
    Line()->setText(QStringLiteral("bad"));
    QTest::keyClick(Line(), Qt::Key_Tab);
    EXPECT_EQ(m_list.EditColumn(), 1);
    EXPECT_EQ(Line()->text(), QStringLiteral("r0c1"));
}

TEST_F(ListCtrlExTest, ANumberCellTakesDigitsOnlyAndEmptyIsZero)
{
    ClickCell(1, 3);
    QTest::keyClick(&m_list, Qt::Key_F2);
    ASSERT_NE(Line(), nullptr);
    Line()->clear();
    QTest::keyClicks(Line(), QStringLiteral("a1b2"));
    EXPECT_EQ(Line()->text(), QStringLiteral("12"));
    QTest::keyClick(Line(), Qt::Key_Return);
    ASSERT_EQ(m_callBack.commits.size(), 1);
    EXPECT_EQ(m_callBack.commits[0].newText, QStringLiteral("12"));

    QTest::keyClick(&m_list, Qt::Key_F2);
    Line()->clear();
    QTest::keyClick(Line(), Qt::Key_Return);
    ASSERT_EQ(m_callBack.commits.size(), 2);
    EXPECT_EQ(m_callBack.commits[1].oldText, QStringLiteral("12"));
    EXPECT_EQ(m_callBack.commits[1].newText, QStringLiteral("0"));
    EXPECT_EQ(m_list.CellText(1, 3), QStringLiteral("0"));
}

TEST_F(ListCtrlExTest, ADropDownOffersTheOwnersChoicesAndCommitsThePickedOne)
{
    ClickCell(2, 2);
    QTest::keyClick(&m_list, Qt::Key_F2);
    ASSERT_TRUE(m_list.IsEditing());
    QComboBox* combo = m_list.Editor()->ComboBox();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), QStringLiteral("החתן"));
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Return);
    ASSERT_EQ(m_callBack.commits.size(), 1);
    EXPECT_EQ(m_callBack.commits[0].newText, QStringLiteral("משותף"));
    EXPECT_EQ(m_list.CellText(2, 2), QStringLiteral("משותף"));
}

TEST_F(ListCtrlExTest, ARefusalWithAMessageShowsItAndOpensNoEditor)
{
    m_callBack.refusedColumn = 1;
    m_callBack.refusal = QStringLiteral("לא עכשיו");
    ClickCell(0, 1);
    QTest::keyClick(&m_list, Qt::Key_F2);
    EXPECT_FALSE(m_list.IsEditing());
    ASSERT_EQ(m_messages.ShownMessages().size(), 1);
    EXPECT_EQ(m_messages.ShownMessages()[0].text, QStringLiteral("לא עכשיו"));

    m_callBack.refusal.clear();
    QTest::keyClick(&m_list, Qt::Key_F2);
    EXPECT_FALSE(m_list.IsEditing());
    EXPECT_EQ(m_messages.ShownMessages().size(), 1);
}

TEST_F(ListCtrlExTest, TheCustomButtonCoversAFifthOfTheCellAtItsTrailingEnd)
{
    m_callBack.customText = QStringLiteral("01.02.2024");
    for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        m_list.setLayoutDirection(direction);
        ClickCell(0, 4);
        QTest::keyClick(&m_list, Qt::Key_F2);
        ASSERT_TRUE(m_list.IsEditing());
        QToolButton* button = m_list.Editor()->CustomButton();
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QStringLiteral("."));
        QApplication::processEvents();
        const QRect cell = m_list.Editor()->rect();
        const QRect area = button->geometry();
        EXPECT_EQ(area.width(), cell.width() / 5);
        if (direction == Qt::LeftToRight)
            EXPECT_EQ(area.right(), cell.right());
        else
            EXPECT_EQ(area.left(), cell.left());
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_FALSE(m_list.IsEditing());
    }
    EXPECT_EQ(m_callBack.customCalls, 2);
    EXPECT_EQ(m_list.CellText(0, 4), QStringLiteral("01.02.2024"));
}

TEST_F(ListCtrlExTest, ALongPressEditsThePressedCell)
{
    const QPoint point = m_list.visualRect(m_model.index(2, 1)).center();
    QTest::mousePress(m_list.viewport(), Qt::LeftButton, {}, point);
    EXPECT_FALSE(m_list.IsEditing());
    QTest::qWait(700);
    EXPECT_TRUE(m_list.IsEditing());
    EXPECT_EQ(m_list.EditRow(), 2);
    QTest::mouseRelease(m_list.viewport(), Qt::LeftButton, {}, point);

    // A short click only selects.
    m_list.CancelEdit();
    ClickCell(1, 1);
    QTest::qWait(700);
    EXPECT_FALSE(m_list.IsEditing());
}

TEST_F(ListCtrlExTest, ALongPressOnADropDownOpensItsListAndAPickCommits)
{
    const QPoint point = m_list.visualRect(m_model.index(0, 2)).center();
    QTest::mousePress(m_list.viewport(), Qt::LeftButton, {}, point);
    QTest::qWait(700);
    QTest::mouseRelease(m_list.viewport(), Qt::LeftButton, {}, point);
    ASSERT_TRUE(m_list.IsEditing());
    QComboBox* combo = m_list.Editor()->ComboBox();
    ASSERT_TRUE(combo->view()->isVisible());
    EXPECT_TRUE(m_callBack.commits.isEmpty());
    QAbstractItemView* popup = combo->view();
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, popup->visualRect(popup->model()->index(0, 0)).center());
    // The pick is handed over once the list has closed.
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_callBack.commits.isEmpty(); }));
    ASSERT_EQ(m_callBack.commits.size(), 1);
    EXPECT_EQ(m_callBack.commits[0].newText, QStringLiteral("הכלה"));
    EXPECT_FALSE(m_list.IsEditing());
    EXPECT_EQ(m_list.CellText(0, 2), QStringLiteral("הכלה"));
}

TEST_F(ListCtrlExTest, LeavingTheEditorCommitsAndAModelResetDropsIt)
{
    QLineEdit elsewhere;
    elsewhere.show();
    ClickCell(0, 1);
    QTest::keyClick(&m_list, Qt::Key_F2);
    Line()->setText(QStringLiteral("left"));
    m_list.setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(m_callBack.commits.size(), 1);
    EXPECT_EQ(m_callBack.commits[0].newText, QStringLiteral("left"));

    QTest::keyClick(&m_list, Qt::Key_F2);
    ASSERT_TRUE(m_list.IsEditing());
    m_model.setRowCount(1);
    EXPECT_FALSE(m_list.IsEditing());
}
