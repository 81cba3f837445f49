#include "seating/core/SeatingChart.h"

#include "ViewTestEvent.h"

#include <gtest/gtest.h>

TEST(SeatingChart, TheTextsOfABox)
{
    CViewTestEvent event;
    CGuest* guest = event.AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"), 3);
    EXPECT_EQ(CSeatingChart::TableTitle(4, 12), QStringLiteral("שולחן 4 (12)"));
    EXPECT_EQ(CSeatingChart::FooterText(8, 10), QStringLiteral("8 מתוך 10"));
    EXPECT_EQ(CSeatingChart::GuestLine(5, *guest, true), QStringLiteral("5. דנה לוי 3"));
    EXPECT_EQ(CSeatingChart::GuestLine(5, *guest, false), QStringLiteral("דנה לוי 3"));
}

TEST(SeatingChart, GuestsAreListedByFullNameWithRunningNumbersByDefault)
{
    CViewTestEvent event;
    event.SetRealTables(2);
    event.AddGuest("Ron", "Cohen", 2, 1);
    event.AddGuest("Ada", "Zur", 1, 1);
    event.AddGuest("Ben", "Adam", 4, 2);
    CSeatingChart chart;
    chart.Build(event.Doc());

    ASSERT_EQ(chart.Count(), 3);
    const CSeatingChart::Box& first = chart.Boxes()[1];
    EXPECT_EQ(first.lines, (QStringList{"1. Ada Zur 1", "2. Ron Cohen 2"}));
    EXPECT_EQ(first.seated, 3);
    EXPECT_EQ(first.title, QStringLiteral("שולחן 1 (1)"));
    EXPECT_EQ(first.footer, QStringLiteral("3 מתוך 10"));
    EXPECT_EQ(chart.BoxOfGuest(first.guests[1]), 1);
    EXPECT_EQ(chart.LineOfGuest(1, first.guests[1]), 1);
}

TEST(SeatingChart, ShowSerialZeroDropsTheNumbers)
{
    CViewTestEvent event;
    event.SetRealTables(1);
    event.AddGuest("Ron", "Cohen", 2, 1);
    event.Doc().Settings().SetKey("ShowSerial", "0");
    CSeatingChart chart;
    chart.Build(event.Doc());
    EXPECT_EQ(chart.Boxes()[1].lines, QStringList{"Ron Cohen 2"});
    event.Doc().Settings().SetKey("ShowSerial", "1");
    chart.Build(event.Doc());
    EXPECT_EQ(chart.Boxes()[1].lines, QStringList{"1. Ron Cohen 2"});
}

TEST(SeatingChart, GuestsNotComingAreLeftOutWhenAskedAndTheNumbersStayConsecutive)
{
    CViewTestEvent event;
    event.SetRealTables(1);
    event.AddGuest("Ada", "A", 1, 1);
    event.AddGuest("Bob", "B", 0, 1);
    event.AddGuest("Cid", "C", 2, 1);
    event.Doc().Settings().SetDontShowNonComming(true);
    CSeatingChart chart;
    chart.Build(event.Doc());
    EXPECT_EQ(chart.Boxes()[1].lines, (QStringList{"1. Ada A 1", "2. Cid C 2"}));
    EXPECT_EQ(chart.Boxes()[1].members, 3);
}

TEST(SeatingChart, TableZeroShowsDotsWhileEmptyAndIsNeverOverCapacity)
{
    CViewTestEvent event;
    event.SetRealTables(1, 2);
    CSeatingChart chart;
    chart.Build(event.Doc());
    EXPECT_EQ(chart.Boxes()[0].name, QStringLiteral("..."));
    EXPECT_TRUE(chart.Boxes()[0].title.isEmpty());

    event.AddGuest("Ada", "A", 5, 0);
    event.AddGuest("Bob", "B", 3, 1);
    chart.Build(event.Doc());
    EXPECT_EQ(chart.Boxes()[0].name, QStringLiteral("מוזמנים שאינם משובצים"));
    EXPECT_GT(chart.Boxes()[0].seated, chart.Boxes()[0].seats);
    EXPECT_FALSE(chart.Boxes()[0].IsOverCapacity());
    EXPECT_TRUE(chart.Boxes()[1].IsOverCapacity());
}

TEST(SeatingChart, TheHallNumberOrderKeepsTableZeroFirst)
{
    CViewTestEvent event;
    event.SetRealTables(3);
    event.Doc().Tables()[1]->SetHallNumber(30);
    event.Doc().Tables()[2]->SetHallNumber(10);
    event.Doc().Tables()[3]->SetHallNumber(20);
    CSeatingChart chart;
    chart.Build(event.Doc());
    EXPECT_EQ(chart.Boxes()[1].number, 1);
    event.Doc().Settings().SetArrangeTableByHallNumber(true);
    chart.Build(event.Doc());
    QList<int> numbers;
    for (const CSeatingChart::Box& box : chart.Boxes())
        numbers.append(box.number);
    EXPECT_EQ(numbers, (QList<int>{0, 2, 3, 1}));
    EXPECT_EQ(chart.BoxOfTable(1), 3);
}

TEST(SeatingChart, ANewNameOrSeatCountReachesOnlyThatBox)
{
    CViewTestEvent event;
    event.SetRealTables(2);
    CSeatingChart chart;
    chart.Build(event.Doc());
    CTable* table = event.Doc().Tables()[2];
    table->SetName("Family");
    table->SetSeats(12);
    chart.RefreshTable(event.Doc(), *table);
    EXPECT_EQ(chart.Boxes()[2].name, QStringLiteral("Family"));
    EXPECT_EQ(chart.Boxes()[2].footer, QStringLiteral("0 מתוך 12"));
    EXPECT_EQ(chart.Boxes()[1].name, QStringLiteral("T1"));
}
