#include "seating/core/TableSums.h"

#include "data/records/Guest.h"

#include <gtest/gtest.h>

#include <memory>

TEST(TableSums, CountsTheComingPeopleOfEveryTableInOneWalk)
{
    std::vector<std::unique_ptr<CGuest>> owned;
    QList<CGuest*> guests;
    for (auto [table, coming] : {std::pair{0, 2}, {2, 3}, {2, 4}, {5, 1}}) {
        owned.push_back(std::make_unique<CGuest>(nullptr, nullptr));
        owned.back()->SetTableIndex(table);
        owned.back()->SetComing(coming);
        guests.append(owned.back().get());
    }
    EXPECT_EQ(TableSums::Coming(guests, 3), (QList<qint64>{2, 0, 7}));
}
