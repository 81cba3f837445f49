// Feeds arbitrary older INI files of an event to the private-profile reader, the Windows-1255
// decoding and the older record readers. The input holds the files one after another, each after
// a line "#FILE#". Every file must be written back byte for byte, and the records read must
// survive a write of the event data file and a read of it.

#include "RoundTrip.h"

#include "data/records/Category.h"
#include "data/records/EventRecords.h"
#include "data/records/Expence.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/records/Meeting.h"
#include "data/records/Offer.h"
#include "data/records/Shape.h"
#include "data/records/ShapeFactory.h"
#include "data/records/Table.h"
#include "data/storage/IniFile.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <xercesc/util/PlatformUtils.hpp>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// In the order the document reads them.
const char* const kFiles[] = {"Groups.ini", "Guests.ini", "Expences.ini", "Tables.ini",
                              "Meetings.ini", "Category.ini", "Offers.ini", "GanArrangement.ini"};

std::unique_ptr<QTemporaryDir> g_folder;

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Loads one file of the input; a file that is written back must come out as it went in.
void LoadChecked(CIniFile& file, const QString& path, const QByteArray& bytes)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        std::abort();
    out.close();
    file.Load(path);
    const QString copy = path + QStringLiteral(".copy");
    if (!file.SaveAs(copy) || ReadFile(copy) != bytes) {
        std::fprintf(stderr, "an INI file read and written changed\n");
        std::abort();
    }
}

}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("WEDDING*=false"));
    xercesc::XMLPlatformUtils::Initialize();
    g_folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/ini-fuzz-XXXXXX"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    QByteArrayList files;
    qsizetype from = 0;
    for (qsizetype at = input.indexOf("#FILE#\n"); at >= 0 && files.size() < 7; at = input.indexOf("#FILE#\n", from)) {
        files << input.mid(from, at - from);
        from = at + 7;
    }
    files << input.mid(from);

    CIniFile ini[std::size(kFiles)];
    for (int i = 0; i < int(std::size(kFiles)); ++i)
        LoadChecked(ini[i], g_folder->filePath(QLatin1String(kFiles[i])), i < files.size() ? files[i] : QByteArray());

    CEventRecords records;
    CRecordCounters* counters = &records.counters;
    records.groups = CGroup::LoadAllIni(ini[0], nullptr, counters);
    records.guests = CGuest::LoadAllIni(ini[1], nullptr, nullptr, counters);
    records.expenses = CExpence::LoadAllIni(ini[2], counters);
    records.tables = CTable::LoadAllIni(ini[3], nullptr, counters);
    records.meetings = CMeeting::LoadAllIni(ini[4], counters);
    records.categories = CCategory::LoadAllIni(ini[5], counters);
    records.offers = COffer::LoadAllIni(ini[6], counters);
    records.shapes = CShapeFactory::LoadAllIni(ini[7], counters);
    CheckRoundTrip(records);
    return 0;
}
