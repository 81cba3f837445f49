#include "seating/ui/AproveGuestComming.h"
#include "seating/ui/RealTimeView.h"
#include "seating/ui/SelectTableDlg.h"
#include "seating/ui/WalkInGuestDlg.h"

#include "controls/ListCtrlEx.h"

#include "ModalScript.h"
#include "ViewTestEvent.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// A check box takes clicks on its mark and text only.
void ClickBox(QCheckBox* box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect area = box->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, area.center());
}

class RealTimeViewTest : public ::testing::Test
{
protected:
    void Show()
    {
        m_view = std::make_unique<CRealTimeView>(m_event.Doc());
        m_view->resize(1100, 700);
        m_view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_view.get()));
    }
    void ClickGuest(const CGuest* guest)
    {
        CListCtrlEx* list = m_view->GuestsList();
        const int row = m_view->GuestModel().RowOf(guest);
        ASSERT_GE(row, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(row, CArrivalGuestsModel::ColName)).center());
    }
    QStringList TableRows() const
    {
        QStringList rows;
        const CArrivalTablesModel& model = m_view->TableModel();
        for (int row = 0; row < model.rowCount(); ++row)
            rows.append(model.index(row, CArrivalTablesModel::ColName).data().toString() + QLatin1Char(':') +
                        model.index(row, CArrivalTablesModel::ColFree).data().toString());
        return rows;
    }

    CViewTestEvent m_event;
    std::unique_ptr<CRealTimeView> m_view;
};

}

TEST_F(RealTimeViewTest, TheListsShowTablesWithSeatsLeftAndGuestsNotYetArrivedAndTheSearchFindsByName)
{
    m_event.SetRealTables(2);
    CGuest* came = m_event.AddGuest(QStringLiteral("רון"), QStringLiteral("לוי"), 10, 1);
    came->SetCameCount(10);
    came->SetArrived(true);
    m_event.AddGuest(QStringLiteral("דנה"), QStringLiteral("כהן"), 3, 2);
    m_event.AddGuest(QStringLiteral("דני"), QStringLiteral("לוי"), 2, 0);
    Show();
    EXPECT_EQ(TableRows(), QStringList{QStringLiteral("T2:10")});
    EXPECT_EQ(m_view->GuestModel().rowCount(), 2);
    EXPECT_EQ(m_view->GuestsList()->CellText(0, CArrivalGuestsModel::ColTable), QStringLiteral("2"));

    TypeText(m_view->NameField(), QStringLiteral("דנ"));
    EXPECT_EQ(m_view->GuestModel().rowCount(), 2);
    TypeText(m_view->FamilyField(), QStringLiteral("לו"));
    ASSERT_EQ(m_view->GuestModel().rowCount(), 1);
    EXPECT_EQ(m_view->GuestsList()->CellText(0, CArrivalGuestsModel::ColName), QStringLiteral("דני"));

    ClickBox(m_view->OnlyWithSeatsBox());
    EXPECT_EQ(TableRows(), (QStringList{QStringLiteral("T1:0"), QStringLiteral("T2:10")}));
    m_view->NameField()->clear();
    ClickBox(m_view->OnlyNotArrivedBox());
    EXPECT_EQ(m_view->GuestModel().rowCount(), 2) << "both of the family name, the arrived one too";
}

TEST_F(RealTimeViewTest, AFamilyArrivingAtAFullTableIsAskedAboutThenSeatedAtAChosenTableAndSaved)
{
    m_event.SetRealTables(3);
    CGuest* early = m_event.AddGuest(QStringLiteral("א"), QString(), 8, 1);
    early->SetCameCount(8);
    early->SetArrived(true);
    CGuest* family = m_event.AddGuest(QStringLiteral("משפחת כהן"), QString(), 4, 1);
    m_event.AddGuest(QStringLiteral("ב"), QString(), 7, 2);
    m_event.Doc().SaveEvent();
    Show();
    ClickGuest(family);

    int proposed = 0;
    QStringList listed;
    CModalScript script;
    m_event.Messages().Answer({MSG_RESULT_OK, MSG_RESULT_NO, MSG_RESULT_OK});
    script.Then([&](QWidget* window) {
        auto* dialog = qobject_cast<CAproveGuestComming*>(window);
        ASSERT_NE(dialog, nullptr);
        proposed = dialog->CountField()->value();
        dialog->CountField()->selectAll();
        QTest::keyClicks(dialog->CountField(), QStringLiteral("0"));
        QTest::keyClick(dialog->CountField(), Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible()) << "no one came is refused";
        dialog->CountField()->selectAll();
        QTest::keyClicks(dialog->CountField(), QStringLiteral("4"));
        QTest::keyClick(dialog->CountField(), Qt::Key_Return);
    });
    script.Then([&](QWidget* window) {
        auto* dialog = qobject_cast<CSelectTableDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        for (int row = 0; row < dialog->List()->count(); ++row)
            listed.append(dialog->List()->item(row)->text());
        // A separator row takes no click; OK without a table is refused.
        QListWidget* list = dialog->List();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        EXPECT_EQ(dialog->Table(), -1);
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        EXPECT_EQ(dialog->Table(), 3);
        dialog->accept();
    });
    QTest::mouseClick(m_view->ArrivedButton(), Qt::LeftButton);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(proposed, 4);

    const auto& shown = m_event.Messages().ShownMessages();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].text, QStringLiteral("נא למלא את כמות המוזמנים שבאו בפועל"));
    EXPECT_EQ(shown[1].caption, QStringLiteral("לא נותר מקום בשולחן זה"));
    EXPECT_EQ(shown[2].text, QStringLiteral("צריך לבחור שולחן כלשהוא"));
    EXPECT_EQ(listed, (QStringList{QStringLiteral("T3 [10]"), QString(),
                                   QStringLiteral("==============================================="), QString(),
                                   QStringLiteral("T1 [2]"), QStringLiteral("T2 [3]")}));
    EXPECT_EQ(family->GetTableIndex(), 3);
    EXPECT_EQ(family->GetCameCount(), 4);
    EXPECT_TRUE(family->GetArrived());
    EXPECT_FALSE(m_event.Doc().IsModified()) << "saved at once";
    EXPECT_EQ(m_view->GuestModel().RowOf(family), -1);
    EXPECT_EQ(TableRows(), (QStringList{QStringLiteral("T1:2"), QStringLiteral("T2:10"), QStringLiteral("T3:6")}));
    EXPECT_EQ(m_view->TablesList()->SelectedRow(), 2) << "the table last marked";
}
