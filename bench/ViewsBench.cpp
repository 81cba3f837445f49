// The guests and tables pages with the 5,000-guest event of the data-file benchmark (300 tables,
// 60 groups), built through the document: rebuilding the guest list, one keystroke in the
// first-names filter, one header sort and refilling the tables list. Each step includes the
// drawing of the page afterwards. Prints the times against their goals.

#include "BenchGoals.h"

#include "guests/ui/GuestFilterBar.h"
#include "guests/ui/GuestListModel.h"
#include "guests/ui/GuestsView.h"
#include "seating/ui/TablesView.h"

#include "data/storage/DataLocation.h"
#include "data/records/Guest.h"
#include "data/settings/Language.h"
#include "data/document/NewZelDoc.h"
#include "data/records/Table.h"
#include "data/document/ViewHint.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int kGuests = 5000;
constexpr int kTables = 300;
constexpr int kGroups = 60;

QString Name(const char* prefix, int i)
{
    return QStringLiteral("%1 %2").arg(QString::fromUtf8(prefix)).arg(i);
}

// The event and both pages, made once for all benchmarks.
struct Pages
{
    Pages()
        : location(dir.path())
        , document(location, nullptr)
    {
        document.DiscardOnClose();
        document.LoadEvent();
        while (document.Tables().size() < kTables)
            document.CreateTable(Name("table", int(document.Tables().size())), -1, 12);
        for (int i = 0; i < kGroups; ++i)
            document.AddGroup(Name("group", i), nullptr);
        const char* const relations[] = {"הכלה", "החתן", "משותף"};
        for (int i = 0; i < kGuests; ++i) {
            CGuest* guest = document.AddGuest(Name("דנה", i), QStringLiteral("Levi"), nullptr);
            guest->SetRelation(QString::fromUtf8(relations[i % 3]));
            guest->SetGroupName(Name("group", i % kGroups));
            guest->SetStatus(i % 3);
            guest->SetInvitationSent(i % 2);
            guest->SetInvited(4);
            guest->SetComing(3);
            guest->SetTableIndex(i % kTables);
        }
        guests = std::make_unique<CGuestsView>(document);
        guests->resize(1280, 720);
        guests->show();
        tables = std::make_unique<CTablesView>(document);
        tables->resize(1280, 720);
        tables->show();
        QApplication::processEvents();
    }

    QTemporaryDir dir;
    CDataLocation location;
    CNewZelDoc document;
    std::unique_ptr<CGuestsView> guests;
    std::unique_ptr<CTablesView> tables;
};

// Applies what a step posted and draws the page at once, so that the time includes the drawing.
void Settle(QWidget& page)
{
    QApplication::processEvents();
    page.repaint();
}

// Destroyed before the application object goes, since the pages are widgets.
std::unique_ptr<Pages> g_pages;

Pages& ThePages()
{
    if (!g_pages)
        g_pages = std::make_unique<Pages>();
    return *g_pages;
}

void BM_RebuildGuestList(benchmark::State& state)
{
    Pages& pages = ThePages();
    for (auto _ : state) {
        pages.guests->Rebuild();
        Settle(*pages.guests);
    }
    if (pages.guests->Model().rowCount() != kGuests)
        state.SkipWithError("the list does not show every guest");
}
BENCHMARK(BM_RebuildGuestList)->Unit(benchmark::kMillisecond);

void BM_NameFilterKeystroke(benchmark::State& state)
{
    Pages& pages = ThePages();
    QLineEdit* names = pages.guests->FilterBar()->FirstNamesEdit();
    names->setText(QStringLiteral("דנה "));
    bool typed = false;
    // One key each time: "1" typed (about a ninth of the guests stay), then taken back (all come back).
    for (auto _ : state) {
        if (typed)
            names->backspace();
        else
            names->insert(QStringLiteral("1"));
        typed = !typed;
        Settle(*pages.guests);
    }
    names->clear();
    QApplication::processEvents();
}
BENCHMARK(BM_NameFilterKeystroke)->Unit(benchmark::kMillisecond);

void BM_HeaderSort(benchmark::State& state)
{
    Pages& pages = ThePages();
    for (auto _ : state) {
        pages.guests->SortByColumn(CGuestListModel::ColNames);
        Settle(*pages.guests);
    }
}
BENCHMARK(BM_HeaderSort)->Unit(benchmark::kMillisecond);

void BM_RefillTablesList(benchmark::State& state)
{
    Pages& pages = ThePages();
    for (auto _ : state) {
        pages.tables->OnUpdate(nullptr, HINT_SEATING_REBUILT, nullptr);
        Settle(*pages.tables);
    }
    if (pages.tables->TableModel().rowCount() != kTables)
        state.SkipWithError("the tables list does not show every table");
}
BENCHMARK(BM_RefillTablesList)->Unit(benchmark::kMillisecond);

const BenchGoals::Goal kGoals[] = {
    {"rebuilding the guest list", "BM_RebuildGuestList", 50},
    {"one keystroke in the names filter", "BM_NameFilterKeystroke", 50},
    {"one header sort", "BM_HeaderSort", 100},
    {"refilling the tables list", "BM_RefillTablesList", 20},
};

}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    Language::Set(UiLanguage::Hebrew);
    QApplication::setLayoutDirection(Qt::RightToLeft);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("event: %d guests, %d tables, %d groups\n", kGuests, kTables, kGroups);
    ThePages();
    BenchGoals::CRecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool met = BenchGoals::Report(reporter, kGoals);
    benchmark::Shutdown();
    g_pages.reset();
    return met ? 0 : 2;
}
