// The pages of the main window driven by their keys, in both layouts, on wide and narrow screens.
#include "AppTestSupport.h"

#include "controls/CommandIds.h"

#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

int LastPage(CFrameFixture& fixture)
{
    return fixture.document->Settings().GetLastUIMode();
}

// The page the user sees: the main tab's page, or the inner one on the tables tab.
int VisiblePosition(CMainFrame& frame)
{
    QWidget* page = frame.Tabs()->currentWidget();
    if (page == frame.TablesTabs())
        page = frame.TablesTabs()->currentWidget();
    return page == frame.View(frame.ActivePosition()) ? frame.ActivePosition() : -1;
}

const int kDigitPages[][2] = {{Qt::Key_1, 3}, {Qt::Key_2, 4}, {Qt::Key_3, 5}, {Qt::Key_4, 6},  {Qt::Key_5, 7},
                              {Qt::Key_6, 8}, {Qt::Key_7, 9}, {Qt::Key_8, 11}, {Qt::Key_9, 12}, {Qt::Key_0, 13}};

}

TEST(PageKeys, DigitsShowTheirPagesOnAWideScreen)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open(1280);
    fixture.Activate();
    EXPECT_EQ(frame.TablesTabs(), nullptr);
    for (const auto& [key, position] : kDigitPages) {
        fixture.Key(key);
        EXPECT_EQ(frame.ActivePosition(), position);
        EXPECT_EQ(VisiblePosition(frame), position);
        EXPECT_EQ(LastPage(fixture), position);
        EXPECT_EQ(frame.Tabs()->currentWidget(), frame.View(position));
    }
}

TEST(PageKeys, TablesPagesLiveOnTheirOwnTabOnANarrowScreen)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open(1000);
    fixture.Activate();
    ASSERT_NE(frame.TablesTabs(), nullptr);
    EXPECT_EQ(frame.TablesTabs()->count(), 3);
    for (const auto& [key, position] : kDigitPages) {
        fixture.Key(key);
        EXPECT_EQ(VisiblePosition(frame), position);
        EXPECT_EQ(LastPage(fixture), position);
        const bool inner = position >= 7 && position <= 9;
        EXPECT_EQ(frame.Tabs()->currentWidget() == frame.TablesTabs(), inner) << position;
    }
    // The first showing on a narrow screen tells about the layout.
    ASSERT_FALSE(fixture.messages.ShownMessages().isEmpty());
    EXPECT_EQ(fixture.messages.ShownMessages().first().caption, QStringLiteral("רזולוציית המסך"));
}

TEST(PageKeys, NextAndPreviousInTheNormalLayout)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open(1280);
    fixture.Activate();
    fixture.Key(Qt::Key_1);
    QList<int> seen;
    for (int i = 0; i < 11; ++i) {
        fixture.Key(Qt::Key_Tab);
        seen << LastPage(fixture);
    }
    // Without an advertising page, 2 is absent; 14 exists only in real-time: next on 13 stays.
    EXPECT_EQ(seen, (QList<int>{4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 13}));
    EXPECT_EQ(frame.ActivePosition(), 13);

    fixture.Key(Qt::Key_1);
    fixture.Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(LastPage(fixture), 3) << "previous on 3 needs 2, absent here";
    fixture.Key(Qt::Key_4);
    fixture.Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(LastPage(fixture), 5);
}

TEST(PageKeys, NextAndPreviousOnANarrowScreenGoThroughTheTablesTab)
{
    CFrameFixture fixture;
    // An advertising page makes position 2 part of the layout.
    QDir().mkpath(fixture.DataFolder() + QStringLiteral("/Commercial"));
    QFile page(fixture.DataFolder() + QStringLiteral("/Commercial/Main.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<p>ad</p>");
    page.close();
    CMainFrame& frame = fixture.Open(900);
    fixture.Activate();
    ASSERT_TRUE(frame.Layout().Has(2));

    fixture.Key(Qt::Key_4);
    fixture.Key(Qt::Key_Tab);
    EXPECT_EQ(LastPage(fixture), 7);
    EXPECT_EQ(frame.Tabs()->currentWidget(), frame.TablesTabs());
    EXPECT_EQ(frame.TablesTabs()->currentWidget(), frame.View(7));

    EXPECT_TRUE(frame.ShowPage(2));
    fixture.Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(LastPage(fixture), 15) << "previous on 2 wraps to the tables tab";
    EXPECT_EQ(frame.Tabs()->currentWidget(), frame.TablesTabs());
    fixture.Key(Qt::Key_Tab);
    EXPECT_EQ(LastPage(fixture), 2) << "next on a stored 15 wraps to 2";
    EXPECT_EQ(frame.ActivePosition(), 2);
}

TEST(PageKeys, PreviousOnTheFirstPageOfAWideScreenStays)
{
    CFrameFixture fixture;
    QDir().mkpath(fixture.DataFolder() + QStringLiteral("/Commercial"));
    QFile page(fixture.DataFolder() + QStringLiteral("/Commercial/Main.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    CMainFrame& frame = fixture.Open(1280);
    fixture.Activate();
    ASSERT_TRUE(frame.ShowPage(2));
    fixture.Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(LastPage(fixture), 2);
    EXPECT_EQ(frame.ActivePosition(), 2);
}

TEST(PageKeys, TheRealTimeLayoutHasOnlyItsPages)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open(1280, true);
    fixture.Activate();
    EXPECT_EQ(frame.Layout().Positions(), (QList<int>{3, 8, 9, 10, 14}));
    // The question came first and was answered Yes.
    ASSERT_FALSE(fixture.messages.ShownMessages().isEmpty());
    EXPECT_EQ(fixture.messages.ShownMessages().first().text, StringTable::Get(59842));

    fixture.Key(Qt::Key_1);
    fixture.Key(Qt::Key_2);
    EXPECT_EQ(frame.ActivePosition(), 3) << "the groups page is absent in real time";
    fixture.Key(Qt::Key_Tab);
    EXPECT_EQ(LastPage(fixture), 3) << "next on 3 needs 4, absent here";
    fixture.Key(Qt::Key_6);
    fixture.Key(Qt::Key_Tab);
    fixture.Key(Qt::Key_Tab);
    EXPECT_EQ(LastPage(fixture), 10);
    ASSERT_TRUE(frame.ShowPage(14));
    fixture.Key(Qt::Key_Tab);
    EXPECT_EQ(LastPage(fixture), 14) << "15 is absent on a wide screen";
}

TEST(PageKeys, RealTimeOnANarrowScreenHoldsTheChartAndTheSketchOnTheTablesTab)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open(1000, true);
    fixture.Activate();
    EXPECT_EQ(frame.Layout().Positions(), (QList<int>{3, 15, 8, 9, 10, 14}));
    ASSERT_TRUE(frame.ShowPage(14));
    fixture.Key(Qt::Key_Tab);
    EXPECT_EQ(LastPage(fixture), 15);
    EXPECT_EQ(frame.Tabs()->currentWidget(), frame.TablesTabs());
    fixture.Key(Qt::Key_5);
    EXPECT_EQ(LastPage(fixture), 15) << "the tables page itself is absent in real time";
}

TEST(PageKeys, DecliningRealTimeGivesTheNormalLayoutAndWritesZero)
{
    CFrameFixture fixture;
    CIniFile::WriteProfileString(fixture.GeneralPath(), QStringLiteral("General"), QStringLiteral("REALTIME"),
                                 QStringLiteral("1"));
    fixture.messages.Answer({MSG_RESULT_NO});
    fixture.general.Load(fixture.GeneralPath());
    CNewZelApp app(fixture.general, fixture.messages, fixture.platform);
    CMainFrame frame(*fixture.document, app, fixture.messages, fixture.platform, 1280);
    EXPECT_FALSE(frame.Layout().IsRealTime());
    EXPECT_TRUE(frame.Layout().Has(4));
    EXPECT_FALSE(app.RealTimeAtStart());
    EXPECT_FALSE(app.RealTimeNext());
    EXPECT_EQ(CIniFile::ReadProfileString(fixture.GeneralPath(), QStringLiteral("General"), QStringLiteral("REALTIME")),
              QStringLiteral("0"));
}

TEST(PageKeys, TheEventOpensOnItsLastPage)
{
    for (const auto& [stored, shown] : {std::pair{12, 12}, std::pair{15, 3}, std::pair{1, 3}, std::pair{14, 3}}) {
        CFrameFixture fixture;
        fixture.document->Settings().SetLastUIMode(stored);
        CMainFrame& frame = fixture.Open(1280);
        EXPECT_EQ(frame.ActivePosition(), shown) << stored;
        EXPECT_EQ(fixture.document->Settings().GetLastUIMode(), shown) << stored;
    }
}

TEST(PageKeys, ClickingATabStoresItsPage)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open(1000);
    frame.Tabs()->setCurrentWidget(frame.View(11));
    EXPECT_EQ(LastPage(fixture), 11);
    frame.Tabs()->setCurrentWidget(frame.TablesTabs());
    frame.TablesTabs()->setCurrentWidget(frame.View(9));
    EXPECT_EQ(LastPage(fixture), 9);
    EXPECT_EQ(frame.ActivePosition(), 9);
}

TEST(PageKeys, TheViewMenuChecksTheActivePage)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open(1280);
    frame.ShowPage(8);
    frame.UpdateCommandStates();
    for (int command : {ID_VIEW_GUESTS, ID_VIEW_SEATING, ID_VIEW_BUDGET}) {
        QAction* item = frame.Bars().MenuAction(command);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->isChecked(), command == ID_VIEW_SEATING);
    }
    EXPECT_EQ(frame.Bars().MenuAction(ID_VIEW_GUESTS)->text(), QStringLiteral("מוזמנים\tCtrl + 1"));
    EXPECT_EQ(frame.Bars().MenuAction(ID_PREVIOUS_PAGE)->text(), QStringLiteral("המסך הקודם\tCtrl + Shift +Tab"));
}
