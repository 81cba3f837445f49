#include "seating/core/SketchGeometry.h"

#include <gtest/gtest.h>

using Area = CSketchGeometry::Area;

TEST(SketchGeometry, ShrinkingStopsAtTheMinimumSize)
{
    Area area{100, 100, 200, 180};
    for (int press = 0; press < 100; ++press)
        area = CSketchGeometry::Shrunk(area, CSketchGeometry::kGrowStep);
    EXPECT_EQ(area.Width(), 80);
    EXPECT_EQ(area.Height(), 60);
    // One more press changes nothing.
    EXPECT_EQ(CSketchGeometry::Shrunk(area, 2), area);
    // The step is lowered to what is left: 4 pixels of height remain, 2 on each side.
    EXPECT_EQ(CSketchGeometry::Shrunk(Area{0, 0, 100, 64}, 10), (Area{2, 2, 98, 62}));
}

TEST(SketchGeometry, GrowingStopsAtTheMaximumSizeAndStaysOnTheCanvas)
{
    Area area{1000, 1000, 1100, 1100};
    for (int press = 0; press < 2000; ++press)
        area = CSketchGeometry::Grown(area, CSketchGeometry::kGrowStep);
    EXPECT_EQ(area.Width(), 3000);
    EXPECT_EQ(area.Height(), 3000);
    EXPECT_GE(area.left, 0);
    EXPECT_GE(area.top, 0);
    EXPECT_EQ(CSketchGeometry::Grown(area, 2), area);
    // A shape at the corner grows and is pushed back onto the canvas.
    EXPECT_EQ(CSketchGeometry::Grown(Area{0, 0, 100, 100}, 2), (Area{0, 0, 104, 104}));
}

TEST(SketchGeometry, ShiftArrowsMoveTheRightAndTopEdgesWithinTheLimits)
{
    const Area area{10, 10, 110, 110};
    EXPECT_EQ(CSketchGeometry::Resized(area, -3, 0), (Area{10, 10, 107, 110}));
    EXPECT_EQ(CSketchGeometry::Resized(area, 3, 0), (Area{10, 10, 113, 110}));
    EXPECT_EQ(CSketchGeometry::Resized(area, 0, -3), (Area{10, 7, 110, 110}));
    EXPECT_EQ(CSketchGeometry::Resized(area, 0, 3), (Area{10, 13, 110, 110}));
    // Narrowing stops at 60, raising the top stops at the canvas edge.
    EXPECT_EQ(CSketchGeometry::Resized(Area{10, 10, 71, 110}, -3, 0), (Area{10, 10, 70, 110}));
    EXPECT_EQ(CSketchGeometry::Resized(Area{10, 1, 110, 110}, 0, -3), (Area{10, 0, 110, 110}));
    EXPECT_EQ(CSketchGeometry::Resized(Area{10, 10, 3010, 110}, 3, 0), (Area{10, 10, 3010, 110}));
    // A shape already too small is never made smaller, and may grow.
    EXPECT_EQ(CSketchGeometry::Resized(Area{10, 10, 40, 40}, -3, 3), (Area{10, 10, 40, 40}));
    EXPECT_EQ(CSketchGeometry::Resized(Area{10, 10, 40, 40}, 3, 0), (Area{10, 10, 43, 40}));
}

TEST(SketchGeometry, MovesStopAtTheCanvasEdges)
{
    EXPECT_EQ(CSketchGeometry::Moved(Area{2, 5, 102, 105}, -3, -3), (Area{0, 2, 100, 102}));
    const int far = CSketchGeometry::kCanvasSize;
    EXPECT_EQ(CSketchGeometry::Moved(Area{far - 101, 0, far - 1, 100}, 3, 0), (Area{far - 100, 0, far, 100}));
}

TEST(SketchGeometry, NoRectangleKeepsAZeroNegativeOrOversizedSize)
{
    EXPECT_EQ(CSketchGeometry::Normalized(Area{}), (Area{0, 0, 60, 60}));
    EXPECT_EQ(CSketchGeometry::Normalized(Area{-50, -20, -90, 10}), (Area{0, 0, 60, 60}));
    EXPECT_EQ(CSketchGeometry::Normalized(Area{5, 5, 5005, 105}), (Area{5, 5, 3005, 105}));
    EXPECT_EQ(CSketchGeometry::Sized(Area{20, 30, 0, 0}, 0, 5000), (Area{20, 30, 80, 3030}));
    EXPECT_TRUE(CSketchGeometry::IsValid(CSketchGeometry::Sized(Area{20, 30, 0, 0}, -7, 1024)));
    EXPECT_FALSE(CSketchGeometry::IsValid(Area{0, 0, 59, 100}));
}

TEST(SketchGeometry, BackToTheInitialSizeKeepsTheCentre)
{
    EXPECT_EQ(CSketchGeometry::AroundCentre(Area{100, 100, 400, 300}, {100, 100}), (Area{200, 150, 300, 250}));
    EXPECT_EQ(CSketchGeometry::AroundCentre(Area{0, 0, 60, 60}, {100, 100}), (Area{0, 0, 100, 100}));
}

TEST(SketchGeometry, TheInitialGridGivesEveryTableItsOwnPlace)
{
    const Area first = CSketchGeometry::GridPlace(0);
    EXPECT_TRUE(CSketchGeometry::IsValid(first));
    for (int index = 1; index < 600; ++index) {
        const Area place = CSketchGeometry::GridPlace(index);
        EXPECT_TRUE(CSketchGeometry::IsValid(place)) << index;
        const Area before = CSketchGeometry::GridPlace(index - 1);
        EXPECT_TRUE(place.left >= before.right || place.top >= before.bottom) << index;
    }
}
