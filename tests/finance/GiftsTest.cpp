#include "finance/core/GiftEdits.h"
#include "finance/core/GiftTotals.h"
#include "finance/core/MoneyText.h"
#include "finance/ui/GiftsView.h"
#include "finance/ui/MatanotDlg.h"

#include "controls/CommandIds.h"
#include "controls/ListCtrlEx.h"
#include "controls/NumberSpinEdit.h"
#include "controls/SearchTableDlg.h"
#include "data/document/ViewHint.h"
#include "guests/ui/GuestInfoTab2.h"
#include "guests/ui/GuestsView.h"

#include "HintLog.h"
#include "ListDriver.h"
#include "ModalScript.h"
#include "ViewTestEvent.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Col = CGiftListModel::Column;

using GiftsViewTest = CViewTest<CGiftsView>;

class GiftsViewEnglishTest : public GiftsViewTest
{
protected:
    GiftsViewEnglishTest()
        : CViewTest(UiLanguage::English)
    {
    }
};

}

TEST(GiftTotals, ShekelsAndDollarsAtTheRateInEitherInterface)
{
    CViewTestEvent event;
    CGuest* dana = event.AddGuest("Dana", "Levi");
    event.AddGuest("Ron");
    CGiftEdits(event.Doc()).Set(*dana, "Vase", "", 500, 100);
    EXPECT_DOUBLE_EQ(CGiftTotals::GuestTotal(*dana, 4, true), 900);
    EXPECT_DOUBLE_EQ(CGiftTotals::GuestTotal(*dana, 4, false), 100);
    const CGiftTotals totals = CGiftTotals::Compute(event.Doc().Guests(), 4);
    EXPECT_DOUBLE_EQ(totals.shekels, 500);
    EXPECT_DOUBLE_EQ(totals.dollars, 100);
    EXPECT_DOUBLE_EQ(totals.total, 900);
    EXPECT_DOUBLE_EQ(CGiftTotals::Compute(event.Doc().Guests(), 0).total, 500);
}

TEST(GiftTotals, ThreeHundredLargestGiftsAddUpToTheShekel)
{
    CViewTestEvent event;
    for (int n = 0; n < 300; ++n)
        CGiftEdits(event.Doc()).Set(*event.AddGuest(QStringLiteral("G%1").arg(n)), "", "", 999999, 999999);
    const CGiftTotals totals = CGiftTotals::Compute(event.Doc().Guests(), 3.5);
    EXPECT_EQ(MoneyText::Whole(totals.shekels), "299999700");
    EXPECT_EQ(MoneyText::Whole(totals.dollars), "299999700");
    EXPECT_EQ(MoneyText::TwoDecimals(totals.total), "1349998650.00");
}

TEST(GiftEdits, AmountsInPlaceAreWholeNumbersUpTo999999)
{
    CViewTestEvent event;
    CGuest* guest = event.AddGuest("Dana");
    ASSERT_TRUE(event.Doc().SaveEvent());
    CHintLog hints(event.Doc());
    CGiftEdits edits(event.Doc());
    for (const char* text : {"12a", "-5", "1000000", "1.5"})
        EXPECT_FALSE(edits.SetShekels(*guest, text)) << text;
    EXPECT_FALSE(event.Doc().IsModified());
    EXPECT_EQ(hints.Count(HINT_GIFT_CHANGED), 0);
    EXPECT_TRUE(edits.SetDollars(*guest, "999999"));
    EXPECT_EQ(guest->GetGiftDollars(), 999999.0f);
    EXPECT_EQ(hints.Count(HINT_GIFT_CHANGED), 1);
    EXPECT_TRUE(event.Doc().IsModified());
    EXPECT_TRUE(edits.SetDollars(*guest, ""));
    EXPECT_EQ(guest->GetGiftDollars(), 0.0f);
}

TEST(GiftEdits, DeleteTellsOfNoGiftOrAsksAndKeepsTheGuest)
{
    CViewTestEvent event;
    CGuest* guest = event.AddGuest("Dana");
    CGiftEdits edits(event.Doc());
    EXPECT_FALSE(edits.Delete(*guest));
    ASSERT_EQ(event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(event.Messages().ShownMessages()[0].text, QStringLiteral("למוזמן זה לא הוזנה מתנה"));
    EXPECT_EQ(event.Messages().ShownMessages()[0].caption, QStringLiteral("מוזמן ללא מתנה"));
    EXPECT_EQ(event.Messages().ShownMessages()[0].buttons, MSG_OK);

    edits.Set(*guest, "Vase", "from work", 100, 0);
    event.Messages().Answer({MSG_RESULT_YES});
    EXPECT_TRUE(edits.Delete(*guest));
    ASSERT_EQ(event.Messages().ShownMessages().size(), 2);
    EXPECT_EQ(event.Messages().ShownMessages()[1].text, QStringLiteral("האם את/ה בטוח/ה שברצונך למחוק מתנה זו?"));
    EXPECT_EQ(event.Messages().ShownMessages()[1].caption, QStringLiteral("מחיקת מתנה?"));
    EXPECT_FALSE(CGiftEdits::HasGift(*guest));
    EXPECT_EQ(event.Doc().GuestCount(), 1);
}

TEST_F(GiftsViewTest, AnAmountTypedInPlaceTellsTheViewsAndTheSumsFollow)
{
    m_event.AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"));
    CGuest* ron = m_event.AddGuest(QStringLiteral("רון"));
    Show();
    EXPECT_TRUE(m_view->RateWarning()->isVisibleTo(m_view.get()));
    EXPECT_EQ(Cell(0, Col::ColNames), QStringLiteral("דנה לוי"));
    CHintLog hints(m_event.Doc());

    TypeInto(1, Col::ColShekels, "500");
    TypeInto(1, Col::ColDollars, "100");
    EXPECT_EQ(ron->GetGiftShekels(), 500.0f);
    EXPECT_EQ(hints.Count(HINT_GIFT_CHANGED), 2);
    EXPECT_EQ(m_view->TotalLabel()->text(), QStringLiteral("500.00"));

    m_event.Doc().Settings().SetDolarToShekel(4);
    m_event.Doc().UpdateAllViews(nullptr, HINT_DOLLAR_RATE_CHANGED);
    EXPECT_FALSE(m_view->RateWarning()->isVisibleTo(m_view.get()));
    EXPECT_EQ(Cell(1, Col::ColTotal), QStringLiteral("900.0"));
    EXPECT_EQ(m_view->ShekelsLabel()->text(), QStringLiteral("500"));
    EXPECT_EQ(m_view->DollarsLabel()->text(), QStringLiteral("100"));
    EXPECT_EQ(m_view->TotalLabel()->text(), QStringLiteral("900.00"));

    TypeInto(1, Col::ColDollars, "1000000");
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("טעות הקלדה!"));
    QTest::keyClick(m_view->List()->Editor()->LineEdit(), Qt::Key_Escape);
    EXPECT_EQ(ron->GetGiftDollars(), 100.0f);
}

TEST_F(GiftsViewTest, TheDeleteKeyAsksAndTheMenuShowsTheGuest)
{
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"));
    CGiftEdits(m_event.Doc()).Set(*guest, QStringLiteral("אגרטל"), QString(), 0, 50);
    Show();
    ClickCell(0, Col::ColNames);
    m_event.Messages().Answer({MSG_RESULT_YES});
    QTest::keyClick(m_view->List(), Qt::Key_Delete);
    EXPECT_FALSE(CGiftEdits::HasGift(*guest));
    EXPECT_EQ(Cell(0, Col::ColDescription), QString());

    CHintLog hints(m_event.Doc());
    std::unique_ptr<QMenu> menu(m_view->BuildContextMenu(m_view.get()));
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("עבור לפרטי המוזמן"));
    menu->actions()[0]->trigger();
    ASSERT_EQ(hints.Count(HINT_SHOW_GUEST), 1);
    EXPECT_EQ(hints.Entries().back().object, guest);

    m_event.Doc().AddGuest(QStringLiteral("רון"), QString(), nullptr);
    EXPECT_EQ(m_view->Model().rowCount(), 2);
}

TEST_F(GiftsViewTest, TheDialogWritesTheGiftAndRefusesTooMuch)
{
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"));
    Show();
    CModalScript script;
    script.Then([this](QWidget* window) {
        auto* dialog = qobject_cast<CMatanotDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        dialog->DescriptionField()->setText(QStringLiteral("סט כוסות"));
        dialog->ShekelsField()->setValue(1000000);
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
        EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("יש להקליד מספר שלם בין 0 ל-999999."));
        dialog->ShekelsField()->setValue(360);
        dialog->accept();
    });
    ClickCell(0, Col::ColNames);
    QTest::mouseClick(m_view->EditButton(), Qt::LeftButton);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(guest->GetGift(), QStringLiteral("סט כוסות"));
    EXPECT_EQ(guest->GetGiftShekels(), 360.0f);
    EXPECT_EQ(Cell(0, Col::ColShekels), QStringLiteral("360"));
}

TEST_F(GiftsViewTest, TheFirstVisitWithoutARateAsksForIt)
{
    Show();
    QSignalSpy requests(m_view.get(), &CGenericView::CommandRequested);
    m_view->OnActivate();
    m_view->OnActivate();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0][0].toInt(), int(ID_DOLLAR_RATE));
}

TEST_F(GiftsViewTest, AnInPlaceGiftShowsOnTheOpenGuestDetailsAndItsButtonOpensTheDialog)
{
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"));
    CGuestsView details(m_event.Doc());
    details.Tab2()->SetGiftEditor([&](CGuest& shown) { CMatanotDlg::Run(m_event.Doc(), shown, &details, &details); });
    details.show();
    details.SelectGuest(guest);
    Show();
    TypeInto(0, Col::ColDescription, QStringLiteral("Vase"));
    EXPECT_EQ(details.Tab2()->GiftText()->text(), QStringLiteral("Vase"));

    ASSERT_TRUE(details.Tab2()->GiftButton()->isEnabled());
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CMatanotDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        dialog->ShekelsField()->setValue(250);
        dialog->accept();
    });
    QTest::mouseClick(details.Tab2()->GiftButton(), Qt::LeftButton);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(guest->GetGiftShekels(), 250.0f);
    EXPECT_EQ(details.Tab2()->GiftAmount()->text(), QStringLiteral("250"));
    EXPECT_EQ(Cell(0, Col::ColShekels), QStringLiteral("250"));
}

TEST_F(GiftsViewEnglishTest, TheEnglishRowShowsDollarsAloneAndTheCommentLast)
{
    CGuest* guest = m_event.AddGuest("Dana");
    m_event.Doc().Settings().SetDolarToShekel(4);
    CGiftEdits(m_event.Doc()).Set(*guest, "Vase", "Work", 500, 100);
    Show();
    EXPECT_TRUE(m_view->List()->isColumnHidden(Col::ColShekels));
    EXPECT_EQ(m_view->List()->horizontalHeader()->visualIndex(Col::ColComment), Col::ColumnCount - 1);
    EXPECT_EQ(Cell(0, Col::ColTotal), QStringLiteral("100.0"));
    EXPECT_EQ(m_view->TotalLabel()->text(), QStringLiteral("900.00"));
}

TEST_F(GiftsViewTest, F3FindsTheNextGuestByName)
{
    m_event.AddGuest("Dana", "Levi");
    m_event.AddGuest("Ron");
    m_event.AddGuest("Danny", "Mor");
    Show();
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CSearchTableDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->GuestField(), "Dan");
        dialog->accept();
    });
    m_view->OnCommand(ID_OBJECT_FIND);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(m_view->List()->SelectedRow(), 0);
    m_view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_view.get()));
    m_view->List()->setFocus();
    QTest::keyClick(m_view->List(), Qt::Key_F3);
    EXPECT_EQ(m_view->List()->SelectedRow(), 2);
    QTest::keyClick(m_view->List(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(m_view->List()->SelectedRow(), 0);
    EXPECT_TRUE(m_event.Messages().ShownMessages().isEmpty());
}
