// The seating chart with 500 tables and 5,000 guests seated at them: building the chart (gathering
// the tables and guests and drawing the page; the gathering also alone) and one step of a guest
// drag, a mouse move that moves the drag image and the hovered box and redraws what changed.
// Prints the times against their goals.

#include "BenchApplication.h"
#include "RecordingReporter.h"
#include "ScratchEvent.h"

#include "seating/core/SeatingChart.h"
#include "seating/ui/SeatingChartView.h"

#include "data/records/Guest.h"
#include "data/records/Table.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kTables = 500;
constexpr int kGuests = 5000;

struct Chart : ScratchEvent
{
    Chart()
    {
        while (document.Tables().size() <= kTables)
            document.CreateTable(QStringLiteral("table %1").arg(document.Tables().size()), -1, 10);
        for (int i = 0; i < kGuests; ++i) {
            CGuest* guest = document.AddGuest(QStringLiteral("דנה %1").arg(i), QStringLiteral("לוי"), nullptr);
            guest->SetComing(1 + i % 3);
            // Every hundredth guest stays unseated.
            guest->SetTableIndex(i % 100 == 7 ? 0 : 1 + i % kTables);
        }
        view = std::make_unique<CSeatingChartView>(document);
        view->resize(1280, 860);
        view->show();
        QApplication::processEvents();
    }

    std::unique_ptr<CSeatingChartView> view;
};

std::unique_ptr<Chart> g_chart;

Chart& TheChart()
{
    if (!g_chart)
        g_chart = std::make_unique<Chart>();
    return *g_chart;
}

void SendMouse(QWidget& widget, QEvent::Type type, const QPoint& point, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, point, widget.mapToGlobal(point), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void BM_BuildChart(benchmark::State& state)
{
    Chart& chart = TheChart();
    for (auto _ : state) {
        chart.view->Rebuild();
        chart.view->repaint();
    }
    if (chart.view->Chart().Count() != kTables + 1)
        state.SkipWithError("the chart does not hold every table");
}
BENCHMARK(BM_BuildChart)->Unit(benchmark::kMillisecond);

// The gathering alone, without drawing.
void BM_GatherChart(benchmark::State& state)
{
    Chart& chart = TheChart();
    CSeatingChart contents;
    for (auto _ : state) {
        contents.Build(chart.document);
        benchmark::DoNotOptimize(contents.Count());
    }
}
BENCHMARK(BM_GatherChart)->Unit(benchmark::kMillisecond);

void BM_DragMoveStep(benchmark::State& state)
{
    Chart& chart = TheChart();
    CSeatingChartView& view = *chart.view;
    const QPoint from = view.LineRect(1, 0).center();
    SendMouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton);
    SendMouse(view, QEvent::MouseMove, from + QPoint(20, 20), Qt::LeftButton);
    QApplication::processEvents();
    // Back and forth between two boxes in the middle of the grid, away from the scrolling bands.
    const QPoint points[] = {view.BoxRect(7).center(), view.BoxRect(8).center()};
    int step = 0;
    for (auto _ : state) {
        SendMouse(view, QEvent::MouseMove, points[step++ % 2], Qt::LeftButton);
        QApplication::processEvents();
    }
    if (!view.IsDragging())
        state.SkipWithError("the drag ended");
    SendMouse(view, QEvent::MouseMove, from + QPoint(20, 20), Qt::LeftButton);
    SendMouse(view, QEvent::MouseButtonRelease, from + QPoint(20, 20), Qt::NoButton);
}
BENCHMARK(BM_DragMoveStep)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    BenchApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("event: %d guests, %d tables\n", kGuests, kTables);
    TheChart();
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool met = reporter.PrintGoals({
        {"building the chart", "BM_BuildChart", 50},
        {"one drag-move step", "BM_DragMoveStep", 8},
    });
    benchmark::Shutdown();
    g_chart.reset();
    return met ? 0 : 2;
}
