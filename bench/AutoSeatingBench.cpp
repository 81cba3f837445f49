// The automatic seating of a large event: every guest seated anew in 5,000 guests of 60 groups
// at ten a table, by the core alone and with the guests, groups and tables pages open and drawn
// after the run, and 5,000 unseated guests of one group at one a table (5,000 new tables).

#include "BenchApplication.h"
#include "ScratchEvent.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "guests/ui/GroupsView.h"
#include "guests/ui/GuestsView.h"
#include "seating/core/AutoSeating.h"
#include "seating/ui/TablesView.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kGuests = 5000;
constexpr int kGroups = 60;

void AddGuests(CNewZelDoc& document, int groups, int (*coming)(int))
{
    for (int g = 0; g < groups; ++g)
        document.AddGroup(QStringLiteral("group %1").arg(g), nullptr);
    for (int i = 0; i < kGuests; ++i)
        document.AddGuest(QStringLiteral("guest %1").arg(i), QStringLiteral("Levi"), nullptr, [i, groups, coming](CGuest& guest) {
            guest.SetGroupName(QStringLiteral("group %1").arg(i % groups));
            guest.SetInvited(coming(i));
            guest.SetComing(coming(i));
        });
}

void BM_SeatAllInGroupsOfTen(benchmark::State& state)
{
    ScratchEvent event;
    event.document.Settings().SetNumberOfGuestsInTable(10);
    AddGuests(event.document, kGroups, [](int i) { return 1 + i % 4; });
    CAutoSeating seating(event.document);
    for (auto _ : state) {
        if (seating.SeatAll(true) != kGuests)
            state.SkipWithError("not every guest was seated");
    }
    state.counters["tables"] = double(event.document.Tables().size() - 1);
}
BENCHMARK(BM_SeatAllInGroupsOfTen)->Unit(benchmark::kMillisecond);

void BM_SeatAllWithThePagesOpen(benchmark::State& state)
{
    ScratchEvent event;
    event.document.Settings().SetNumberOfGuestsInTable(10);
    AddGuests(event.document, kGroups, [](int i) { return 1 + i % 4; });
    CGuestsView guests(event.document);
    CGroupsView groups(event.document);
    CTablesView tables(event.document);
    for (QWidget* page : {static_cast<QWidget*>(&guests), static_cast<QWidget*>(&groups), static_cast<QWidget*>(&tables)}) {
        page->resize(1280, 720);
        page->show();
    }
    QApplication::processEvents();
    CAutoSeating seating(event.document);
    for (auto _ : state) {
        if (seating.SeatAll(true) != kGuests)
            state.SkipWithError("not every guest was seated");
        // The pages apply what the run told them and draw it.
        QApplication::processEvents();
        for (QWidget* page : {static_cast<QWidget*>(&guests), static_cast<QWidget*>(&groups), static_cast<QWidget*>(&tables)})
            page->repaint();
    }
    state.counters["tables"] = double(event.document.Tables().size() - 1);
}
BENCHMARK(BM_SeatAllWithThePagesOpen)->Unit(benchmark::kMillisecond);

void BM_SeatUnseatedSinglesOneATable(benchmark::State& state)
{
    ScratchEvent event;
    event.document.Settings().SetNumberOfGuestsInTable(1);
    AddGuests(event.document, 1, [](int) { return 1; });
    CAutoSeating seating(event.document);
    for (auto _ : state) {
        state.PauseTiming();
        for (CGuest* guest : event.document.Guests())
            guest->SetTableIndex(0);
        event.document.DeleteAllTables();
        state.ResumeTiming();
        if (seating.SeatUnseated(true) != kGuests)
            state.SkipWithError("not every guest was seated");
    }
    state.counters["tables"] = double(event.document.Tables().size() - 1);
}
BENCHMARK(BM_SeatUnseatedSinglesOneATable)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    BenchApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("seat all: %d guests in %d groups, 10 a table (core alone, then with the guests, groups and tables "
                "pages open: goal 50 ms); seat the unseated: %d guests, 1 a table (goal 200 ms)\n",
                kGuests, kGroups, kGuests);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
