#include "seating/core/SeatingChartLayout.h"

#include <gtest/gtest.h>

TEST(SeatingChartLayout, TheUnseatedColumnIsWideOnlyWhileSomeoneIsUnseated)
{
    const CSeatingChartLayout wide(1000, 600, true, 0);
    EXPECT_EQ(wide.UnseatedBox(), QRect(15, 10, 160, 580));
    const CSeatingChartLayout narrow(1000, 600, false, 0);
    EXPECT_EQ(narrow.UnseatedBox(), QRect(15, 10, 50, 580));
    // The grid follows the column to the left.
    EXPECT_EQ(wide.GridBox(0).left(), 190);
    EXPECT_EQ(narrow.GridBox(0).left(), 80);
}

TEST(SeatingChartLayout, BoxesFillRowsOf175PixelsAndRowsOf210)
{
    const CSeatingChartLayout layout(1000, 700, true, 0);
    EXPECT_EQ(layout.BoxesPerRow(), 4);
    const QRect first = layout.GridBox(0);
    EXPECT_EQ(first.left(), 190);
    EXPECT_EQ(first.left() + first.width(), 350);
    EXPECT_EQ(first.top(), 10);
    EXPECT_EQ(first.top() + first.height(), 210);
    const QRect sixth = layout.GridBox(5);
    EXPECT_EQ(sixth.left(), 365);
    EXPECT_EQ(sixth.top(), 220);
    EXPECT_EQ(sixth.top() + sixth.height(), 420);
}

TEST(SeatingChartLayout, NoBoxReachesUnderTheButtonsAtTheRightEdge)
{
    // 80 + 7 boxes would end at 1290 in a client 1280 wide.
    const CSeatingChartLayout layout(1280, 700, false, 0);
    EXPECT_EQ(layout.BoxesPerRow(), 6);
    const QRect last = layout.GridBox(5);
    EXPECT_LE(last.left() + last.width(), layout.ButtonRect(CSeatingChartLayout::GridUp).left());
    EXPECT_EQ(CSeatingChartLayout(1280, 700, true, 0).BoxesPerRow(), 6);
}

TEST(SeatingChartLayout, AClientNarrowerThanABoxStillShowsOnePerRow)
{
    const CSeatingChartLayout layout(120, 400, true, 0);
    EXPECT_EQ(layout.BoxesPerRow(), 1);
    EXPECT_EQ(layout.GridBox(1).top(), 220);
}

TEST(SeatingChartLayout, ScrollingHidesEarlierTablesAndKeepsEachRowsShade)
{
    const CSeatingChartLayout top(1000, 700, true, 0);
    const CSeatingChartLayout scrolled(1000, 700, true, 4);
    EXPECT_TRUE(scrolled.GridBox(3).isNull());
    EXPECT_EQ(scrolled.GridBox(4), top.GridBox(0));
    EXPECT_FALSE(top.IsSecondShade(0));
    EXPECT_TRUE(top.IsSecondShade(4));
    EXPECT_TRUE(scrolled.IsSecondShade(4));
    EXPECT_FALSE(scrolled.IsSecondShade(8));
}

TEST(SeatingChartLayout, APointFindsItsBoxAndTheGapsFindNone)
{
    const CSeatingChartLayout layout(1000, 700, true, 4);
    EXPECT_EQ(layout.GridIndexAt(QPoint(200, 20), 20), 4);
    EXPECT_EQ(layout.GridIndexAt(QPoint(370, 230), 20), 9);
    EXPECT_EQ(layout.GridIndexAt(QPoint(355, 20), 20), -1);
    EXPECT_EQ(layout.GridIndexAt(QPoint(200, 215), 20), -1);
    EXPECT_EQ(layout.GridIndexAt(QPoint(100, 20), 20), -1);
    // No table there.
    EXPECT_EQ(layout.GridIndexAt(QPoint(370, 230), 9), -1);
}

TEST(SeatingChartLayout, SevenNameLinesFitBetweenTheBands)
{
    const QRect box(190, 10, 160, 200);
    EXPECT_EQ(CSeatingChartLayout::LinesThatFit(box), 7);
    EXPECT_EQ(CSeatingChartLayout::HeaderRect(box), QRect(190, 10, 160, 35));
    EXPECT_EQ(CSeatingChartLayout::FooterRect(box), QRect(190, 175, 160, 35));
    EXPECT_EQ(CSeatingChartLayout::LineRect(box, 2).top(), 10 + 35 + 34);
    EXPECT_EQ(CSeatingChartLayout::LineAt(box, QPoint(200, 10 + 35 + 17 + 3)), 1);
    // The two pixels between lines and the header belong to no line.
    EXPECT_EQ(CSeatingChartLayout::LineAt(box, QPoint(200, 10 + 35 + 16)), -1);
    EXPECT_EQ(CSeatingChartLayout::LineAt(box, QPoint(200, 20)), -1);
}

TEST(SeatingChartLayout, TheGridScrollsByRowsAndForwardOnlyWithTwoRowsAfter)
{
    const CSeatingChartLayout top(1000, 700, true, 0);
    EXPECT_EQ(top.RowBack(), -1);
    EXPECT_EQ(top.RowForward(12), 4);
    EXPECT_EQ(top.RowForward(8), -1);
    const CSeatingChartLayout second(1000, 700, true, 4);
    EXPECT_EQ(second.RowBack(), 0);
    EXPECT_EQ(second.RowForward(12), -1);
    EXPECT_EQ(second.RowForward(13), 8);
}

TEST(SeatingChartLayout, TheFirstShownRowFollowsASelectionOutOfSight)
{
    const CSeatingChartLayout layout(1000, 440, true, 0);
    EXPECT_EQ(layout.VisibleRows(), 2);
    EXPECT_EQ(layout.FirstShownFor(5), 0);
    EXPECT_EQ(layout.FirstShownFor(9), 4);
    const CSeatingChartLayout scrolled(1000, 440, true, 8);
    EXPECT_EQ(scrolled.FirstShownFor(1), 0);
}

TEST(SeatingChartLayout, FourButtonsStackAtTheRightEdge)
{
    const CSeatingChartLayout layout(1000, 700, true, 0);
    EXPECT_EQ(layout.ButtonRect(CSeatingChartLayout::GridUp), QRect(960, 10, 30, 30));
    EXPECT_EQ(layout.ButtonRect(CSeatingChartLayout::NamesDown), QRect(960, 130, 30, 30));
    EXPECT_TRUE(layout.InTopBand(QPoint(500, 39)));
    EXPECT_FALSE(layout.InTopBand(QPoint(500, 40)));
    EXPECT_TRUE(layout.InBottomBand(QPoint(500, 660)));
}
