// The hall sketch with 500 table shapes and 100 rectangles, circles and loudspeakers: redrawing the
// page as it is shown (every shape is painted, the window clips), drawing the whole canvas into one
// picture (as printing does, background included), and one step of dragging a table with the page
// drawn afterwards. Prints the times against their goals.

#include "BenchApplication.h"
#include "RecordingReporter.h"
#include "ScratchEvent.h"

#include "seating/ui/GanDesignView.h"
#include "seating/ui/SketchCanvas.h"

#include "data/document/NewZelDoc.h"
#include "data/document/Platform.h"
#include "data/records/Table.h"
#include "seating/core/SketchEdits.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kTables = 500;
constexpr int kShapes = 100;

class CNoPlatform : public IPlatform
{
public:
    bool OpenUrl(const QString&) override { return false; }
    bool OpenFile(const QString&) override { return false; }
    bool StartProgram(const QString&, const QStringList&) override { return false; }
    bool ComposeMail(const QString&, const QString&, const QStringList&) override { return false; }
    QString ChooseFile(const QString&, const QString&) override { return {}; }
    QString ChooseFolder(const QString&, const QString&) override { return {}; }
};

// The event and the sketch page, made once for all benchmarks.
struct Sketch : ScratchEvent
{
    Sketch()
    {
        while (document.Tables().size() <= kTables)
            document.CreateTable(QStringLiteral("שולחן משפחת לוי %1").arg(document.Tables().size()), -1, 12);
        CSketchEdits edits(document);
        const char* const names[] = {"רחבת ריקודים", "בר", "במה", "רמקול"};
        for (int i = 0; i < kShapes; ++i) {
            const int kind = i % 3 + 1;
            CShape* shape = edits.Add(kind, {QString::fromUtf8(names[i % 4]), 120, 80, 0x99CCFF, QString()});
            edits.Move({shape}, 1700 + (i % 10) * 160, (i / 10) * 120);
        }
        view = std::make_unique<CGanDesignView>(document, platform);
        view->resize(1280, 720);
        view->show();
        QApplication::processEvents();
    }

    CNoPlatform platform;
    std::unique_ptr<CGanDesignView> view;
};

// Destroyed before the application object goes, since the page is a widget.
std::unique_ptr<Sketch> g_sketch;

Sketch& TheSketch()
{
    if (!g_sketch)
        g_sketch = std::make_unique<Sketch>();
    return *g_sketch;
}

void BM_RedrawPage(benchmark::State& state)
{
    Sketch& sketch = TheSketch();
    CSketchCanvas& canvas = *sketch.view->Canvas();
    for (auto _ : state)
        canvas.repaint();
    if (canvas.Shapes().size() != kTables + kShapes)
        state.SkipWithError("the sketch does not hold every shape");
}
BENCHMARK(BM_RedrawPage)->Unit(benchmark::kMillisecond);

void BM_RedrawWholeSketch(benchmark::State& state)
{
    Sketch& sketch = TheSketch();
    CSketchCanvas& canvas = *sketch.view->Canvas();
    const QRect extent = canvas.Extent();
    QImage image(extent.right() + 1, extent.bottom() + 1, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        canvas.Paint(painter, true);
    }
    if (canvas.Shapes().size() != kTables + kShapes)
        state.SkipWithError("the sketch does not hold every shape");
}
BENCHMARK(BM_RedrawWholeSketch)->Unit(benchmark::kMillisecond);

void BM_DragStep(benchmark::State& state)
{
    Sketch& sketch = TheSketch();
    CSketchCanvas& canvas = *sketch.view->Canvas();
    canvas.Select(canvas.Shapes()[0]);
    int direction = 1;
    for (auto _ : state) {
        CSketchEdits(sketch.document, sketch.view.get()).Move(canvas.Selected(), 3 * direction, 0);
        direction = -direction;
        canvas.repaint();
    }
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    BenchApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("sketch: %d table shapes, %d other shapes\n", kTables, kShapes);
    TheSketch();
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool met = reporter.PrintGoals({{"redrawing 500 tables and 100 shapes", "BM_RedrawPage", 30}});
    benchmark::Shutdown();
    g_sketch.reset();
    return met ? 0 : 2;
}
