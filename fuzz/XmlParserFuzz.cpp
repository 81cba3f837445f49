// Feeds arbitrary bytes to the event data file's reader. Whatever it reads must be written and
// read back without an error and give the same number of records of every kind.

#include "data/storage/EventFile.h"
#include "data/records/EventRecords.h"
#include "data/storage/XmlParser.h"

#include <QByteArray>
#include <QLoggingCategory>

#include <xercesc/util/PlatformUtils.hpp>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

struct Counts
{
    qsizetype guests, expenses, tables, groups, meetings, categories, offers, shapes;
    bool operator==(const Counts&) const = default;
};

Counts CountsOf(const CEventRecords& records)
{
    return {records.guests.size(), records.expenses.size(), records.tables.size(), records.groups.size(),
            records.meetings.size(), records.categories.size(), records.offers.size(), records.shapes.size()};
}

}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A broken file is logged once per read: too many lines for a fuzzer.
    QLoggingCategory::setFilterRules(QStringLiteral("WEDDING*=false"));
    // Held for the whole run, so that each reader's own initialisation is only counted up and down.
    xercesc::XMLPlatformUtils::Initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CEventRecords records;
    {
        CXmlParser parser(records, nullptr, nullptr);
        parser.ParseData(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    }
    const QByteArray written = CEventFile::Build(records);
    CEventRecords again;
    CXmlParser parser(again, nullptr, nullptr);
    if (parser.ParseData(written) != 0 || !(CountsOf(again) == CountsOf(records))) {
        std::fprintf(stderr, "the records read do not survive a write and a read:\n%s\n", written.constData());
        std::abort();
    }
    return 0;
}
