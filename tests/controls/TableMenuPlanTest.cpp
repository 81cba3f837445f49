#include "controls/TableMenuPlan.h"

#include "data/records/Guest.h"

#include <gtest/gtest.h>

#include <memory>

TEST(TableMenuPlan, SubMenusOfTenOnlyAsManyAsTheTablesNeedUpToTheLimit)
{
    EXPECT_TRUE(TableMenuPlan::Ranges(0, 200).isEmpty());

    const auto ten = TableMenuPlan::Ranges(10, 200);
    ASSERT_EQ(ten.size(), 1);
    EXPECT_EQ(ten[0].caption, QStringLiteral("1-10"));
    EXPECT_EQ(ten[0].last, 10);

    const auto eleven = TableMenuPlan::Ranges(11, 200);
    ASSERT_EQ(eleven.size(), 2);
    EXPECT_EQ(eleven[1].caption, QStringLiteral("11-20"));
    EXPECT_EQ(eleven[1].first, 11);
    EXPECT_EQ(eleven[1].last, 11);

    const auto many = TableMenuPlan::Ranges(250, 200);
    ASSERT_EQ(many.size(), 20);
    EXPECT_EQ(many.back().caption, QStringLiteral("191-200"));
    EXPECT_EQ(many.back().last, 200);
    EXPECT_EQ(TableMenuPlan::Ranges(250, 100).back().caption, QStringLiteral("91-100"));

    EXPECT_EQ(TableMenuPlan::EntryText(7, QStringLiteral("חברים")), QStringLiteral("7 (חברים)"));
}
