#include "guests/ui/GuestColumns.h"
#include "guests/ui/GuestFilterBar.h"
#include "guests/ui/GuestInfoTab1.h"
#include "guests/ui/GuestInfoTab2.h"
#include "guests/ui/GuestsView.h"

#include "controls/CommandIds.h"
#include "controls/BalloonTip.h"
#include "controls/ListCtrlEx.h"
#include "data/document/ViewHint.h"
#include "controls/SearchTableDlg.h"
#include "seating/ui/TablesView.h"

#include "ModalScript.h"
#include "ViewTestEvent.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Col = CGuestListModel::Column;

class GuestsViewTest : public ::testing::Test
{
protected:
    void Show()
    {
        m_view = std::make_unique<CGuestsView>(m_event.Doc());
        m_view->resize(1300, 760);
        m_view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_view.get()));
        QObject::connect(&m_event.Doc(), &CNewZelDoc::Hint, m_view.get(),
                         [this](QObject* sender, int hint, CHintObject*) { m_hints.append({sender, hint}); });
    }

    // A radio button takes clicks on its mark and text only.
    static void ClickRadio(QRadioButton* radio)
    {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        const QRect area = radio->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, radio);
        QTest::mouseClick(radio, Qt::LeftButton, {}, area.center());
    }

    void ClickCell(int row, int column, Qt::MouseButton button = Qt::LeftButton)
    {
        CListCtrlEx* list = m_view->List();
        QTest::mouseClick(list->viewport(), button, {}, list->visualRect(list->model()->index(row, column)).center());
    }

    void SelectGuestRow(CGuest* guest) { ClickCell(m_view->Model().RowOf(guest), Col::ColNames); }
    QString Cell(int row, int column) const { return m_view->List()->CellText(row, column); }
    QString Statistic(int row, int column) const
    {
        const CGuestStatisticsModel& model = m_view->StatisticsModel();
        return model.data(model.index(row, column), Qt::DisplayRole).toString();
    }
    int Hints(int hint) const { return int(std::count_if(m_hints.cbegin(), m_hints.cend(), [hint](auto& h) { return h.second == hint; })); }

    CViewTestEvent m_event;
    std::unique_ptr<CGuestsView> m_view;
    QList<std::pair<QObject*, int>> m_hints;
};

}

TEST_F(GuestsViewTest, AnEmptyEventShowsAnEmptyListZerosAndEmptyPages)
{
    Show();
    EXPECT_EQ(m_view->Model().rowCount(), 0);
    EXPECT_EQ(Statistic(CGuestStatistics::Total, CGuestStatisticsModel::ColComing), QStringLiteral("0"));
    EXPECT_EQ(Statistic(CGuestStatistics::Total, CGuestStatisticsModel::ColInvitationSent), QStringLiteral("0      [0 מוזמנים]"));
    EXPECT_EQ(Statistic(CGuestStatistics::Total, CGuestStatisticsModel::ColLabel), QStringLiteral("סה\"כ"));
    EXPECT_FALSE(m_view->Tab1()->isEnabled());
    EXPECT_TRUE(m_view->Tab1()->NamesField()->text().isEmpty());
    EXPECT_FALSE(m_view->IsCommandEnabled(ID_OBJECT_DELETE));
}

TEST_F(GuestsViewTest, TheRowsShowEveryColumn)
{
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"), 3, 0, QStringLiteral("צבא"), QStringLiteral("הכלה"), 1);
    guest->SetInvitationSent(true);
    Show();
    EXPECT_EQ(Cell(0, Col::ColSerial), QStringLiteral("1"));
    EXPECT_EQ(Cell(0, Col::ColNames), QStringLiteral("דנה"));
    EXPECT_EQ(Cell(0, Col::ColFamily), QStringLiteral("לוי"));
    EXPECT_EQ(Cell(0, Col::ColRelation), QStringLiteral("הכלה"));
    EXPECT_EQ(Cell(0, Col::ColGroup), QStringLiteral("צבא"));
    EXPECT_EQ(Cell(0, Col::ColInvitationSent), QStringLiteral("כן"));
    EXPECT_EQ(Cell(0, Col::ColComing), QStringLiteral("3"));
    EXPECT_EQ(Cell(0, Col::ColStatus), QStringLiteral("אושר"));
    const QModelIndex status = m_view->Model().index(0, Col::ColStatus);
    EXPECT_EQ(m_view->Model().data(status, Qt::CheckStateRole).toInt(), int(Qt::Checked));
    EXPECT_FALSE(m_view->Model().data(status, Qt::DecorationRole).value<QIcon>().isNull());
    // Hidden by default: invitation sent, invited and coming.
    for (int column : {Col::ColInvitationSent, Col::ColInvited, Col::ColComing})
        EXPECT_FALSE(m_view->Columns()->IsVisible(column));
    EXPECT_EQ(m_view->List()->columnWidth(Col::ColGroup), 258);
}

TEST_F(GuestsViewTest, AddingTwiceReusesTheNewGuestThatWasNotRenamed)
{
    m_event.AddGroups({QStringLiteral("צבא"), QStringLiteral("עבודה")});
    m_event.AddGuest(QStringLiteral("רון"), QString(), 2, 0, QStringLiteral("עבודה"), QStringLiteral("החתן"), 1);
    Show();
    m_event.Doc().SetModified(false);
    QTest::mouseClick(m_view->AddButton(), Qt::LeftButton);
    ASSERT_EQ(m_event.Doc().Guests().size(), 2);
    CGuest* added = m_event.Doc().Guests().back();
    EXPECT_EQ(added->GetName(), QStringLiteral("מוזמן חדש"));
    EXPECT_EQ(added->GetGroupName(), QStringLiteral("עבודה"));
    EXPECT_EQ(added->GetRelation(), QStringLiteral("החתן"));
    EXPECT_EQ(added->GetStatus(), 0);
    EXPECT_EQ(m_view->ShownGuest(), added);
    EXPECT_TRUE(m_event.Doc().IsModified());
    EXPECT_EQ(m_view->Tabs()->currentWidget(), m_view->Tab1());
    EXPECT_EQ(m_view->Tab1()->NamesField()->selectedText(), QStringLiteral("מוזמן חדש"));
    // The adding page hears nothing of its own guest; the others hear hint 6.
    EXPECT_EQ(Hints(HINT_GUEST_ADDED), 1);

    ClickCell(0, Col::ColNames);
    QTest::mouseClick(m_view->AddButton(), Qt::LeftButton);
    EXPECT_EQ(m_event.Doc().Guests().size(), 2);
    EXPECT_EQ(m_view->ShownGuest(), added);
}

TEST_F(GuestsViewTest, DeletingAsksWithTheNamesAndSelectsTheRowThatTakesItsPlace)
{
    m_event.AddGuest(QStringLiteral("אבי"));
    m_event.AddGuest(QStringLiteral("בני"));
    CGuest* last = m_event.AddGuest(QStringLiteral("גדי"));
    Show();
    ClickCell(2, Col::ColNames);
    EXPECT_EQ(m_view->ShownGuest(), last);
    m_event.Messages().Answer({MSG_RESULT_NO, MSG_RESULT_YES, MSG_RESULT_YES, MSG_RESULT_YES});
    m_view->OnCommand(ID_OBJECT_DELETE);
    EXPECT_EQ(m_event.Doc().Guests().size(), 3);
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("האם את/ה בטוח/ה שברצונך למחוק את 'גדי' ?"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("מחיקת מוזמן?"));

    QTest::mouseClick(m_view->DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(m_event.Doc().Guests().size(), 2);
    EXPECT_EQ(m_view->ShownGuest()->GetName(), QStringLiteral("בני"));
    EXPECT_EQ(Hints(HINT_GUEST_DELETED), 1);

    ClickCell(0, Col::ColNames);
    m_view->List()->setFocus();
    QTest::keyClick(m_view->List(), Qt::Key_Delete);
    EXPECT_EQ(m_view->ShownGuest()->GetName(), QStringLiteral("בני"));
    EXPECT_EQ(Cell(0, Col::ColSerial), QStringLiteral("1"));
    m_view->DeleteGuest();
    EXPECT_EQ(m_view->ShownGuest(), nullptr);
    EXPECT_FALSE(m_view->Tab1()->isEnabled());
}

TEST_F(GuestsViewTest, HeaderClicksSortWithTheSharedNamesDirection)
{
    m_event.AddGuest(QStringLiteral("ב"), QStringLiteral("א"));
    m_event.AddGuest(QStringLiteral("א"), QStringLiteral("ג"));
    m_event.AddGuest(QStringLiteral("ג"), QStringLiteral("ב"));
    Show();
    auto names = [this] {
        QStringList texts;
        for (int row = 0; row < 3; ++row)
            texts.append(Cell(row, Col::ColNames));
        return texts.join(QString());
    };
    QHeaderView* header = m_view->List()->horizontalHeader();
    auto clickHeader = [header](int column) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2));
    };
    clickHeader(Col::ColNames);
    EXPECT_EQ(names(), QStringLiteral("אבג"));
    clickHeader(Col::ColNames);
    EXPECT_EQ(names(), QStringLiteral("גבא"));
    // The family name continues from the shared flag: ascending again.
    clickHeader(Col::ColFamily);
    EXPECT_EQ(names(), QStringLiteral("בגא"));
    clickHeader(Col::ColFamily);
    EXPECT_EQ(names(), QStringLiteral("אגב"));
    EXPECT_EQ(Cell(0, Col::ColSerial), QStringLiteral("1"));
    // The serial number does not sort.
    clickHeader(Col::ColSerial);
    EXPECT_EQ(names(), QStringLiteral("אגב"));
}

TEST_F(GuestsViewTest, AKeystrokeInTheNamesFilterShowsOnlyTheBeginningsAndCountsThem)
{
    m_event.AddGuest(QStringLiteral("Dana"), QString(), 2, 0, QString(), QStringLiteral("הכלה"));
    m_event.AddGuest(QStringLiteral("Adam Dan"), QString(), 3, 0, QString(), QStringLiteral("הכלה"));
    m_event.AddGuest(QStringLiteral("Daniel"), QString(), 4, 0, QString(), QStringLiteral("החתן"));
    Show();
    QLineEdit* filter = m_view->FilterBar()->FirstNamesEdit();
    QTest::keyClicks(filter, QStringLiteral("Da"));
    ASSERT_EQ(m_view->Model().rowCount(), 2);
    EXPECT_EQ(Cell(0, Col::ColNames), QStringLiteral("Dana"));
    EXPECT_EQ(Cell(1, Col::ColNames), QStringLiteral("Daniel"));
    EXPECT_EQ(Statistic(CGuestStatistics::Total, CGuestStatisticsModel::ColComing), QStringLiteral("6"));
    EXPECT_EQ(Statistic(CGuestStatistics::Bride, CGuestStatisticsModel::ColComing), QStringLiteral("2"));
    EXPECT_EQ(m_view->ShownGuest()->GetName(), QStringLiteral("Dana"));

    QTest::mouseClick(m_view->FilterBar()->ResetButton(), Qt::LeftButton);
    EXPECT_EQ(m_view->Model().rowCount(), 3);
    EXPECT_TRUE(filter->text().isEmpty());
}

TEST_F(GuestsViewTest, TheCheckBoxAndTheMenuToggleApprovalAndUnapprovingLeavesItUnknown)
{
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QString(), 2, 0, QString(), QString(), 1);
    Show();
    ClickCell(0, Col::ColNames);
    m_view->ToggleApproval();
    EXPECT_EQ(guest->GetStatus(), 0);
    EXPECT_TRUE(m_view->Tab1()->StatusButton(0)->isChecked());
    EXPECT_EQ(Hints(HINT_GUEST_CHANGED), 1);

    std::unique_ptr<QMenu> menu(m_view->BuildContextMenu(nullptr));
    QStringList texts;
    for (QAction* action : menu->actions())
        texts.append(action->text());
    EXPECT_EQ(texts, (QStringList{QStringLiteral("אישרו"), QStringLiteral("הזן מתנה"), QStringLiteral("מחק מוזמן"),
                                  QStringLiteral("אתר שולחן"), QStringLiteral("הזמנה נשלחה"),
                                  QStringLiteral("ערוך רשימת \"מוגבלים\"")}));
    EXPECT_FALSE(menu->actions()[0]->isChecked());
    menu->actions()[0]->trigger();
    EXPECT_TRUE(guest->IsApproved());
    menu->actions()[4]->trigger();
    EXPECT_TRUE(guest->GetInvitationSent());
    menu->actions()[3]->trigger();
    EXPECT_EQ(Hints(HINT_LOCATE_GUEST_TABLE), 1);
}

TEST_F(GuestsViewTest, GroupRelationAndInvitationAreEditedInPlace)
{
    m_event.AddGroups({QStringLiteral("צבא"), QStringLiteral("עבודה")});
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QString(), 2, 0, QStringLiteral("צבא"), QStringLiteral("הכלה"));
    Show();
    m_view->Columns()->Toggle(Col::ColInvitationSent);
    ClickCell(0, Col::ColGroup);
    QTest::keyClick(m_view->List(), Qt::Key_F2);
    ASSERT_TRUE(m_view->List()->IsEditing());
    QComboBox* combo = m_view->List()->Editor()->ComboBox();
    EXPECT_EQ(combo->currentText(), QStringLiteral("צבא"));
    QTest::keyClick(combo, Qt::Key_Down);
    // Tab commits and goes on in reading order: the invitation, then back to group and relation.
    QTest::keyClick(combo, Qt::Key_Tab);
    EXPECT_EQ(guest->GetGroupName(), QStringLiteral("עבודה"));
    EXPECT_EQ(Cell(0, Col::ColGroup), QStringLiteral("עבודה"));
    EXPECT_EQ(m_view->Tab1()->GroupCombo()->currentText(), QStringLiteral("עבודה"));
    EXPECT_EQ(Hints(HINT_GUEST_CHANGED), 1);
    EXPECT_TRUE(m_event.Doc().IsModified());

    ASSERT_TRUE(m_view->List()->IsEditing());
    EXPECT_EQ(m_view->List()->EditColumn(), int(Col::ColInvitationSent));
    QTest::keyClick(m_view->List()->Editor()->ComboBox(), Qt::Key_Backtab);
    EXPECT_EQ(m_view->List()->EditColumn(), int(Col::ColGroup));
    QTest::keyClick(m_view->List()->Editor()->ComboBox(), Qt::Key_Backtab);
    EXPECT_EQ(m_view->List()->EditColumn(), int(Col::ColRelation));
    QTest::keyClick(m_view->List()->Editor()->ComboBox(), Qt::Key_Escape);
    EXPECT_EQ(guest->GetRelation(), QStringLiteral("הכלה"));

    ClickCell(0, Col::ColInvitationSent);
    QTest::keyClick(m_view->List(), Qt::Key_Return);
    ASSERT_TRUE(m_view->List()->IsEditing());
    QTest::keyClick(m_view->List()->Editor()->ComboBox(), Qt::Key_Up);
    QTest::keyClick(m_view->List()->Editor()->ComboBox(), Qt::Key_Return);
    EXPECT_TRUE(guest->GetInvitationSent());
    EXPECT_TRUE(m_view->Tab2()->InvitationSentBox()->isChecked());
}

TEST_F(GuestsViewTest, AnEmptyOrSharedNameKeepsTheSelectionWithABalloon)
{
    m_event.AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"));
    CGuest* second = m_event.AddGuest(QStringLiteral("רון"));
    Show();
    ClickCell(1, Col::ColNames);
    QLineEdit* names = m_view->Tab1()->NamesField();
    names->selectAll();
    QTest::keyClick(names, Qt::Key_Delete);
    EXPECT_TRUE(second->GetName().isEmpty());
    ClickCell(0, Col::ColNames);
    EXPECT_EQ(m_view->ShownGuest(), second);
    EXPECT_EQ(m_view->List()->SelectedRow(), 1);
    ASSERT_NE(CBalloonTip::Current(), nullptr);
    EXPECT_EQ(CBalloonTip::Current()->Markup(), QStringLiteral("שם המוזמן אינו יכול להיות ריק"));
    EXPECT_EQ(CBalloonTip::Current()->Anchor(), names);

    names->setText(QStringLiteral(" דנה "));
    m_view->Tab1()->FamilyField()->setText(QStringLiteral("לוי"));
    QTest::keyClick(m_view->Tab1()->FamilyField(), Qt::Key_Space);
    ClickCell(0, Col::ColNames);
    EXPECT_EQ(m_view->List()->SelectedRow(), 1);
    ASSERT_NE(CBalloonTip::Current(), nullptr);
    EXPECT_EQ(CBalloonTip::Current()->Markup(), QStringLiteral("שם זה כבר קיים במערכת<br>אנא בחר/י שם אחר"));
    EXPECT_EQ(m_view->Model().rowCount(), 2);

    m_view->Tab1()->FamilyField()->setText(QStringLiteral("כהן"));
    QTest::keyClick(m_view->Tab1()->FamilyField(), Qt::Key_Space);
    ClickCell(0, Col::ColNames);
    EXPECT_EQ(m_view->List()->SelectedRow(), 0);
    EXPECT_EQ(Cell(1, Col::ColFamily), QStringLiteral("כהן"));
    CBalloonTip::HideCurrent();
}

TEST_F(GuestsViewTest, NotComingZeroesTheComingAndLeavingItShowsTheReminder)
{
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QString(), 4, 0, QString(), QString(), 1);
    Show();
    CGuestInfoTab1* tab = m_view->Tab1();
    ClickRadio(tab->StatusButton(2));
    EXPECT_EQ(guest->GetStatus(), 2);
    EXPECT_EQ(guest->GetComing(), 0);
    EXPECT_FALSE(tab->ComingField()->isEnabled());
    EXPECT_EQ(Cell(0, Col::ColComing), QStringLiteral("0"));
    EXPECT_EQ(m_view->Model().data(m_view->Model().index(0, Col::ColStatus), Qt::CheckStateRole).toInt(), int(Qt::Unchecked));

    ClickRadio(tab->StatusButton(1));
    EXPECT_TRUE(guest->IsApproved());
    EXPECT_EQ(guest->GetComing(), 0);
    EXPECT_TRUE(tab->ComingField()->isEnabled());
    ASSERT_NE(CBalloonTip::Current(), nullptr);
    EXPECT_EQ(CBalloonTip::Current()->Anchor(), tab->ComingField());
    EXPECT_TRUE(CBalloonTip::Current()->Markup().contains(QStringLiteral("<hr=100%>")));
    CBalloonTip::HideCurrent();

    tab->ComingField()->setValue(7);
    EXPECT_EQ(guest->GetInvited(), 7);
    tab->InvitedField()->setValue(3);
    EXPECT_EQ(guest->GetComing(), 3);
    EXPECT_EQ(tab->ComingField()->value(), 3);
}

TEST_F(GuestsViewTest, TheTableNumberIsCheckedAndEverySeatGoesThroughTheDocument)
{
    m_event.SetRealTables(2);
    m_event.Doc().Tables()[1]->SetSeats(10);
    m_event.AddGuest(QStringLiteral("יושב"), QString(), 8, 1);
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QString(), 4, 2);
    Show();
    ClickCell(1, Col::ColNames);
    CGuestInfoTab1* tab = m_view->Tab1();
    EXPECT_EQ(tab->TableField()->text(), QStringLiteral("2"));
    EXPECT_EQ(tab->HallField()->text(), QStringLiteral("2"));

    tab->SeatAt(7);
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("שולחן זה אינו קיים"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("שולחן אינו קיים"));
    EXPECT_EQ(tab->TableField()->text(), QStringLiteral("2"));

    m_event.Messages().Answer({MSG_RESULT_CANCEL});
    tab->SeatAt(1);
    EXPECT_EQ(guest->GetTableIndex(), 2);
    EXPECT_EQ(tab->TableField()->text(), QStringLiteral("2"));
    EXPECT_EQ(m_event.Messages().ShownMessages().back().caption, QStringLiteral("מספר מוזמנים גדול"));

    m_event.Messages().Answer({MSG_RESULT_YES});
    tab->TableField()->setText(QStringLiteral("1"));
    QTest::keyClick(tab->TableField(), Qt::Key_Return);
    EXPECT_EQ(guest->GetTableIndex(), 1);
    EXPECT_EQ(m_event.Doc().Tables()[1]->GetSeats(), 12);
    EXPECT_EQ(tab->HallField()->text(), QStringLiteral("1"));
    EXPECT_TRUE(tab->TableField()->toolTip().contains(QStringLiteral("יושב")));
}

TEST_F(GuestsViewTest, TheSeatMenuListsTheTablesInSubMenusOfTenUpToAHundred)
{
    m_event.SetRealTables(12);
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QString(), 2, 0);
    Show();
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* menu = qobject_cast<QMenu*>(window);
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->actions().size(), 3);
        EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("בילתי משובצים"));
        EXPECT_TRUE(menu->actions()[0]->isChecked());
        EXPECT_EQ(menu->actions()[2]->text(), QStringLiteral("11-20"));
        QTest::keyClick(menu, Qt::Key_Up);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    script.Then([](QWidget* sub) {
        QTest::keyClick(sub, Qt::Key_Down);
        QTest::keyClick(sub, Qt::Key_Return);
    });
    QTest::mouseClick(m_view->Tab1()->SeatButton(), Qt::LeftButton);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(guest->GetTableIndex(), 12);
    EXPECT_EQ(m_view->Tab1()->TableField()->text(), QStringLiteral("12"));
}

TEST_F(GuestsViewTest, SearchingWrapsAroundAndTellsWhenNothingMatches)
{
    m_event.AddGuest(QStringLiteral("רון"));
    m_event.AddGuest(QStringLiteral("דנה"));
    m_event.AddGuest(QStringLiteral("רון וגלי"));
    Show();
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CSearchTableDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->TableField()->isEnabled());
        dialog->GuestField()->setText(QStringLiteral("רון"));
        dialog->accept();
    });
    m_view->OnCommand(ID_OBJECT_FIND);
    EXPECT_EQ(m_view->List()->SelectedRow(), 0);
    m_view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_view.get()));
    m_view->List()->setFocus();
    QTest::keyClick(m_view->List(), Qt::Key_F3);
    EXPECT_EQ(m_view->List()->SelectedRow(), 2);
    QTest::keyClick(m_view->List(), Qt::Key_F3);
    EXPECT_EQ(m_view->List()->SelectedRow(), 0);
    QTest::keyClick(m_view->List(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(m_view->List()->SelectedRow(), 2);

    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CSearchTableDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->GuestField()->text(), QStringLiteral("רון"));
        dialog->GuestField()->setText(QStringLiteral("משה"));
        dialog->accept();
    });
    m_view->Search();
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("לא נמצא מוזמן זה"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("לא נמצא מוזמן"));
    EXPECT_EQ(m_view->List()->SelectedRow(), 2);
}

TEST_F(GuestsViewTest, HiddenColumnsSurviveARestartAndANarrowNamesColumnComesBackWider)
{
    Show();
    m_view->Columns()->Toggle(Col::ColGroup);
    m_view->Columns()->Toggle(Col::ColComing);
    const int comingWidth = m_view->List()->columnWidth(Col::ColComing);
    EXPECT_GT(comingWidth, 0);
    // The menu: nine entries, the first two disabled.
    std::unique_ptr<QMenu> menu(m_view->Columns()->BuildMenu(nullptr));
    ASSERT_EQ(menu->actions().size(), 9);
    EXPECT_FALSE(menu->actions()[0]->isEnabled());
    EXPECT_FALSE(menu->actions()[1]->isEnabled());
    EXPECT_FALSE(menu->actions()[4]->isChecked());
    EXPECT_TRUE(menu->actions()[7]->isChecked());
    EXPECT_EQ(menu->actions()[8]->text(), QStringLiteral("אושר"));
    m_view->SaveColumnWidths();
    m_view.reset();
    // As an older file may hold it.
    m_event.Doc().Settings().SetKey(QStringLiteral("GV_NAMES"), QStringLiteral("5"));

    m_event.Reopen();
    EXPECT_EQ(m_event.Doc().Settings().Key(QStringLiteral("GV_GROUP")), QStringLiteral("0"));
    Show();
    EXPECT_FALSE(m_view->Columns()->IsVisible(Col::ColGroup));
    EXPECT_TRUE(m_view->Columns()->IsVisible(Col::ColComing));
    EXPECT_EQ(m_view->List()->columnWidth(Col::ColComing), comingWidth);
    EXPECT_EQ(m_view->List()->columnWidth(Col::ColNames), 20);
}

TEST_F(GuestsViewTest, TheStatusColumnShowsItsWordAndKeepsTheWidthTheUserGaveIt)
{
    m_event.AddGuest(QStringLiteral("דנה"), QString(), 2, 0, QString(), QString(), 0);
    m_event.AddGuest(QStringLiteral("רון"), QString(), 2, 0, QString(), QString(), 2);
    Show();
    EXPECT_EQ(Cell(0, Col::ColStatus), QStringLiteral("לא ידוע"));
    EXPECT_EQ(Cell(1, Col::ColStatus), QStringLiteral("לא באים"));
    // At the default width the check box, the picture and the longest word fit.
    CListCtrlEx* list = m_view->List();
    const QModelIndex unknown = m_view->Model().index(0, Col::ColStatus);
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.font = list->font();
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration |
                      QStyleOptionViewItem::HasDisplay;
    option.decorationSize = list->iconSize().isValid() ? list->iconSize() : QSize(16, 16);
    option.icon = unknown.data(Qt::DecorationRole).value<QIcon>();
    option.text = unknown.data().toString();
    const int needed = list->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), list).width();
    EXPECT_GE(list->columnWidth(Col::ColStatus), needed);

    // A narrower width the user dragged stays as it is.
    list->horizontalHeader()->resizeSection(Col::ColStatus, 40);
    m_view->SaveColumnWidths();
    m_view.reset();
    m_event.Reopen();
    EXPECT_EQ(m_event.Doc().Settings().Key(QStringLiteral("GV_APROVED")), QStringLiteral("40"));
    Show();
    EXPECT_EQ(m_view->List()->columnWidth(Col::ColStatus), 40);
}

TEST_F(GuestsViewTest, OtherPagesKeepTheListInStep)
{
    CGuest* dana = m_event.AddGuest(QStringLiteral("דנה"));
    CGuest* ron = m_event.AddGuest(QStringLiteral("רון"));
    Show();
    QObject other;
    QTest::keyClicks(m_view->FilterBar()->FamilyNameEdit(), QStringLiteral("x"));
    EXPECT_EQ(m_view->Model().rowCount(), 0);
    m_event.Doc().UpdateAllViews(&other, HINT_SHOW_GUEST, ron);
    EXPECT_EQ(m_view->Model().rowCount(), 2);
    EXPECT_EQ(m_view->ShownGuest(), ron);

    dana->SetComing(5);
    m_event.Doc().UpdateAllViews(&other, HINT_GUEST_CHANGED, dana);
    EXPECT_EQ(Statistic(CGuestStatistics::Total, CGuestStatisticsModel::ColComing), QStringLiteral("7"));

    m_event.Doc().AddGroup(QStringLiteral("חדשה"), &other);
    EXPECT_GE(m_view->FilterBar()->GroupCombo()->findText(QStringLiteral("חדשה")), 1);
    EXPECT_GE(m_view->Tab1()->GroupCombo()->findText(QStringLiteral("חדשה")), 0);

    CGuest* avi = m_event.Doc().AddGuest(QStringLiteral("אבי"), QString(), &other);
    EXPECT_EQ(m_view->Model().rowCount(), 3);
    SelectGuestRow(avi);
    m_event.Doc().DeleteGuest(*avi, &other);
    EXPECT_EQ(m_view->Model().rowCount(), 2);
    EXPECT_EQ(m_view->ShownGuest(), ron);

    m_event.Doc().UpdateAllViews(nullptr, HINT_EVENT_RELOADING, nullptr);
    EXPECT_EQ(m_view->Model().rowCount(), 0);
    EXPECT_EQ(m_view->ShownGuest(), nullptr);
}

TEST_F(GuestsViewTest, ASeatChangedInTheDetailsShowsAtOnceOnTheTablesPage)
{
    m_event.SetRealTables(1);
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QString(), 3, 0);
    Show();
    CTablesView tables(m_event.Doc());
    tables.SelectTable(1);
    EXPECT_EQ(tables.GuestModel().rowCount(), 0);
    m_view->Tab1()->SeatAt(1);
    EXPECT_EQ(guest->GetTableIndex(), 1);
    EXPECT_EQ(tables.GuestModel().rowCount(), 1);
    const CTableListModel& model = tables.TableModel();
    EXPECT_EQ(model.data(model.index(1, CTableListModel::ColGuests), Qt::DisplayRole).toString(), QStringLiteral("3"));

    m_view->Tab1()->NamesField()->setText(QStringLiteral("דנה"));
    QTest::keyClicks(m_view->Tab1()->NamesField(), QStringLiteral("x"));
    EXPECT_EQ(tables.GuestModel().data(tables.GuestModel().index(0, 0), Qt::DisplayRole).toString(), QStringLiteral("דנהx"));

    // And the tables page's moves show in the details.
    tables.GuestsList()->SelectRow(0);
    tables.MoveSelectedGuests(0);
    EXPECT_EQ(m_view->Tab1()->TableField()->text(), QStringLiteral("0"));
}
