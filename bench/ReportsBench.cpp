// The reports of a large event: the guest list of 5,000 guests, the table report by hall number
// with 500 tables, and the PDF of that guest list. Prints the times against their goals.

#include "reports/core/GuestListReport.h"
#include "reports/core/ReportOptions.h"
#include "reports/core/TableReport.h"
#include "reports/pdf/ReportPdf.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/records/Table.h"
#include "data/settings/Language.h"

#include "RecordingReporter.h"
#include "ScratchEvent.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kGuests = 5000;
constexpr int kTables = 500;

// The scratch event filled with seated guests.
struct Event : ScratchEvent
{
    Event()
    {
        while (document.Tables().size() <= kTables)
            document.CreateTable(QStringLiteral("שולחן %1").arg(document.Tables().size()), int(kTables + 1 - document.Tables().size()), 12);
        for (int i = 0; i < kGuests; ++i) {
            CGuest* guest = document.AddGuest(QStringLiteral("דנה %1").arg(i), QStringLiteral("לוי %1").arg(i % 97), nullptr);
            guest->SetGroupName(QStringLiteral("קבוצה %1").arg(i % 60));
            guest->SetComing(i % 4);
            guest->SetKids(i % 3);
            guest->SetTableIndex(1 + i % kTables);
        }
        options.perPage = 25;
    }

    CReportOptions options;
};

std::unique_ptr<Event> g_event;

Event& TheEvent()
{
    if (!g_event)
        g_event = std::make_unique<Event>();
    return *g_event;
}

void BM_GuestListReport(benchmark::State& state)
{
    Event& event = TheEvent();
    for (auto _ : state)
        benchmark::DoNotOptimize(GuestListReport::Html(event.document, event.options, GuestListReport::Order::FamilyName));
}
BENCHMARK(BM_GuestListReport)->Unit(benchmark::kMillisecond);

void BM_TablesByHallNumber(benchmark::State& state)
{
    Event& event = TheEvent();
    for (auto _ : state)
        benchmark::DoNotOptimize(TableReport::Html(event.document, TableReport::Order::ByHallNumber));
}
BENCHMARK(BM_TablesByHallNumber)->Unit(benchmark::kMillisecond);

void BM_GuestListPdf(benchmark::State& state)
{
    Event& event = TheEvent();
    const QString html = GuestListReport::Html(event.document, event.options, GuestListReport::Order::FamilyName);
    const QString path = event.dir.filePath(QStringLiteral("guests.pdf"));
    for (auto _ : state)
        if (!ReportPdf::Write(html, path))
            state.SkipWithError("the PDF was not written");
}
BENCHMARK(BM_GuestListPdf)->Unit(benchmark::kMillisecond)->Iterations(2);

}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Language::Set(UiLanguage::Hebrew);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("event: %d guests, %d tables\n", kGuests, kTables);
    TheEvent();
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool met = reporter.PrintGoals({
        {"guest list report, 5,000 guests", "BM_GuestListReport", 100},
        {"tables by hall number, 500 tables", "BM_TablesByHallNumber", 100},
        {"guest list PDF, 5,000 guests", "BM_GuestListPdf/iterations:2", 3000},
    });
    benchmark::Shutdown();
    g_event.reset();
    return met ? 0 : 2;
}
