#include "seating/ui/TableDlg.h"
#include "controls/TableMenu.h"
#include "seating/ui/TablesView.h"

#include "controls/CommandIds.h"
#include "controls/ListCtrlEx.h"
#include "data/document/ViewHint.h"

#include "ModalScript.h"
#include "ViewTestEvent.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kCapacityText =
    QStringLiteral("מספר המוזמנים בשולחן זה גדול ממספר המקומות בו\r\nהאם להגדיל את מספר המושבים בשולחן זה בהתאמה ?");
const QString kCapacityCaption = QStringLiteral("מספר מוזמנים גדול");

struct HintRecord
{
    QObject* sender;
    int hint;
    CHintObject* object;
};

class TablesViewTest : public ::testing::Test
{
protected:
    void Show()
    {
        m_view = std::make_unique<CTablesView>(m_event.Doc());
        m_view->resize(1000, 600);
        m_view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_view.get()));
        QObject::connect(&m_event.Doc(), &CNewZelDoc::Hint, m_view.get(),
                         [this](QObject* sender, int hint, CHintObject* object) { m_hints.append({sender, hint, object}); });
    }

    void ClickRow(CListCtrlEx* list, int row, Qt::KeyboardModifiers modifiers = {})
    {
        const QRect cell = list->visualRect(list->model()->index(row, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, cell.center());
    }

    int CountHints(int hint) const
    {
        return int(std::count_if(m_hints.cbegin(), m_hints.cend(), [hint](const HintRecord& r) { return r.hint == hint; }));
    }

    QList<QAction*> EntriesOf(QMenu* menu) const
    {
        QList<QAction*> entries;
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                entries.append(action);
        return entries;
    }

    CViewTestEvent m_event;
    std::unique_ptr<CTablesView> m_view;
    QList<HintRecord> m_hints;
};

}

TEST_F(TablesViewTest, TheFirstShowingSelectsTableZeroWithTheButtonsOfTheRules)
{
    m_event.SetRealTables(3);
    Show();
    EXPECT_EQ(m_view->SelectedTable(), 0);
    EXPECT_FALSE(m_view->DeleteButton()->isEnabled());
    EXPECT_FALSE(m_view->UpButton()->isEnabled());
    EXPECT_FALSE(m_view->DownButton()->isEnabled());
    EXPECT_EQ(m_view->SummaryLabel()->text(), QStringLiteral(" 3 שולחנות "));

    const CTableListModel& model = m_view->TableModel();
    EXPECT_EQ(model.data(model.index(0, CTableListModel::ColHall), Qt::DisplayRole).toString(), QStringLiteral("--"));
    EXPECT_EQ(model.data(model.index(0, CTableListModel::ColSeats), Qt::DisplayRole).toString(), QStringLiteral("--"));
    EXPECT_EQ(model.data(model.index(2, CTableListModel::ColName), Qt::DisplayRole).toString(), QStringLiteral("T2"));

    ClickRow(m_view->TablesList(), 1);
    EXPECT_TRUE(m_view->DeleteButton()->isEnabled());
    EXPECT_FALSE(m_view->UpButton()->isEnabled());
    EXPECT_TRUE(m_view->DownButton()->isEnabled());
    ClickRow(m_view->TablesList(), 3);
    EXPECT_TRUE(m_view->UpButton()->isEnabled());
    EXPECT_FALSE(m_view->DownButton()->isEnabled());
    ASSERT_FALSE(m_hints.isEmpty());
    EXPECT_EQ(m_hints.back().hint, HINT_TABLE_SELECTED);
    EXPECT_EQ(m_hints.back().object, m_event.Doc().Tables()[3]);
}

TEST_F(TablesViewTest, DeletingTableThreeOfZeroToFiveRenumbersTheTablesAndTheirGuests)
{
    m_event.SetRealTables(5);
    QList<CGuest*> guests;
    for (int t = 0; t <= 5; ++t)
        guests.append(m_event.AddGuest(QStringLiteral("guest%1").arg(t), QString(), 1, t));
    Show();
    ClickRow(m_view->TablesList(), 3);
    m_event.Messages().Answer({MSG_RESULT_NO, MSG_RESULT_YES});

    QTest::mouseClick(m_view->DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(m_event.Doc().Tables().size(), 6);

    QTest::mouseClick(m_view->DeleteButton(), Qt::LeftButton);
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 2);
    EXPECT_EQ(m_event.Messages().ShownMessages()[1].text,
              QStringLiteral("?האם את/ה בטוח/ה שברצונך למחוק שולחן זה\r\n המוזמנים יועברו לרשימת הבילתי משובצים"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[1].caption, QStringLiteral("מחיקה?"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[1].buttons, MSG_YES_NO);

    const QList<CTable*>& tables = m_event.Doc().Tables();
    ASSERT_EQ(tables.size(), 5);
    EXPECT_EQ(tables[3]->GetName(), QStringLiteral("T4"));
    EXPECT_EQ(tables[4]->GetName(), QStringLiteral("T5"));
    EXPECT_EQ(tables[3]->GetId(), 3);
    EXPECT_EQ(guests[3]->GetTableIndex(), 0);
    EXPECT_EQ(guests[4]->GetTableIndex(), 3);
    EXPECT_EQ(guests[5]->GetTableIndex(), 4);
    EXPECT_EQ(guests[2]->GetTableIndex(), 2);
    EXPECT_EQ(CountHints(HINT_TABLE_DELETING), 1);

    EXPECT_EQ(m_view->SelectedTable(), 3);
    EXPECT_EQ(m_view->TableModel().rowCount(), 5);
    EXPECT_EQ(m_view->SummaryLabel()->text(), QStringLiteral(" 4 שולחנות "));
    EXPECT_EQ(m_view->GuestModel().GuestAt(0), guests[4]);
}

TEST_F(TablesViewTest, AnEmptyTableGoesWithoutAQuestionAndTheLastRowSelectsTheOneBefore)
{
    m_event.SetRealTables(2);
    Show();
    ClickRow(m_view->TablesList(), 2);
    m_view->TablesList()->setFocus();
    QTest::keyClick(m_view->TablesList(), Qt::Key_Delete);
    EXPECT_TRUE(m_event.Messages().ShownMessages().isEmpty());
    EXPECT_EQ(m_event.Doc().Tables().size(), 2);
    EXPECT_EQ(m_view->SelectedTable(), 1);

    // Table 0 stays, whatever asks.
    m_view->DeleteTable(0);
    m_view->SelectTable(0);
    EXPECT_FALSE(m_view->IsCommandEnabled(ID_OBJECT_DELETE));
    m_view->OnCommand(ID_OBJECT_DELETE);
    EXPECT_EQ(m_event.Doc().Tables().size(), 2);
}

TEST_F(TablesViewTest, EditingTableZeroOnlyExplainsIt)
{
    Show();
    m_view->OnCommand(ID_OBJECT_EDIT);
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("הסבר"));
    EXPECT_TRUE(m_event.Messages().ShownMessages()[0].text.startsWith(QStringLiteral("כאן נמצאים כל המוזמנים הבילתי משובצים. \r\n")));
}

TEST_F(TablesViewTest, TheMoveMenuHoldsSubMenusOfTenForTheRealTables)
{
    const QString unseated = QStringLiteral("בילתי משובצים");
    const QString details = QStringLiteral("עבור לפרטי המוזמן");
    for (int count : {0, 10, 11}) {
        SCOPED_TRACE(count);
        m_event.SetRealTables(count);
        Show();
        std::unique_ptr<CTableMenu> menu(m_view->BuildMoveMenu(nullptr));
        EXPECT_EQ(menu->title(), QStringLiteral("העבר לשולחן"));
        const QList<QAction*> entries = EntriesOf(menu.get());
        ASSERT_EQ(entries.size(), 2 + (count + 9) / 10);
        EXPECT_EQ(entries.front()->text(), unseated);
        EXPECT_TRUE(entries.front()->isChecked());
        EXPECT_EQ(entries.back()->text(), details);
        ASSERT_EQ(menu->SubMenus().size(), (count + 9) / 10);
        if (count >= 10) {
            EXPECT_EQ(menu->SubMenus()[0]->title(), QStringLiteral("1-10"));
            EXPECT_EQ(menu->SubMenus()[0]->actions().size(), 10);
            EXPECT_EQ(menu->SubMenus()[0]->actions()[9]->text(), QStringLiteral("10 (T10)"));
        }
        if (count == 11) {
            EXPECT_EQ(menu->SubMenus()[1]->title(), QStringLiteral("11-20"));
            ASSERT_EQ(menu->SubMenus()[1]->actions().size(), 1);
            EXPECT_EQ(menu->SubMenus()[1]->actions()[0]->text(), QStringLiteral("11 (T11)"));
            EXPECT_EQ(CTableMenu::TableOf(menu->SubMenus()[1]->actions()[0]), 11);
        }
        m_view.reset();
    }
}

TEST_F(TablesViewTest, ARightClickOnTheSelectedGuestMovesItThroughTheMenu)
{
    m_event.SetRealTables(3);
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"), 2, 0);
    Show();
    ClickRow(m_view->GuestsList(), 0);
    CModalScript script;
    // The menu: unseated, "1-10", details. Down twice reaches "1-10", Enter opens it, then table 2.
    script.Then([](QWidget* menu) {
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    // A sub-menu opened from the keyboard starts on its first entry.
    script.Then([](QWidget* sub) {
        QTest::keyClick(sub, Qt::Key_Down);
        QTest::keyClick(sub, Qt::Key_Return);
    });
    const QPoint point = m_view->GuestsList()->visualRect(m_view->GuestModel().index(0, 0)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, m_view->GuestsList()->viewport()->mapToGlobal(point));
    QApplication::sendEvent(m_view->GuestsList()->viewport(), &event);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(guest->GetTableIndex(), 2);
    EXPECT_EQ(m_view->GuestModel().rowCount(), 0);
    const CTableListModel& model = m_view->TableModel();
    EXPECT_EQ(model.data(model.index(2, CTableListModel::ColGuests), Qt::DisplayRole).toString(), QStringLiteral("2"));
    EXPECT_TRUE(m_event.Doc().IsModified());
}

TEST_F(TablesViewTest, TheCapacityQuestionAnsweredYesNoAndCancel)
{
    m_event.SetRealTables(1, 8);
    m_event.AddGuest(QStringLiteral("יושב"), QString(), 6, 1);
    CGuest* mover = m_event.AddGuest(QStringLiteral("עובר"), QString(), 4, 0);
    Show();

    struct Case
    {
        int answer;
        int table;
        int seats;
    };
    for (const Case& c : {Case{MSG_RESULT_CANCEL, 0, 8}, Case{MSG_RESULT_NO, 1, 8}, Case{MSG_RESULT_YES, 1, 10}}) {
        SCOPED_TRACE(c.answer);
        mover->SetTableIndex(0);
        m_event.Doc().Tables()[1]->SetSeats(8);
        m_view->SelectTable(0);
        m_view->GuestsList()->SelectRow(m_view->GuestModel().RowOf(mover));
        m_event.Messages().Forget();
        m_event.Messages().Answer({c.answer});
        m_view->MoveSelectedGuests(1);
        ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
        EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, kCapacityText);
        EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, kCapacityCaption);
        EXPECT_EQ(m_event.Messages().ShownMessages()[0].buttons, MSG_YES_NO_CANCEL);
        EXPECT_EQ(mover->GetTableIndex(), c.table);
        EXPECT_EQ(m_event.Doc().Tables()[1]->GetSeats(), c.seats);
        EXPECT_EQ(m_view->TableModel().IsOverCapacity(1), c.answer == MSG_RESULT_NO);
        const QModelIndex number = m_view->TableModel().index(1, CTableListModel::ColNumber);
        EXPECT_EQ(m_view->TableModel().data(number, Qt::DecorationRole).isValid(), c.answer == MSG_RESULT_NO);
    }
}

TEST_F(TablesViewTest, TheRestrictionQuestionNamesBothGuestsAndNoRefusesOnlyThatGuest)
{
    m_event.SetRealTables(1, 20);
    CGuest* seated = m_event.AddGuest(QStringLiteral("רון"), QStringLiteral("כהן"), 2, 1);
    CGuest* restricted = m_event.AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"), 2, 0);
    CGuest* free = m_event.AddGuest(QStringLiteral("אבי"), QString(), 2, 0);
    restricted->AddRestriction(seated->GetFullName(), false);
    Show();
    m_view->GuestsList()->SelectRow(m_view->GuestModel().RowOf(restricted));
    ClickRow(m_view->GuestsList(), m_view->GuestModel().RowOf(free), Qt::ControlModifier);
    ASSERT_EQ(m_view->GuestsList()->SelectedRows().size(), 2);

    m_event.Messages().Answer({MSG_RESULT_NO});
    m_view->MoveSelectedGuests(1);
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text,
              QStringLiteral("המוזמנים 'דנה לוי' לא יכולים לשבת\r\nעם המוזמנים 'רון כהן'.\r\nהאם להעבירם בכל זאת?\r\n\r\n"
                             "ניתן לשנות הגדרות אילו ב\"פרטים נוספים\" של מוזמן זה."));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("בעיה בהושבת המוזמן"));
    EXPECT_EQ(restricted->GetTableIndex(), 0);
    EXPECT_EQ(free->GetTableIndex(), 1);

    // A closed box counts as no.
    m_view->GuestsList()->SelectRow(m_view->GuestModel().RowOf(restricted));
    m_event.Messages().Answer({MSG_RESULT_CANCEL});
    m_view->MoveSelectedGuests(1);
    EXPECT_EQ(restricted->GetTableIndex(), 0);

    m_view->GuestsList()->SelectRow(m_view->GuestModel().RowOf(restricted));
    m_event.Messages().Answer({MSG_RESULT_YES});
    m_view->MoveSelectedGuests(1);
    EXPECT_EQ(restricted->GetTableIndex(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages().size(), 3);
}

TEST_F(TablesViewTest, MovingToTheUnseatedListNeverAsksAndItsSeatsFollow)
{
    m_event.SetRealTables(1);
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QString(), 5, 1);
    Show();
    m_view->SelectTable(1);
    m_view->GuestsList()->SelectRow(0);
    m_view->MoveSelectedGuests(0);
    EXPECT_TRUE(m_event.Messages().ShownMessages().isEmpty());
    EXPECT_EQ(guest->GetTableIndex(), 0);
    EXPECT_EQ(m_event.Doc().Tables()[0]->GetSeats(), 5);
    EXPECT_FALSE(m_view->TableModel().IsOverCapacity(0));
}

TEST_F(TablesViewTest, AddingATableProposesTheDefaultsAndRefusesAHallNumberInUse)
{
    m_event.SetRealTables(2);
    m_event.Doc().Tables()[2]->SetHallNumber(4);
    m_event.Doc().Settings().SetNumberOfGuestsInTable(12);
    Show();
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CTableDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("פרטי השולחן"));
        EXPECT_EQ(dialog->NameField()->text(), QStringLiteral("לא משויך"));
        EXPECT_EQ(dialog->SeatsField()->value(), 12);
        EXPECT_EQ(dialog->HallField()->value(), 2);
        dialog->NameField()->setText(QStringLiteral("משפחה"));
        dialog->HallField()->setValue(4);
        dialog->accept();
    });
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CTableDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        // The values entered come back with the dialog.
        EXPECT_EQ(dialog->NameField()->text(), QStringLiteral("משפחה"));
        EXPECT_EQ(dialog->HallField()->value(), 4);
        dialog->HallField()->setValue(5);
        dialog->accept();
    });
    QTest::mouseClick(m_view->AddButton(), Qt::LeftButton);
    EXPECT_EQ(script.Pending(), 0);
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text,
              QStringLiteral("המיקום של השולחן הנוכחי כבר בשימוש על ידי\r\nשולחן 2 (T2)"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("שולחן כבר תפוס!"));
    ASSERT_EQ(m_event.Doc().Tables().size(), 4);
    EXPECT_EQ(m_event.Doc().Tables()[3]->GetName(), QStringLiteral("משפחה"));
    EXPECT_EQ(m_event.Doc().Tables()[3]->GetHallNumber(), 5);
    EXPECT_EQ(m_event.Doc().Tables()[3]->GetSeats(), 12);
    EXPECT_EQ(m_view->SelectedTable(), 3);
    EXPECT_EQ(m_view->TableModel().rowCount(), 4);
}

TEST_F(TablesViewTest, EditingKeepsItsOwnHallNumberAndAnEmptyNameBecomesTheDefault)
{
    m_event.SetRealTables(2);
    Show();
    m_view->SelectTable(2);
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CTableDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("פרטי השולחן (שולחן 2)"));
        dialog->NameField()->clear();
        dialog->SeatsField()->setValue(14);
        dialog->accept();
    });
    m_hints.clear();
    m_view->OnCommand(ID_OBJECT_EDIT);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_TRUE(m_event.Messages().ShownMessages().isEmpty());
    CTable* table = m_event.Doc().Tables()[2];
    EXPECT_EQ(table->GetName(), QStringLiteral("לא משויך"));
    EXPECT_EQ(table->GetSeats(), 14);
    ASSERT_EQ(CountHints(HINT_TABLE_CHANGED), 1);
    EXPECT_EQ(m_hints.back().object, table);
}

TEST_F(TablesViewTest, UpAndDownSwapTheTablesWithTheirGuests)
{
    m_event.SetRealTables(3);
    CGuest* atTwo = m_event.AddGuest(QStringLiteral("שני"), QString(), 2, 2);
    Show();
    ClickRow(m_view->TablesList(), 2);
    QTest::mouseClick(m_view->UpButton(), Qt::LeftButton);
    EXPECT_EQ(m_event.Doc().Tables()[1]->GetName(), QStringLiteral("T2"));
    EXPECT_EQ(atTwo->GetTableIndex(), 1);
    EXPECT_EQ(m_view->SelectedTable(), 1);
    QTest::mouseClick(m_view->DownButton(), Qt::LeftButton);
    QTest::mouseClick(m_view->DownButton(), Qt::LeftButton);
    EXPECT_EQ(m_event.Doc().Tables()[3]->GetName(), QStringLiteral("T2"));
    EXPECT_EQ(atTwo->GetTableIndex(), 3);
    EXPECT_EQ(m_view->SelectedTable(), 3);
    EXPECT_FALSE(m_view->DownButton()->isEnabled());
}

TEST_F(TablesViewTest, HintsOfOtherPagesKeepTheListsInStep)
{
    m_event.SetRealTables(2);
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QString(), 3, 1);
    Show();
    QObject other;
    m_event.Doc().UpdateAllViews(&other, HINT_TABLE_SELECTED, m_event.Doc().Tables()[1]);
    EXPECT_EQ(m_view->SelectedTable(), 1);
    EXPECT_EQ(m_view->GuestModel().GuestAt(0), guest);

    // A seat changed elsewhere shows at once.
    guest->SetTableIndex(2);
    EXPECT_EQ(m_view->GuestModel().rowCount(), 0);
    const CTableListModel& model = m_view->TableModel();
    EXPECT_EQ(model.data(model.index(2, CTableListModel::ColGuests), Qt::DisplayRole).toString(), QStringLiteral("3"));

    guest->SetComing(5);
    m_event.Doc().UpdateAllViews(&other, HINT_GUEST_CHANGED, guest);
    EXPECT_EQ(model.data(model.index(2, CTableListModel::ColGuests), Qt::DisplayRole).toString(), QStringLiteral("5"));

    m_event.Messages().Answer({MSG_RESULT_YES});
    m_event.Doc().UpdateAllViews(&other, HINT_TABLE_DELETING, m_event.Doc().Tables()[2]);
    EXPECT_EQ(m_event.Doc().Tables().size(), 2);
    EXPECT_EQ(guest->GetTableIndex(), 0);
}

TEST_F(TablesViewTest, MovingAThousandSelectedGuestsSendsOneTableHint)
{
    m_event.SetRealTables(1, 5000);
    for (int i = 0; i < 1000; ++i)
        m_event.AddGuest(QStringLiteral("g%1").arg(i, 4, 10, QLatin1Char('0')), QString(), 2, 0);
    Show();
    m_view->SelectTable(0);
    m_view->GuestsList()->setFocus();
    QTest::keyClick(m_view->GuestsList(), Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(m_view->GuestsList()->SelectedRows().size(), 1000);

    m_hints.clear();
    m_view->MoveSelectedGuests(1);
    EXPECT_EQ(CountHints(HINT_TABLE_CHANGED), 1);
    EXPECT_EQ(m_event.Doc().GuestsAtTable(1).size(), 1000);
    EXPECT_TRUE(m_event.Messages().ShownMessages().isEmpty());
}
