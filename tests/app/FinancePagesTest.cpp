#include "AppTestSupport.h"

#include "controls/CommandIds.h"
#include "controls/support/ModalScript.h"
#include "finance/ui/DolarRateDlg.h"
#include "finance/ui/ExpencesView.h"
#include "finance/ui/GiftsView.h"

#include <QLineEdit>

TEST(FinancePages, TheFirstVisitToTheGiftsWithoutARateOpensTheRateDialog)
{
    CFrameFixture fixture;
    fixture.document->Settings().SetDolarToShekel(0);
    CMainFrame& frame = fixture.Open(1280);
    ASSERT_NE(qobject_cast<CGiftsView*>(frame.View(CGiftsView::kPosition)), nullptr);
    ASSERT_NE(qobject_cast<CExpencesView*>(frame.View(CExpencesView::kPosition)), nullptr);
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CDolarRateDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        dialog->RateField()->setText(QStringLiteral("3.999"));
        dialog->accept();
    });
    frame.ShowPage(CGiftsView::kPosition);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_DOUBLE_EQ(fixture.document->Settings().GetDolarToShekel(), 4.0);

    // The menu command reaches the same dialog from any page.
    frame.ShowPage(CExpencesView::kPosition);
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CDolarRateDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->RateField()->text(), QStringLiteral("4.00"));
        dialog->RateField()->setText(QStringLiteral("101"));
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    frame.RouteCommand(ID_DOLLAR_RATE);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_DOUBLE_EQ(fixture.document->Settings().GetDolarToShekel(), 4.0);
    ASSERT_FALSE(fixture.messages.ShownMessages().isEmpty());
    EXPECT_EQ(fixture.messages.ShownMessages().back().text, QStringLiteral("יש להקליד מספר בין 0 ל-100."));
}
