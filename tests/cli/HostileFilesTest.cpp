#include "CliProcess.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

namespace {

QByteArray DataFile(const QByteArray& guests)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n<Guests>\r\n" + guests +
           "</Guests>\r\n</WeddingData>\r\n";
}

QByteArray Guest(const QByteArray& name)
{
    return "<Guest>\r\n<gsName><![CDATA[" + name + "]]></gsName>\r\n</Guest>\r\n\r\n";
}

// A hostile event folder: how it is made, and how many guests it still gives back.
struct HostileCase
{
    const char* name;
    std::function<void(const QString& folder)> make;
    int guests;
};

constexpr qint64 kMemoryLimit = qint64(2) * 1024 * 1024 * 1024;
constexpr int kTimeLimitMs = 15000;

const QList<HostileCase>& Cases()
{
    static const QList<HostileCase> cases = {
        {"truncated", [](const QString& folder) {
             TestFiles::Write(folder + "/WeddingData.xml", DataFile(Guest("Dana") + Guest("Ron")).left(120));
         }, 1},
        {"wrongly nested", [](const QString& folder) {
             TestFiles::Write(folder + "/WeddingData.xml",
                              DataFile("<Guest><gsName>Dana</Guest></gsName>" + Guest("Ron") + Guest("Tal")));
         }, 3},
        {"empty", [](const QString& folder) { TestFiles::Write(folder + "/WeddingData.xml", QByteArray()); }, 0},
        {"a folder for the data file", [](const QString& folder) { QDir().mkpath(folder + "/WeddingData.xml"); }, 0},
        {"entity bomb", [](const QString& folder) {
             QByteArray bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE WeddingData [\n<!ENTITY big \"" +
                               QByteArray(50 * 1024, 'x') + "\">\n]>\n<WeddingData><Guests>";
             for (int i = 0; i < 20000; ++i)
                 bomb += "<Guest><gsName>&big;&big;&big;&big;&big;&big;&big;&big;&big;&big;</gsName></Guest>";
             TestFiles::Write(folder + "/WeddingData.xml", bomb + "</Guests></WeddingData>");
         }, 0},
        {"100000 levels of nesting", [](const QString& folder) {
             TestFiles::Write(folder + "/WeddingData.xml",
                              DataFile(Guest("Dana") + QByteArray("<a>").repeated(100000) + Guest("Ron")));
         }, 1},
        {"100 MB text", [](const QString& folder) {
             TestFiles::Write(folder + "/WeddingData.xml",
                              DataFile(Guest(QByteArray(100 * 1024 * 1024, 'n')) + Guest("Ron")));
         }, 2},
        {"invalid UTF-8", [](const QString& folder) {
             TestFiles::Write(folder + "/WeddingData.xml", DataFile(Guest("Dana") + Guest("R\xC3\x28on\xFF") + Guest("Tal")));
         }, 3},
        {"NUL bytes in the data file", [](const QString& folder) {
             TestFiles::Write(folder + "/WeddingData.xml", DataFile(Guest("Dana") + Guest(QByteArray("R\0on", 4)) + Guest("Tal")));
         }, 3},
        {"INI of 100000 sections", [](const QString& folder) {
             QByteArray ini;
             for (int i = 0; i < 100000; ++i)
                 ini += "[Guest" + QByteArray::number(i) + "]\r\nNM=G" + QByteArray::number(i) + "\r\n";
             TestFiles::Write(folder + "/Guests.ini", ini);
         }, 100000},
        {"INI of 1 MB lines", [](const QString& folder) {
             TestFiles::Write(folder + "/Guests.ini", "[Guest0]\r\nNM=" + QByteArray(1024 * 1024, 'n') + "\r\nAI=" +
                                                          QByteArray(1024 * 1024, '.') + "\r\n[Guest1]\r\nNM=Ron\r\n");
         }, 2},
        {"NUL bytes in an INI file", [](const QString& folder) {
             static const char ini[] = "[Guest0]\r\nNM=Da\0na\r\n\0\0\r\n[Guest1]\r\nNM=Ron\r\n";
             TestFiles::Write(folder + "/Guests.ini", QByteArray(ini, sizeof ini - 1));
         }, 2},
        {"events.ini pointing outside the data folder", [](const QString& folder) {
             TestFiles::Write(QFileInfo(folder).path() + "/events.ini", "[Events]\r\nActive=../../../../tmp\r\n");
             TestFiles::Write(folder + "/WeddingData.xml", DataFile(Guest("Dana")));
         }, 1},
    };
    return cases;
}

class HostileFiles : public ::testing::TestWithParam<int>
{
};

TEST_P(HostileFiles, InfoEndsInTimeWithinItsMemoryAndGivesTheReadableRecords)
{
    const HostileCase& hostile = Cases()[GetParam()];
    QTemporaryDir dir;
    const QString folder = dir.path() + "/Data/DB";
    ASSERT_TRUE(QDir().mkpath(folder));
    hostile.make(folder);
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    CliLimits limits;
    limits.timeoutMs = kTimeLimitMs;
    limits.memoryBytes = kMemoryLimit;
    const CliRun run = Cli({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("info"), folder,
                            QStringLiteral("--json")},
                           limits);
    ASSERT_EQ(run.exitCode, 0) << hostile.name << ": " << run.err.left(2000).constData();
    const QJsonObject counts = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(counts.value(QStringLiteral("guests")).toInt(-1), hostile.guests) << hostile.name;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before) << hostile.name;
}

INSTANTIATE_TEST_SUITE_P(Table, HostileFiles, ::testing::Range(0, int(Cases().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             QByteArray name = Cases()[info.param].name;
                             for (char& c : name)
                                 if (!std::isalnum(uchar(c)))
                                     c = '_';
                             return name.toStdString();
                         });

}
