#include "guests/ui/GroupsView.h"
#include "guests/ui/RenameDlg.h"

#include "controls/CommandIds.h"
#include "controls/ListCtrlEx.h"
#include "data/document/ViewHint.h"

#include "ModalScript.h"
#include "ViewTestEvent.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using GuestCol = CGroupGuestsModel::Column;

// Types any text, Hebrew included, one key event per character.
void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

class GroupsViewTest : public ::testing::Test
{
protected:
    void Show()
    {
        m_view = std::make_unique<CGroupsView>(m_event.Doc());
        m_view->resize(1100, 700);
        m_view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_view.get()));
        QObject::connect(&m_event.Doc(), &CNewZelDoc::Hint, m_view.get(),
                         [this](QObject*, int hint, CHintObject* object) { m_hints.append({hint, object}); });
    }

    static void Click(CListCtrlEx* list, int row, int column)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, column)).center());
    }
    void ClickGroup(int row) { Click(m_view->GroupsList(), row, CGroupListModel::ColName); }
    void ClickGuest(int row) { Click(m_view->GuestsList(), row, GuestCol::ColNames); }
    QStringList GroupNames()
    {
        QStringList names;
        for (const CGroup* group : m_event.Doc().Groups())
            names.append(group->GetName());
        return names;
    }
    int Hints(int hint) const
    {
        return int(std::count_if(m_hints.cbegin(), m_hints.cend(), [hint](auto& h) { return h.first == hint; }));
    }
    const CScriptedMessages::Shown& LastMessage() { return m_event.Messages().ShownMessages().back(); }

    // Types the name into the rename dialog, sets its table box and presses Enter.
    static CModalScript::Step TypeName(const QString& name, bool expectTableOffered, QString* proposal = nullptr)
    {
        return [=](QWidget* window) {
            auto* dialog = qobject_cast<CRenameDlg*>(window);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->TableBox()->isEnabled(), expectTableOffered);
            if (proposal) {
                *proposal = dialog->NameField()->text();
                EXPECT_EQ(dialog->NameField()->selectedText(), *proposal);
            }
            dialog->NameField()->selectAll();
            TypeText(dialog->NameField(), name);
            QTest::keyClick(dialog->NameField(), Qt::Key_Return);
        };
    }

    CViewTestEvent m_event;
    std::unique_ptr<CGroupsView> m_view;
    QList<std::pair<int, CHintObject*>> m_hints;
};

}

TEST_F(GroupsViewTest, ListsTheGroupsAndTheGuestsOfTheSelectedOneWithTheirCounters)
{
    m_event.AddGroups({QStringLiteral("צבא"), QStringLiteral("עבודה")});
    m_event.AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"), 3, 0, QStringLiteral("עבודה"), QStringLiteral("הכלה"), 1);
    m_event.AddGuest(QStringLiteral("רון"), QString(), 2, 0, QStringLiteral("עבודה"));
    m_event.AddGuest(QStringLiteral("גיל"), QString(), 4, 0, QStringLiteral("עבודה "));
    Show();
    EXPECT_EQ(m_view->GroupsCounter()->text(), QStringLiteral(" 2 קבוצות "));
    EXPECT_EQ(m_view->GroupsList()->CellText(1, CGroupListModel::ColNumber), QStringLiteral("2"));
    EXPECT_EQ(m_view->GuestModel().rowCount(), 0);
    EXPECT_FALSE(m_view->UpButton()->isEnabled());
    EXPECT_TRUE(m_view->DownButton()->isEnabled());

    ClickGroup(1);
    // A group name with a trailing blank is another group.
    ASSERT_EQ(m_view->GuestModel().rowCount(), 2);
    EXPECT_EQ(m_view->GuestsList()->CellText(0, GuestCol::ColNames), QStringLiteral("דנה"));
    EXPECT_EQ(m_view->GuestsList()->CellText(0, GuestCol::ColRelation), QStringLiteral("הכלה"));
    EXPECT_EQ(m_view->GuestsCounter()->text(), QStringLiteral(" 5 מוזמנים , מתוכם 3 אישרו"));
    EXPECT_TRUE(m_view->UpButton()->isEnabled());
    EXPECT_FALSE(m_view->DownButton()->isEnabled());
}

TEST_F(GroupsViewTest, AddProposesTheFirstFreeNameAndMakesATableWhenAsked)
{
    m_event.AddGroups({QStringLiteral("קבוצה חדשה"), QStringLiteral("קבוצה חדשה 1")});
    Show();
    const int tables = int(m_event.Doc().Tables().size());
    QString proposal;
    CModalScript script;
    script.Then(TypeName(QStringLiteral("חברים"), true, &proposal));
    QTest::mouseClick(m_view->AddButton(), Qt::LeftButton);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(proposal, QStringLiteral("קבוצה חדשה 2"));
    EXPECT_EQ(GroupNames().back(), QStringLiteral("חברים"));
    EXPECT_EQ(m_view->GroupsList()->SelectedRow(), 2);
    EXPECT_EQ(m_view->GroupsCounter()->text(), QStringLiteral(" 3 קבוצות "));
    ASSERT_EQ(int(m_event.Doc().Tables().size()), tables + 1);
    EXPECT_EQ(m_event.Doc().Tables().back()->GetName(), QStringLiteral("חברים"));
    EXPECT_EQ(Hints(HINT_GROUP_ADDED), 1);
    EXPECT_EQ(Hints(HINT_TABLE_ADDED), 1);
}

TEST_F(GroupsViewTest, AddRefusesAnEmptyNameInTheDialogAndATakenNameAfterIt)
{
    m_event.AddGroups({QStringLiteral("צבא")});
    Show();
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CRenameDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        dialog->NameField()->selectAll();
        TypeText(dialog->NameField(), QStringLiteral("   "));
        QTest::keyClick(dialog->NameField(), Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        dialog->TableBox()->setChecked(false);
        dialog->NameField()->selectAll();
        TypeText(dialog->NameField(), QStringLiteral(" צבא "));
        QTest::keyClick(dialog->NameField(), Qt::Key_Return);
    });
    m_view->OnCommand(ID_OBJECT_ADD);
    EXPECT_EQ(script.Pending(), 0);
    const auto& shown = m_event.Messages().ShownMessages();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].text, QStringLiteral("שם קבוצה הינו שדה חובה"));
    EXPECT_EQ(shown[0].caption, QStringLiteral("הוספת קבוצה"));
    EXPECT_EQ(shown[1].text, QStringLiteral("קבוצה כבר קימת"));
    EXPECT_EQ(shown[1].caption, QStringLiteral("קבוצה כבר קימת"));
    EXPECT_EQ(GroupNames(), QStringList{QStringLiteral("צבא")});
}

TEST_F(GroupsViewTest, TheAddGroupHintOfTheDetailsPageOpensTheAddDialog)
{
    Show();
    CModalScript script;
    script.Then(TypeName(QStringLiteral("שכנים"), true));
    m_event.Doc().UpdateAllViews(nullptr, HINT_ADD_GROUP, nullptr);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(GroupNames(), QStringList{QStringLiteral("שכנים")});
}

TEST_F(GroupsViewTest, F2RenamesAndCarriesTheNameIntoTheGuestsAndATakenNameReopensTheDialog)
{
    m_event.AddGroups({QStringLiteral("צבא"), QStringLiteral("עבודה")});
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QString(), 2, 0, QStringLiteral("צבא"));
    Show();
    ClickGroup(0);
    CModalScript script;
    script.Then(TypeName(QStringLiteral("עבודה"), false));
    script.Then(TypeName(QStringLiteral("מילואים"), false));
    QTest::keyClick(m_view->GroupsList(), Qt::Key_F2);
    EXPECT_EQ(script.Pending(), 0);
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(LastMessage().text, QStringLiteral("קבוצה 'עבודה' כבר קיימת"));
    EXPECT_EQ(LastMessage().caption, QStringLiteral("קבוצה כבר קימת"));
    EXPECT_EQ(GroupNames(), (QStringList{QStringLiteral("מילואים"), QStringLiteral("עבודה")}));
    EXPECT_EQ(guest->GetGroupName(), QStringLiteral("מילואים"));
    EXPECT_EQ(m_view->GroupsList()->SelectedRow(), 0);
    EXPECT_EQ(m_view->GuestModel().rowCount(), 1);

    // The same name again changes nothing and says nothing.
    m_event.Doc().SetModified(false);
    script.Then(TypeName(QStringLiteral("מילואים"), false));
    // A double click follows a press on the same row.
    ClickGroup(0);
    QTest::mouseDClick(m_view->GroupsList()->viewport(), Qt::LeftButton, {},
                       m_view->GroupsList()->visualRect(m_view->GroupModel().index(0, CGroupListModel::ColName)).center());
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_FALSE(m_event.Doc().IsModified());
    EXPECT_EQ(m_event.Messages().ShownMessages().size(), 1);
}

TEST_F(GroupsViewTest, DeleteRefusesAGroupWithGuestsAndSelectsAsTheRuleSays)
{
    m_event.AddGroups({QStringLiteral("א"), QStringLiteral("ב"), QStringLiteral("ג")});
    m_event.AddGuest(QStringLiteral("דנה"), QString(), 2, 0, QStringLiteral("ג"));
    Show();
    ClickGroup(2);
    QTest::keyClick(m_view->GroupsList(), Qt::Key_Delete);
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(LastMessage().text, QStringLiteral("לא ניתן למחוק קבוצה בה יש מוזמנים\r\n רוקנו את הקבוצה ממוזמנים ונסו שנית."));
    EXPECT_EQ(LastMessage().caption, QStringLiteral("קבוצה לא ריקה"));
    EXPECT_EQ(GroupNames().size(), 3);

    // The middle one of three (index 1) leaves the first selected.
    ClickGroup(1);
    QTest::mouseClick(m_view->DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(GroupNames(), (QStringList{QStringLiteral("א"), QStringLiteral("ג")}));
    EXPECT_EQ(m_view->GroupsList()->SelectedRow(), 0);
    EXPECT_EQ(Hints(HINT_GROUPS_CHANGED), 1);

    // The first of two leaves the other selected, never no row.
    m_view->OnCommand(ID_OBJECT_DELETE);
    EXPECT_EQ(GroupNames(), QStringList{QStringLiteral("ג")});
    EXPECT_EQ(m_view->GroupsList()->SelectedRow(), 0);
    EXPECT_EQ(m_view->GuestModel().rowCount(), 1);
}

TEST_F(GroupsViewTest, DeletingTheLastOfThreeSelectsTheNewLast)
{
    m_event.AddGroups({QStringLiteral("א"), QStringLiteral("ב"), QStringLiteral("ג")});
    Show();
    ClickGroup(2);
    QTest::keyClick(m_view->GroupsList(), Qt::Key_Delete);
    EXPECT_EQ(m_view->GroupsList()->SelectedRow(), 1);
    EXPECT_EQ(m_view->GroupsCounter()->text(), QStringLiteral(" 2 קבוצות "));
}

TEST_F(GroupsViewTest, UpAndDownSwapTheGroupWithItsNeighbourAndKeepItSelected)
{
    m_event.AddGroups({QStringLiteral("א"), QStringLiteral("ב"), QStringLiteral("ג")});
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QString(), 2, 0, QStringLiteral("ב"));
    Show();
    ClickGroup(1);
    QTest::mouseClick(m_view->UpButton(), Qt::LeftButton);
    EXPECT_EQ(GroupNames(), (QStringList{QStringLiteral("ב"), QStringLiteral("א"), QStringLiteral("ג")}));
    EXPECT_EQ(m_view->GroupsList()->SelectedRow(), 0);
    EXPECT_FALSE(m_view->UpButton()->isEnabled());
    QTest::mouseClick(m_view->DownButton(), Qt::LeftButton);
    QTest::mouseClick(m_view->DownButton(), Qt::LeftButton);
    EXPECT_EQ(GroupNames(), (QStringList{QStringLiteral("א"), QStringLiteral("ג"), QStringLiteral("ב")}));
    EXPECT_EQ(m_view->GroupsList()->SelectedRow(), 2);
    EXPECT_EQ(guest->GetGroupName(), QStringLiteral("ב"));
    EXPECT_EQ(m_view->GuestModel().At(0), guest);
}

TEST_F(GroupsViewTest, ShiftXThenShiftVMovesTheGuestAndTellsTheOtherViews)
{
    m_event.AddGroups({QStringLiteral("צבא"), QStringLiteral("עבודה")});
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QString(), 2, 0, QStringLiteral("צבא"));
    Show();
    // Without a mark Shift+V does nothing.
    QTest::keyClick(m_view->GroupsList(), Qt::Key_V, Qt::ShiftModifier);
    EXPECT_EQ(Hints(HINT_GUEST_CHANGED), 0);

    ClickGuest(0);
    QTest::keyClick(m_view->GuestsList(), Qt::Key_X, Qt::ShiftModifier);
    ClickGroup(1);
    QTest::keyClick(m_view->GroupsList(), Qt::Key_V, Qt::ShiftModifier);
    EXPECT_EQ(guest->GetGroupName(), QStringLiteral("עבודה"));
    EXPECT_EQ(Hints(HINT_GUEST_CHANGED), 1);
    EXPECT_TRUE(m_event.Doc().IsModified());
    ASSERT_EQ(m_view->GuestModel().rowCount(), 1);
    EXPECT_EQ(m_view->GuestModel().At(0), guest);
}

TEST_F(GroupsViewTest, ShiftVLeavesAMarkedGuestThatWasDeletedMeanwhileAlone)
{
    m_event.AddGroups({QStringLiteral("צבא"), QStringLiteral("עבודה")});
    CGuest* marked = m_event.AddGuest(QStringLiteral("דנה"), QString(), 2, 0, QStringLiteral("צבא"));
    CGuest* other = m_event.AddGuest(QStringLiteral("רון"), QString(), 2, 0, QStringLiteral("צבא"));
    Show();
    ClickGuest(0);
    QTest::keyClick(m_view->GuestsList(), Qt::Key_X, Qt::ShiftModifier);
    m_event.Doc().DeleteGuest(*marked, nullptr);
    ASSERT_EQ(m_view->GuestModel().rowCount(), 1);
    ClickGroup(1);
    QTest::keyClick(m_view->GroupsList(), Qt::Key_V, Qt::ShiftModifier);
    EXPECT_EQ(other->GetGroupName(), QStringLiteral("צבא"));
    EXPECT_EQ(Hints(HINT_GUEST_CHANGED), 0);
    EXPECT_EQ(m_view->GuestModel().rowCount(), 0);
}

TEST_F(GroupsViewTest, TickingTheCheckBoxApprovesAndUntickingLeavesTheGuestUnknown)
{
    m_event.AddGroups({QStringLiteral("צבא")});
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QString(), 3, 0, QStringLiteral("צבא"), QString(), 2);
    Show();
    CListCtrlEx* list = m_view->GuestsList();
    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, GuestCol::ColApproved));
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(guest->GetStatus(), 1);
    EXPECT_EQ(Hints(HINT_GUEST_CHANGED), 1);
    EXPECT_EQ(list->model()->index(0, GuestCol::ColApproved).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(guest->GetStatus(), 0);
    EXPECT_EQ(m_view->GuestsCounter()->text(), QStringLiteral(" 3 מוזמנים , מתוכם 0 אישרו"));
}

TEST_F(GroupsViewTest, TheGroupMenuMakesATableForTheGroupAndTheGuestMenuShowsTheDetails)
{
    m_event.AddGroups({QStringLiteral("צבא")});
    m_event.Doc().Settings().SetNumberOfGuestsInTable(10);
    CGuest* first = m_event.AddGuest(QStringLiteral("א"), QString(), 4, 0, QStringLiteral("צבא"));
    m_event.AddGuest(QStringLiteral("ב"), QString(), 6, 0, QStringLiteral("צבא"));
    CGuest* last = m_event.AddGuest(QStringLiteral("ג"), QString(), 5, 0, QStringLiteral("צבא"));
    Show();

    std::unique_ptr<QMenu> menu(m_view->BuildGroupMenu(nullptr));
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("שינוי שם לקבוצה זו ..."));
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("הוסף שולחן לקבוצה זו..."));
    menu->actions()[1]->trigger();
    const CTable* table = m_event.Doc().Tables().back();
    EXPECT_EQ(table->GetName(), QStringLiteral("צבא"));
    EXPECT_EQ(first->GetTableIndex(), table->GetId());
    EXPECT_EQ(last->GetTableIndex(), 0);
    EXPECT_EQ(LastMessage().caption, QStringLiteral("הוספת שולחן הסתימה"));

    ClickGuest(2);
    std::unique_ptr<QMenu> guestMenu(m_view->BuildGuestMenu(nullptr));
    ASSERT_EQ(guestMenu->actions().size(), 1);
    EXPECT_EQ(guestMenu->actions()[0]->text(), QStringLiteral("עבור לפרטי המוזמן"));
    guestMenu->actions()[0]->trigger();
    ASSERT_EQ(Hints(HINT_SHOW_GUEST), 1);
    EXPECT_EQ(std::find_if(m_hints.cbegin(), m_hints.cend(), [](auto& h) { return h.first == HINT_SHOW_GUEST; })->second,
              last);
}

TEST_F(GroupsViewTest, TheRightButtonOnTheSelectedGroupOpensItsMenu)
{
    m_event.AddGroups({QStringLiteral("צבא")});
    Show();
    CModalScript script;
    QStringList texts;
    script.Then([&](QWidget* window) {
        auto* menu = qobject_cast<QMenu*>(window);
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            texts.append(action->text());
        menu->close();
    });
    CListCtrlEx* list = m_view->GroupsList();
    const QPoint at = list->visualRect(list->model()->index(0, CGroupListModel::ColName)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &event);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(texts.size(), 2);
}
