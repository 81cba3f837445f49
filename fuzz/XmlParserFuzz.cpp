// Feeds arbitrary bytes to the event data file's reader. Whatever it reads must be written, read
// back without an error and written again with every record as it was.

#include "RoundTrip.h"

#include "data/records/EventRecords.h"
#include "data/storage/XmlParser.h"

#include <QByteArray>
#include <QLoggingCategory>

#include <xercesc/util/PlatformUtils.hpp>

#include <cstdint>

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
    CheckRoundTrip(records);
    return 0;
}
