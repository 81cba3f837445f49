// The event data file: reading through CXmlParser against a bare SAX parse of the same file, and
// CEventFile::Write against one plain write of the same bytes. Prints the absolute times and the
// ratios of each pair. A new pair is a new benchmark plus a line in kComparisons.

#include "RecordingReporter.h"

#include "data/records/Category.h"
#include "data/records/Circle.h"
#include "data/storage/DataLocation.h"
#include "data/storage/EventFile.h"
#include "data/records/EventRecords.h"
#include "data/records/ShapeFactory.h"
#include "data/records/Expence.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/records/Meeting.h"
#include "data/document/NewZelDoc.h"
#include "data/records/Offer.h"
#include "data/records/Table.h"
#include "data/storage/XmlParser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <xercesc/parsers/SAXParser.hpp>
#include <xercesc/sax/HandlerBase.hpp>
#include <xercesc/util/PlatformUtils.hpp>

#include <cstdio>
#include <memory>

namespace {

constexpr int kGuests = 5000;
constexpr int kTables = 300;
constexpr int kGroups = 60;
constexpr int kExpenses = 200;
constexpr int kPaymentsPerExpense = 3;
constexpr int kOffers = 100;

QString Name(const char* prefix, int i)
{
    return QStringLiteral("%1 %2").arg(QLatin1String(prefix)).arg(i);
}

void AddGuests(CEventRecords& records)
{
    for (int i = 0; i < kGuests; ++i) {
        auto* guest = new CGuest(nullptr, nullptr);
        guest->SetName(Name("דנה", i));
        guest->SetFamilyName(QStringLiteral("Levi"));
        guest->SetNotes(QStringLiteral("likes jazz\r\nallergic to nuts %1").arg(i));
        guest->SetRelation(QStringLiteral("כלה"));
        guest->SetGroupName(Name("group", i % kGroups));
        guest->SetPhone(QStringLiteral("03-1234567"));
        guest->SetMobilePhone(QStringLiteral("050-7654321"));
        guest->SetAddress(QStringLiteral("Herzl %1\r\nTel Aviv").arg(i));
        guest->SetGift(QStringLiteral("cheque"));
        guest->SetGiftInfo(QStringLiteral("given at the door"));
        guest->SetEmail(QStringLiteral("guest%1@example.com").arg(i));
        guest->SetStatus(i % 3);
        guest->SetNeedKidsChair(i % 2);
        guest->SetInvitationSent(true);
        guest->SetInvitations(1 + i % 2);
        guest->SetInvited(4);
        guest->SetComing(3);
        guest->SetTableIndex(i % kTables);
        guest->SetKids(1);
        guest->SetGiftShekels(500);
        guest->SetGiftDollars(150);
        guest->SetTransport(1 + i % 2);
        guest->SetSmsCount(2);
        guest->AddRestriction(Name("דנה", (i + 1) % kGuests) + QStringLiteral(" Levi"), false);
        guest->AddRestriction(Name("דנה", (i + 2) % kGuests) + QStringLiteral(" Levi"), false);
        records.guests.append(guest);
    }
}

void AddOtherRecords(CEventRecords& records)
{
    for (int i = 0; i < kTables; ++i) {
        auto* table = new CTable(nullptr);
        table->SetId(i);
        table->SetName(Name("table", i));
        table->SetHallNumber(i);
        table->SetArea(CTable::Area{i * 10, i * 5, i * 10 + 80, i * 5 + 80});
        records.tables.append(table);
    }
    for (int i = 0; i < kGroups; ++i) {
        auto* group = new CGroup(nullptr);
        group->SetName(Name("group", i));
        records.groups.append(group);
    }
    for (int i = 0; i < kExpenses; ++i) {
        auto* expense = new CExpence;
        expense->SetName(Name("expense", i));
        expense->SetInfo(QStringLiteral("first line\r\nsecond line"));
        expense->SetShekels(3000);
        expense->SetPayer(QStringLiteral("Couple"));
        expense->SetCategory(QStringLiteral("Halls"));
        for (int p = 0; p < kPaymentsPerExpense; ++p) {
            CPayment& payment = expense->AddPayment();
            payment.SetShekels(1000);
            payment.SetPaid(p % 2);
            payment.SetDate(ShortDate{2024, quint16(1 + p), 15});
            payment.SetInfo(Name("payment", p));
        }
        records.expenses.append(expense);
    }
    for (int i = 0; i < kOffers; ++i) {
        auto* offer = new COffer;
        offer->SetName(Name("offer", i));
        offer->SetNotes(QStringLiteral("price per guest\r\ndrinks included"));
        offer->SetShekels(250);
        offer->SetCategory(QStringLiteral("Halls"));
        offer->SetInPlan(i % 3, true);
        offer->SetPerGuest(true);
        records.offers.append(offer);
    }
    auto* category = new CCategory;
    category->SetName(QStringLiteral("Halls"));
    records.categories.append(category);
    auto* meeting = new CMeeting;
    meeting->SetName(QStringLiteral("Caterer"));
    records.meetings.append(meeting);
    CShape* floor = CShapeFactory::Create(CShape::KindCircle);
    floor->SetName(QStringLiteral("Dance floor"));
    records.shapes.append(floor);
}

// The generated event and its data file, made once for all benchmarks.
struct Event
{
    Event()
    {
        AddGuests(records);
        AddOtherRecords(records);
        bytes = CEventFile::Build(records);
        // An event folder of a data folder, so that the document can load it too.
        dataFolder = dir.filePath(QStringLiteral("Data"));
        QDir().mkpath(dataFolder + QStringLiteral("/DB"));
        path = dataFolder + QStringLiteral("/DB/WeddingData.xml");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }

    QTemporaryDir dir;
    CEventRecords records;
    QByteArray bytes;
    QString dataFolder;
    QString path;
};

Event& TheEvent()
{
    static Event event;
    return event;
}

void BM_ParseEventFile(benchmark::State& state)
{
    Event& event = TheEvent();
    for (auto _ : state) {
        CEventRecords records;
        CXmlParser parser(records, nullptr, nullptr);
        if (parser.Parse(event.path) != 0 || records.guests.size() != kGuests)
            state.SkipWithError("the data file did not read back");
        state.PauseTiming();
        records.Clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * event.bytes.size());
}
BENCHMARK(BM_ParseEventFile)->Unit(benchmark::kMillisecond);

void BM_BareSaxParse(benchmark::State& state)
{
    Event& event = TheEvent();
    xercesc::XMLPlatformUtils::Initialize();
    const QByteArray path = QFile::encodeName(event.path);
    for (auto _ : state) {
        xercesc::SAXParser parser;
        xercesc::HandlerBase handler;
        parser.setValidationScheme(xercesc::SAXParser::Val_Auto);
        parser.setDoNamespaces(false);
        parser.setDoSchema(false);
        parser.setDocumentHandler(&handler);
        parser.setErrorHandler(&handler);
        parser.parse(path.constData());
    }
    xercesc::XMLPlatformUtils::Terminate();
    state.SetBytesProcessed(state.iterations() * event.bytes.size());
}
BENCHMARK(BM_BareSaxParse)->Unit(benchmark::kMillisecond);

void BM_WriteEventFile(benchmark::State& state)
{
    Event& event = TheEvent();
    const QString path = event.dir.filePath(QStringLiteral("Written.xml"));
    for (auto _ : state) {
        if (!CEventFile::Write(path, event.records))
            state.SkipWithError("the data file was not written");
    }
    state.SetBytesProcessed(state.iterations() * event.bytes.size());
}
BENCHMARK(BM_WriteEventFile)->Unit(benchmark::kMillisecond);

void BM_PlainWrite(benchmark::State& state)
{
    Event& event = TheEvent();
    const QString path = event.dir.filePath(QStringLiteral("Plain.xml"));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(event.bytes) != event.bytes.size()
            || !file.flush())
            state.SkipWithError("the plain file was not written");
    }
    state.SetBytesProcessed(state.iterations() * event.bytes.size());
}
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);

void BM_LoadThroughDocument(benchmark::State& state)
{
    Event& event = TheEvent();
    CDataLocation location(event.dataFolder);
    for (auto _ : state) {
        state.PauseTiming();
        auto document = std::make_unique<CNewZelDoc>(location, nullptr);
        document->DiscardOnClose();
        state.ResumeTiming();
        document->LoadEvent();
        state.PauseTiming();
        if (document->GuestCount() != kGuests || document->IsModified())
            state.SkipWithError("the event did not load through the document");
        document.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * event.bytes.size());
}
BENCHMARK(BM_LoadThroughDocument)->Unit(benchmark::kMillisecond);

void BM_SaveThroughDocument(benchmark::State& state)
{
    Event& event = TheEvent();
    QTemporaryDir scratch;
    const QString folder = scratch.filePath(QStringLiteral("Data/DB"));
    QDir().mkpath(folder);
    QFile::copy(event.path, folder + QStringLiteral("/WeddingData.xml"));
    CDataLocation location(scratch.filePath(QStringLiteral("Data")));
    CNewZelDoc document(location, nullptr);
    document.DiscardOnClose();
    document.LoadEvent();
    for (auto _ : state) {
        document.SetModified();
        if (!document.SaveEvent())
            state.SkipWithError("the event was not saved");
    }
    state.SetBytesProcessed(state.iterations() * event.bytes.size());
}
BENCHMARK(BM_SaveThroughDocument)->Unit(benchmark::kMillisecond);

struct Comparison
{
    const char* title;
    const char* candidate;
    const char* baseline;
};

const Comparison kComparisons[] = {
    {"parse through CXmlParser / bare SAX parse", "BM_ParseEventFile", "BM_BareSaxParse"},
    {"CEventFile::Write / one plain write", "BM_WriteEventFile", "BM_PlainWrite"},
    {"load through the document / bare SAX parse", "BM_LoadThroughDocument", "BM_BareSaxParse"},
    {"save through the document / one plain write", "BM_SaveThroughDocument", "BM_PlainWrite"},
};

}

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("event: %d guests, %d tables, %d groups, %d expenses of %d payments, %d offers; file %.2f MB\n",
                kGuests, kTables, kGroups, kExpenses, kPaymentsPerExpense, kOffers,
                TheEvent().bytes.size() / (1024.0 * 1024.0));
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const Comparison& comparison : kComparisons) {
        const auto candidate = reporter.times.find(comparison.candidate);
        const auto baseline = reporter.times.find(comparison.baseline);
        if (candidate == reporter.times.end() || baseline == reporter.times.end() || baseline->second <= 0)
            continue;
        std::printf("%s: %.2f (%.2f ms against %.2f ms)\n", comparison.title, candidate->second / baseline->second,
                    candidate->second, baseline->second);
    }
    benchmark::Shutdown();
    return 0;
}
