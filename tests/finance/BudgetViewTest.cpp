#include "finance/core/BudgetEdits.h"
#include "finance/ui/AddCategory.h"
#include "finance/ui/AddOffer.h"
#include "finance/ui/BudgetView.h"

#include "controls/CommandIds.h"
#include "controls/ListCtrlEx.h"
#include "controls/NumberSpinEdit.h"
#include "data/document/ViewHint.h"
#include "data/records/Category.h"
#include "data/records/Offer.h"

#include "ListDriver.h"
#include "ModalScript.h"
#include "ViewTestEvent.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using Col = CBudgetOptionModel::Column;

// A radio button chosen from the keyboard: the space bar presses the focused button.
void Press(QAbstractButton* button)
{
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
}

// The example budget of a new Hebrew event: twelve categories, the caterers first with two offers.
class BudgetViewTest : public CViewTest<CBudgetView>
{
protected:
    explicit BudgetViewTest(UiLanguage language = UiLanguage::Hebrew)
        : CViewTest(language)
    {
    }

    QTreeWidget* Tree() const { return m_view->Tree(); }
    // Moves the tree's selection with the arrow keys from the first node.
    void SelectByKeys(int downs)
    {
        Tree()->setFocus();
        Tree()->setCurrentItem(Tree()->topLevelItem(0));
        for (int n = 0; n < downs; ++n)
            QTest::keyClick(Tree(), Qt::Key_Down);
    }
    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void ClickTab(int option)
    {
        QTest::mouseClick(m_view->Tabs(), Qt::LeftButton, {}, m_view->Tabs()->tabRect(option).center());
    }
    int Rows() const { return m_view->Model().rowCount(); }
    QStringList MenuTexts(QTreeWidgetItem* item)
    {
        std::unique_ptr<QMenu> menu(m_view->BuildContextMenu(item, m_view.get()));
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    }
    const QList<CScriptedMessages::Shown>& Shown() { return m_event.Messages().ShownMessages(); }
};

class BudgetViewEnglishTest : public BudgetViewTest
{
protected:
    BudgetViewEnglishTest()
        : BudgetViewTest(UiLanguage::English)
    {
    }
};

}

TEST_F(BudgetViewTest, TheTreeHoldsTheExampleCategoriesWithTheirOffers)
{
    Show();
    ASSERT_EQ(Tree()->topLevelItemCount(), 12);
    EXPECT_EQ(Tree()->topLevelItem(0)->text(0), QStringLiteral("קיטרינגים"));
    ASSERT_EQ(Tree()->topLevelItem(0)->childCount(), 2);
    EXPECT_EQ(Tree()->topLevelItem(0)->child(1)->text(0), QStringLiteral("פרי הארץ"));
    EXPECT_EQ(m_view->LostOffersItem(), nullptr);
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(m_view->TotalLabel()->text(), QStringLiteral("סה\"כ 0 ש\"ח"));
    EXPECT_EQ(m_view->CeilingField()->text(), QStringLiteral("50000"));
    EXPECT_TRUE(m_view->PrintButton()->isEnabled());
    EXPECT_EQ(m_view->Tabs()->tabText(2), QStringLiteral("אפשרות שלישית"));

    // A category selected: no offer to move, edit or delete.
    EXPECT_FALSE(m_view->MoveButton()->isEnabled());
    EXPECT_FALSE(m_view->EditOfferButton()->isEnabled());
    EXPECT_TRUE(m_view->RenameCategoryButton()->isEnabled());
    SelectByKeys(1);
    EXPECT_EQ(m_view->SelectedOffer()->GetName(), QStringLiteral("טעם וצבע"));
    EXPECT_EQ(m_view->SelectedTipMarkup().toStdString(),
              QStringLiteral("<al_c><ct=0xFF0000><b>פרטי ההצעה</b></ct><ct=0x00C000><br><hr=100%><br></ct><al_r>טעם וצבע"
                             "<br><br>קטגוריה : קיטרינגים<br>סכום      : 10000<br>פרטים    : לא הוקלד</al_r>").toStdString());
    EXPECT_TRUE(m_view->MoveButton()->isEnabled());
    EXPECT_FALSE(m_view->RenameCategoryButton()->isEnabled());
}

TEST_F(BudgetViewTest, TheArrowsMoveOffersAskAboutTheCategoryAndReturnThem)
{
    Show();
    m_event.Doc().SetModified(false);
    SelectByKeys(1);
    Click(m_view->MoveButton());
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(m_view->List()->CellText(0, Col::ColCost), QStringLiteral("10000"));
    EXPECT_EQ(m_view->List()->CellText(0, Col::ColName), QStringLiteral("טעם וצבע"));
    EXPECT_EQ(m_view->TotalLabel()->text(), QStringLiteral("סה\"כ 10000 ש\"ח"));
    EXPECT_FALSE(m_view->MoveButton()->isEnabled());
    EXPECT_TRUE(m_event.Doc().IsModified());
    EXPECT_TRUE(Shown().isEmpty());

    // The second caterer: the category question, answered Yes.
    m_event.Messages().Answer({MSG_RESULT_YES});
    SelectByKeys(2);
    Click(m_view->MoveButton());
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].text, QStringLiteral("בקטגוריה הזו כבר קיימת ההצעה \"טעם וצבע\"\r\nהאם להעביר גם את ההצעה הזו?"));
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(m_view->List()->SelectedRow(), 1);
    EXPECT_EQ(m_view->TotalLabel()->text(), QStringLiteral("סה\"כ 30000 ש\"ח"));

    // Each option holds its own offers.
    ClickTab(1);
    EXPECT_EQ(m_view->CurrentOption(), 1);
    EXPECT_EQ(Rows(), 0);
    EXPECT_TRUE(m_view->MoveButton()->isEnabled());
    EXPECT_FALSE(m_view->ReturnAllButton()->isEnabled());
    ClickTab(0);
    ASSERT_EQ(Rows(), 2);

    ListDriver::ClickCell(m_view->List(), 1, Col::ColName);
    Click(m_view->ReturnButton());
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(m_view->List()->SelectedRow(), 0);
    EXPECT_EQ(m_view->TotalLabel()->text(), QStringLiteral("סה\"כ 10000 ש\"ח"));
    EXPECT_FALSE(m_event.Doc().Offers().at(1)->IsInPlan(0));
    Click(m_view->ReturnAllButton());
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(m_view->TotalLabel()->text(), QStringLiteral("סה\"כ 0 ש\"ח"));
    EXPECT_FALSE(m_event.Doc().Offers().at(0)->IsInPlan(0));
}

TEST_F(BudgetViewTest, ADeclinedCeilingQuestionLeavesTheOfferInThePool)
{
    CBudgetEdits(m_event.Doc()).SetCeiling("25000");
    Show();
    EXPECT_EQ(m_view->CeilingField()->text(), QStringLiteral("25000"));
    SelectByKeys(2);
    Click(m_view->MoveButton());
    SelectByKeys(1);
    m_event.Messages().Answer({MSG_RESULT_YES, MSG_RESULT_NO});
    Click(m_view->MoveButton());
    ASSERT_EQ(Shown().size(), 2);
    EXPECT_EQ(Shown()[1].text, QStringLiteral("הוצאה זו גורמת לחריגה ממסגרת התקציב (25000)\r\nהאם לכלול אותה בכל זאת?"));
    EXPECT_EQ(Rows(), 1);
    EXPECT_TRUE(m_view->MoveButton()->isEnabled());
}

TEST_F(BudgetViewTest, TheCeilingFieldTakesDigitsAndIsStoredWhenLeftAndBeforeASave)
{
    Show();
    m_view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_view.get()));
    m_event.Doc().SetModified(false);
    QLineEdit* field = m_view->CeilingField();

    // Visiting the field changes nothing: the default shown is not stored.
    field->setFocus();
    Tree()->setFocus();
    EXPECT_EQ(m_event.Doc().Settings().Key("UpperBudgetLimit"), QString());
    EXPECT_FALSE(m_event.Doc().IsModified());

    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "7a0x000");
    EXPECT_EQ(field->text(), QStringLiteral("70000"));
    Tree()->setFocus();
    EXPECT_EQ(m_event.Doc().Settings().Key("UpperBudgetLimit"), QStringLiteral("70000"));
    EXPECT_TRUE(m_event.Doc().IsModified());

    // Emptied, the field shows the default again.
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(m_event.Doc().Settings().Key("UpperBudgetLimit"), QString());
    EXPECT_EQ(field->text(), QStringLiteral("50000"));

    // Typed and not left: the save takes it.
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "12000");
    ASSERT_TRUE(m_event.Doc().SaveEvent());
    EXPECT_EQ(m_event.Doc().Settings().Key("UpperBudgetLimit"), QStringLiteral("12000"));
    m_view.reset();
    m_event.Reopen();
    Show();
    EXPECT_EQ(m_view->CeilingField()->text(), QStringLiteral("12000"));
}

TEST_F(BudgetViewTest, PrintTakesTheTypedCeilingAndPreviewsTheOptionShown)
{
    Show();
    m_view->Tabs()->setCurrentIndex(1);
    QLineEdit* field = m_view->CeilingField();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "64000");
    CModalScript script;
    QString title;
    script.Then([&title](QWidget* window) {
        title = window->metaObject()->className();
        window->close();
    });
    QTest::mouseClick(m_view->PrintButton(), Qt::LeftButton);
    EXPECT_EQ(title, QStringLiteral("QPrintPreviewDialog"));
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(m_event.Doc().Settings().Key("UpperBudgetLimit"), QStringLiteral("64000"));
}

TEST_F(BudgetViewTest, AnOfferWithoutItsCategoryHasANodeOfItsOwnAndCounts)
{
    COffer* drone = CBudgetEdits(m_event.Doc()).AddOffer({"רחפן", "צילומי אוויר", QString(), 1500, false, 0});
    ASSERT_NE(drone, nullptr);
    drone->SetInPlan(0, true);
    Show();
    QTreeWidgetItem* lost = m_view->LostOffersItem();
    ASSERT_NE(lost, nullptr);
    EXPECT_EQ(Tree()->indexOfTopLevelItem(lost), 12);
    EXPECT_EQ(lost->text(0), QStringLiteral("הצעות ללא קטגוריה"));
    ASSERT_EQ(lost->childCount(), 1);
    EXPECT_EQ(lost->child(0)->text(0), QStringLiteral("רחפן"));
    EXPECT_EQ(m_view->TotalLabel()->text(), QStringLiteral("סה\"כ 1500 ש\"ח"));

    // The node is no category: nothing to rename or delete there.
    Tree()->setCurrentItem(lost);
    EXPECT_FALSE(m_view->IsCommandEnabled(ID_OBJECT_DELETE));
    EXPECT_EQ(MenuTexts(lost), (QStringList{"הוספת קטגוריה", "-", "הוספת הצעה"}));
}

TEST_F(BudgetViewTest, DeletingACategoryTakesItsOffersOutOfTheOptionList)
{
    for (int option = 0; option < 3; ++option)
        m_event.Doc().Offers().at(0)->SetInPlan(option, true);
    m_event.Doc().Offers().at(4)->SetInPlan(0, true);
    Show();
    ASSERT_EQ(Rows(), 2);
    SelectByKeys(0);
    m_event.Messages().Answer({MSG_RESULT_YES});
    m_view->OnCommand(ID_OBJECT_DELETE);
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].caption, QStringLiteral("מחיקת קטגוריה"));
    EXPECT_EQ(Tree()->topLevelItemCount(), 11);
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(m_view->List()->CellText(0, Col::ColName), QStringLiteral("הגבעתרון"));
    ClickTab(1);
    EXPECT_EQ(Rows(), 0);
}

TEST_F(BudgetViewTest, TheContextMenusFollowTheNodeAndTheCommandsTheSelection)
{
    Show();
    QTreeWidgetItem* caterers = Tree()->topLevelItem(0);
    EXPECT_EQ(MenuTexts(caterers),
              (QStringList{"הוספת קטגוריה", "מחיקת קטגוריה", "שינוי קטגוריה", "-", "הוספת הצעה"}));
    EXPECT_EQ(MenuTexts(caterers->child(0)),
              (QStringList{"הוספת קטגוריה", "-", "מחיקת הצעה", "עריכת הצעה", "הוספת הצעה"}));

    SelectByKeys(1);
    EXPECT_TRUE(m_view->HandlesCommand(ID_BUDGET_DELETE));
    EXPECT_TRUE(m_view->IsCommandEnabled(ID_BUDGET_DELETE));
    m_event.Messages().Answer({MSG_RESULT_NO, MSG_RESULT_YES});
    m_view->OnCommand(ID_OBJECT_DELETE);
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].text, QStringLiteral("האם למחוק הצעת מחיר זו?"));
    EXPECT_EQ(caterers->childCount(), 2);
    m_view->OnCommand(ID_BUDGET_DELETE);
    EXPECT_EQ(Tree()->topLevelItem(0)->childCount(), 1);
    EXPECT_EQ(m_event.Doc().Offers().size(), 5);

    // Deleting an offer leaves its category selected.
    QTreeWidgetItem* bands = Tree()->topLevelItem(9);
    Tree()->setCurrentItem(bands->child(0));
    m_event.Messages().Answer({MSG_RESULT_YES});
    m_view->OnCommand(ID_BUDGET_DELETE);
    EXPECT_EQ(Tree()->currentItem()->text(0), QStringLiteral("להקות"));
    EXPECT_EQ(Tree()->currentItem()->childCount(), 0);

    // On a category the offer commands are off.
    SelectByKeys(0);
    EXPECT_FALSE(m_view->IsCommandEnabled(ID_BUDGET_EDIT));
    EXPECT_TRUE(m_view->IsCommandEnabled(ID_OBJECT_EDIT));
}

TEST_F(BudgetViewTest, ANewOfferIsFiledUnderTheSelectedCategoryFromTheDialog)
{
    m_event.AddGuest("דנה", "לוי", 2)->SetInvited(120);
    m_event.AddGuest("רון", "כהן", 2)->SetInvited(80);
    Show();
    SelectByKeys(2);
    CModalScript script;
    script.Then([this](QWidget* window) {
        auto* dialog = qobject_cast<CAddOffer*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("הוספת הצעת מחיר"));
        EXPECT_EQ(dialog->CategoryField()->currentText(), QStringLiteral("קיטרינגים"));
        EXPECT_EQ(dialog->CurrentGuestsButton()->text(), QStringLiteral("עבור 200 מוזמנים (שכרגע ברשימה)"));
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_EQ(Shown().size(), 1);
        EXPECT_EQ(Shown()[0].text, QStringLiteral("אנא מלאו את כל הפרטים"));
        EXPECT_EQ(Shown()[0].caption, QStringLiteral("חסרים פרטים!"));
        dialog->NameField()->insert(QStringLiteral("שף הבית"));
        dialog->accept();
        ASSERT_EQ(Shown().size(), 2);
        EXPECT_EQ(Shown()[1].text, QStringLiteral("אנא מלאו את סכום ההצעה"));
        Press(dialog->PerGuestButton());
        EXPECT_FALSE(dialog->FixedAmountField()->isEnabled());
        dialog->PerGuestAmountField()->selectAll();
        QTest::keyClicks(dialog->PerGuestAmountField(), "150");
        EXPECT_EQ(dialog->TotalField()->text(), QStringLiteral("30000"));
        Press(dialog->OwnGuestsButton());
        dialog->OwnGuestsField()->selectAll();
        QTest::keyClicks(dialog->OwnGuestsField(), "400");
        EXPECT_EQ(dialog->TotalField()->text(), QStringLiteral("60000"));
        dialog->accept();
        EXPECT_FALSE(dialog->isVisible());
    });
    Click(m_view->AddOfferButton());
    EXPECT_EQ(script.Pending(), 0);
    ASSERT_EQ(m_event.Doc().Offers().size(), 7);
    const COffer* added = m_event.Doc().Offers().back();
    EXPECT_EQ(added->GetCategory(), QStringLiteral("קיטרינגים"));
    EXPECT_TRUE(added->IsPerGuest());
    EXPECT_EQ(added->GetGuestsForOffer(), 400);
    EXPECT_EQ(m_view->SelectedOffer(), added);
    EXPECT_EQ(Tree()->topLevelItem(0)->childCount(), 3);
}

TEST_F(BudgetViewTest, PerGuestCostsFollowTheGuestList)
{
    COffer* caterer = m_event.Doc().Offers().at(0);
    ASSERT_TRUE(CBudgetEdits(m_event.Doc()).EditOffer(*caterer, {"טעם וצבע", "קיטרינגים", QString(), 150, true, 0}));
    caterer->SetInPlan(0, true);
    Show();
    EXPECT_EQ(m_view->List()->CellText(0, Col::ColCost), QStringLiteral("0"));
    CGuest* guest = m_event.AddGuest("דנה", "לוי", 2);
    EXPECT_EQ(m_view->List()->CellText(0, Col::ColCost), QStringLiteral("300"));
    guest->SetInvited(200);
    m_event.Doc().UpdateAllViews(nullptr, HINT_GUEST_CHANGED, guest);
    EXPECT_EQ(m_view->List()->CellText(0, Col::ColCost), QStringLiteral("30000"));
    EXPECT_EQ(m_view->TotalLabel()->text(), QStringLiteral("סה\"כ 30000 ש\"ח"));
}

TEST_F(BudgetViewTest, RenamingToANameInUseIsRefusedAndANewNameReachesTheOffers)
{
    CCategory* bands = m_event.Doc().Categories().at(9);
    ASSERT_EQ(bands->GetName(), QStringLiteral("להקות"));
    Show();
    m_view->SelectCategory(bands);
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CAddCategory*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->NameField()->text(), QStringLiteral("להקות"));
        dialog->NameField()->setText(QStringLiteral("קיטרינגים"));
        dialog->accept();
    });
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CAddCategory*>(window);
        ASSERT_NE(dialog, nullptr);
        dialog->NameField()->setText(QStringLiteral("להקות חיות"));
        dialog->accept();
    });
    Click(m_view->RenameCategoryButton());
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].caption, QStringLiteral("קטגוריה קיימת"));
    EXPECT_EQ(bands->GetName(), QStringLiteral("להקות"));
    m_view->OnCommand(ID_OBJECT_EDIT);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(bands->GetName(), QStringLiteral("להקות חיות"));
    EXPECT_EQ(m_view->SelectedCategory(), bands);
    EXPECT_EQ(Tree()->currentItem()->text(0), QStringLiteral("להקות חיות"));
    EXPECT_EQ(Tree()->currentItem()->child(0)->text(0), QStringLiteral("הגבעתרון"));
    EXPECT_EQ(m_event.Doc().Offers().at(4)->GetCategory(), QStringLiteral("להקות חיות"));
}

TEST(AddOfferDialog, AmountsAndOwnCountsKeepToTheirLimits)
{
    CViewTestEvent event;
    CAddOffer fresh(nullptr, {"קיטרינגים"}, QString(), 10, event.Doc().Messages());
    fresh.FixedAmountField()->selectAll();
    QTest::keyClicks(fresh.FixedAmountField(), "123456789");
    EXPECT_EQ(fresh.FixedAmountField()->value(), 1234567);
    Press(fresh.PerGuestButton());
    Press(fresh.OwnGuestsButton());
    fresh.OwnGuestsField()->selectAll();
    QTest::keyClicks(fresh.OwnGuestsField(), "1234567");
    EXPECT_EQ(fresh.OwnGuestsField()->value(), 12345);

    // Values from outside the limits come back to the user on OK.
    COffer stored;
    stored.SetName(QStringLiteral("ישן"));
    stored.SetShekels(20000000);
    stored.SetPerGuest(true);
    stored.SetGuestsForOffer(200000);
    CAddOffer edit(&stored, {"קיטרינגים"}, QStringLiteral("אולמות"), 10, event.Doc().Messages());
    EXPECT_EQ(edit.windowTitle(), QStringLiteral("שינוי פרטים של הצעת מחיר"));
    EXPECT_EQ(edit.CategoryField()->currentText(), QStringLiteral("אולמות"));
    EXPECT_TRUE(edit.OwnGuestsButton()->isChecked());
    edit.show();
    edit.accept();
    ASSERT_EQ(event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(event.Messages().ShownMessages()[0].text, QStringLiteral("יש להקליד מספר שלם בין 1 ל-9999999."));
    edit.PerGuestAmountField()->setValue(9999999);
    edit.accept();
    ASSERT_EQ(event.Messages().ShownMessages().size(), 2);
    EXPECT_EQ(event.Messages().ShownMessages()[1].text, QStringLiteral("יש להקליד מספר שלם בין 1 ל-99999."));
    edit.OwnGuestsField()->setValue(99999);
    EXPECT_EQ(edit.TotalField()->text(), QStringLiteral("999989900001"));
    edit.accept();
    EXPECT_EQ(edit.result(), QDialog::Accepted);
    const CBudgetEdits::OfferValues values = edit.Values();
    EXPECT_EQ(values.amount, 9999999);
    EXPECT_EQ(values.ownGuests, 99999);
    EXPECT_EQ(values.category, QStringLiteral("אולמות"));

    // A fixed price keeps no guest count.
    CAddOffer fixed(&stored, {"קיטרינגים"}, QStringLiteral("קיטרינגים"), 10, event.Doc().Messages());
    Press(fixed.FixedButton());
    EXPECT_EQ(fixed.Values().ownGuests, 0);
    EXPECT_FALSE(fixed.OwnGuestsField()->isEnabled());
}

TEST_F(BudgetViewEnglishTest, TheEnglishTreeHoldsFiveExampleOffers)
{
    Show();
    ASSERT_EQ(Tree()->topLevelItemCount(), 12);
    int offers = 0;
    for (int n = 0; n < Tree()->topLevelItemCount(); ++n)
        offers += Tree()->topLevelItem(n)->childCount();
    EXPECT_EQ(offers, 5);
    EXPECT_EQ(Tree()->topLevelItem(0)->child(0)->text(0), QStringLiteral("Food Co Catering"));
    EXPECT_EQ(m_view->layoutDirection(), Qt::LeftToRight);
}

TEST_F(BudgetViewTest, ANewCategoryIsTheLastCategoryNodeAndSelected)
{
    Show();
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CAddCategory*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("קטגוריה חדשה"));
        dialog->NameField()->insert(QStringLiteral("  פרחים "));
        dialog->accept();
    });
    m_view->OnCommand(ID_OBJECT_ADD);
    EXPECT_EQ(script.Pending(), 0);
    ASSERT_EQ(Tree()->topLevelItemCount(), 13);
    EXPECT_EQ(Tree()->currentItem(), Tree()->topLevelItem(12));
    EXPECT_EQ(Tree()->currentItem()->text(0), QStringLiteral("פרחים"));
    EXPECT_EQ(m_event.Doc().Categories().back()->GetName(), QStringLiteral("פרחים"));
    EXPECT_TRUE(m_event.Doc().IsModified());
}
