// The guest import at its largest: a 5,000-row .xlsx into an event of 5,000 guests (at most 1 s),
// and another event's 5,000 guests from its data file into an event of 5,000 guests (at most
// 500 ms). Each run starts from a fresh event; reading the source and adding the guests is timed.

#include "guests/core/GuestImport.h"

#include "data/records/EventRecords.h"
#include "data/records/Guest.h"

#include "ScratchEvent.h"
#include "SheetFixtures.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kGuests = 5000;
constexpr int kGroups = 60;

// A scratch event of kGuests guests.
std::unique_ptr<ScratchEvent> FullEvent()
{
    auto event = std::make_unique<ScratchEvent>();
    for (int i = 0; i < kGuests; ++i)
        event->document.AddGuest(QStringLiteral("guest %1").arg(i), QStringLiteral("Levi"), nullptr, [i](CGuest& guest) {
            guest.SetGroupName(QStringLiteral("group %1").arg(i % kGroups));
        });
    return event;
}

QTemporaryDir& Sources()
{
    static QTemporaryDir dir;
    return dir;
}

QString WriteSheet()
{
    SheetFixtures::Sheet sheet{QStringLiteral("Guests"),
                               {{QStringLiteral("שם"), QStringLiteral("שם משפחה"), QStringLiteral("שיכות"),
                                 QStringLiteral("קבוצה"), QStringLiteral("טלפון"), QStringLiteral("מספר מוזמנים"),
                                 QStringLiteral("יבואו בפועל")}}};
    for (int r = 1; r <= kGuests; ++r)
        sheet.rows.append({QStringLiteral("row %1").arg(r), QStringLiteral("כהן"),
                           r % 2 ? QStringLiteral("כלה") : QStringLiteral("חתן"),
                           QStringLiteral("sheet group %1").arg(r % kGroups), QStringLiteral("03-1234567"),
                           double(1 + r % 5), double(r % 5)});
    const QString path = Sources().path() + QStringLiteral("/Guests.xlsx");
    return SheetFixtures::WriteXlsx(path, {sheet}) ? path : QString();
}

QString WriteOtherEvent()
{
    const QString folder = Sources().path() + QStringLiteral("/Other");
    CEventRecords records;
    for (int i = 0; i < kGuests; ++i) {
        auto* guest = new CGuest(nullptr, nullptr, &records.counters);
        guest->SetName(QStringLiteral("other %1").arg(i));
        guest->SetFamilyName(QStringLiteral("Bar"));
        guest->SetGroupName(QStringLiteral("other group %1").arg(i % kGroups));
        guest->SetPhone(QStringLiteral("050-7654321"));
        records.guests.append(guest);
    }
    return SheetFixtures::WriteEvent(folder, records) ? folder : QString();
}

template <typename Read>
void RunImport(benchmark::State& state, const QString& source, Read read)
{
    if (source.isEmpty()) {
        state.SkipWithError("the source could not be written");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto event = FullEvent();
        CGuestImport import(event->document);
        state.ResumeTiming();
        if (!read(import, source) || import.AddAll().added.size() != kGuests)
            state.SkipWithError("not every guest was imported");
        state.PauseTiming();
        event.reset();
        state.ResumeTiming();
    }
}

void BM_ImportXlsxIntoFullEvent(benchmark::State& state)
{
    static const QString sheet = WriteSheet();
    RunImport(state, sheet, [](CGuestImport& import, const QString& path) { return import.ReadSheet(path); });
}
BENCHMARK(BM_ImportXlsxIntoFullEvent)->Unit(benchmark::kMillisecond);

void BM_ImportOtherEventIntoFullEvent(benchmark::State& state)
{
    static const QString folder = WriteOtherEvent();
    RunImport(state, folder, [](CGuestImport& import, const QString& path) { return import.ReadEventFolder(path); });
}
BENCHMARK(BM_ImportOtherEventIntoFullEvent)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("import into an event of %d guests: a %d-row .xlsx (limit 1000 ms), another event of %d guests "
                "(limit 500 ms)\n",
                kGuests, kGuests, kGuests);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
