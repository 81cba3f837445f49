#include "data/records/EventRecords.h"
#include "data/records/Guest.h"
#include "data/records/Meeting.h"
#include "data/settings/Language.h"
#include "data/settings/Settings.h"
#include "data/storage/AtomicFile.h"
#include "data/storage/Cp1255.h"
#include "data/storage/EventFile.h"
#include "data/storage/IniFile.h"
#include "data/storage/XmlParser.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray DataFile(const QByteArray& inner)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n" + inner + "</WeddingData>\r\n";
}

class DataFileReading : public ::testing::Test
{
protected:
    long Parse(const QByteArray& bytes)
    {
        CXmlParser parser(records, nullptr, nullptr);
        return parser.ParseData(bytes);
    }
    QStringList GuestNames() const
    {
        QStringList names;
        for (const CGuest* guest : records.guests)
            names << guest->GetName();
        return names;
    }

    CEventRecords records;
};

TEST_F(DataFileReading, ABareAmpersandCostsOnlyItsOwnField)
{
    EXPECT_EQ(Parse(DataFile("<Guests>\r\n<Guest><gsName>Dana</gsName></Guest>\r\n"
                             "<Guest><gsName>Tom & Jerry</gsName><Coming>3</Coming></Guest>\r\n"
                             "<Guest><gsName>Ron</gsName></Guest>\r\n</Guests>\r\n"
                             "<Tables>\r\n<Table><tName>Bar</tName></Table>\r\n</Tables>\r\n")),
              CXmlParser::kFailed);
    ASSERT_EQ(records.guests.size(), 3);
    EXPECT_EQ(records.guests[0]->GetName(), QStringLiteral("Dana"));
    EXPECT_EQ(records.guests[1]->GetComing(), 3);
    EXPECT_EQ(records.guests[2]->GetName(), QStringLiteral("Ron"));
    ASSERT_EQ(records.tables.size(), 1);
    EXPECT_EQ(records.tables[0]->GetName(), QStringLiteral("Bar"));

    // The next save writes all three.
    CEventRecords again;
    CXmlParser parser(again, nullptr, nullptr);
    EXPECT_EQ(parser.ParseData(CEventFile::Build(records)), 0);
    EXPECT_EQ(again.guests.size(), 3);
}

TEST_F(DataFileReading, AnEndTagOfAnotherNameKeepsTheRecordsAfterIt)
{
    Parse(DataFile("<Guests><Guest><gsName>Dana</gsName></Guset>"
                   "<Guest><gsName>Ron</gsName></Guest></Guests>"));
    EXPECT_EQ(GuestNames(), QStringList({QStringLiteral("Dana"), QStringLiteral("Ron")}));
}

TEST_F(DataFileReading, AFileDeclaringEntitiesIsRefusedAtOnce)
{
    QByteArray bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE WeddingData [\n<!ENTITY big \"" + QByteArray(50 * 1024, 'x') +
                      "\">\n]>\n<WeddingData><Guests>";
    for (int i = 0; i < 20000; ++i)
        bomb += "<Guest><gsName>&big;&big;&big;&big;&big;&big;&big;&big;&big;&big;</gsName></Guest>";
    bomb += "</Guests></WeddingData>";
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(Parse(bomb), CXmlParser::kFailed);
    // Generous: a refusal takes milliseconds, an expansion of the bomb minutes and gigabytes.
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_TRUE(records.guests.isEmpty());

    EXPECT_EQ(Parse(DataFile("").replace("<WeddingData>", "<!DOCTYPE WeddingData [<!ENTITY x \"y\">]><WeddingData>")),
              CXmlParser::kFailed);
}

TEST_F(DataFileReading, AGuestWithAHundredThousandRestrictionsLoadsFast)
{
    QByteArray inner = "<Guests><Guest><gsName>Dana</gsName><Restrictions>";
    for (int i = 0; i < 100000; ++i)
        inner += "<Restricted>Guest " + QByteArray::number(i) + "</Restricted>";
    inner += "<Restricted>Guest 7</Restricted></Restrictions></Guest></Guests>";
    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(Parse(DataFile(inner)), 0);
    // Generous: a check per name against a set takes well under a second, a linear one minutes.
    EXPECT_LT(timer.elapsed(), 8000);
    ASSERT_EQ(records.guests.size(), 1);
    EXPECT_EQ(records.guests[0]->GetRestrictions().size(), 100000);
    EXPECT_TRUE(records.guests[0]->HasRestriction(QStringLiteral("Guest 99999")));
}

TEST_F(DataFileReading, ATextKeepsItsFirstMegabyte)
{
    const QByteArray huge(3 * 1024 * 1024, 'n');
    ASSERT_EQ(Parse(DataFile("<Guests><Guest><gsName><![CDATA[" + huge + "]]></gsName><Info>" + huge +
                             "</Info></Guest><Guest><gsName>Ron</gsName></Guest></Guests>")),
              0);
    ASSERT_EQ(records.guests.size(), 2);
    EXPECT_EQ(records.guests[0]->GetName().size(), 1024 * 1024);
    EXPECT_EQ(records.guests[0]->GetNotes().size(), 1024 * 1024);
    EXPECT_EQ(records.guests[1]->GetName(), QStringLiteral("Ron"));
}

TEST_F(DataFileReading, AMeetingCutOffKeepsTheLineBreaksOfItsNotes)
{
    Parse(DataFile("<Meetings><Meeting><mName>Caterer</mName><mInfo>bring the menu\r\nask about wine</mInfo>"));
    ASSERT_EQ(records.meetings.size(), 1);
    EXPECT_EQ(records.meetings[0]->GetNotes(), QStringLiteral("bring the menu\r\nask about wine"));
}

TEST(DataFileWriting, GiftAmountsAreWrittenAsPrintfWritesThem)
{
    CGuest guest(nullptr, nullptr);
    const struct
    {
        float amount;
        const char* written;
    } cases[] = {{12.25f, "12.2"}, {0.25f, "0.2"}, {-0.0f, "-0.0"}, {0.75f, "0.8"}, {150, "150.0"}, {2.5f, "2.5"}};
    for (const auto& c : cases) {
        guest.SetGiftDollars(c.amount);
        guest.SetGiftShekels(c.amount);
        QByteArray buffer;
        guest.WriteXml(buffer);
        EXPECT_TRUE(buffer.contains(QByteArray("<DollarsGift>") + c.written + "</DollarsGift>\r\n")) << c.written;
        EXPECT_TRUE(buffer.contains(QByteArray("<SekelsGift>") + c.written + "</SekelsGift>\r\n")) << c.written;
    }
}

TEST(DataFileWriting, TheRateIsWrittenAsPrintfWritesIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    CSettings settings;
    settings.SetDolarToShekel(4.125);
    ASSERT_TRUE(settings.Save(path));
    EXPECT_TRUE(TestFiles::Read(path).contains("DolarToShekel=4.12\r\n"));
}

TEST(DataFileWriting, CharactersXmlCannotCarryAreDroppedAndTheFileReadsBack)
{
    CEventRecords records;
    auto* first = new CGuest(nullptr, nullptr);
    auto* second = new CGuest(nullptr, nullptr);
    records.guests = {first, second};
    first->SetName(QStringLiteral("Da") + QChar(0x01) + QStringLiteral("na") + QChar(0xFFFF) + QChar(0xD800) +
                   QChar(0x0B));
    first->SetNotes(QStringLiteral("line\r\nnext\t") + QChar(0xDC00) + QStringLiteral("end"));
    first->SetFamilyName(QStringLiteral("Levi ") + QString::fromUcs4(U"\U0001F600"));
    second->SetName(QStringLiteral("Ron"));
    const QByteArray written = CEventFile::Build(records);
    EXPECT_FALSE(written.contains('\x01'));
    EXPECT_FALSE(written.contains('\x0B'));
    EXPECT_FALSE(written.contains("\xEF\xBF\xBF"));

    CEventRecords read;
    CXmlParser parser(read, nullptr, nullptr);
    ASSERT_EQ(parser.ParseData(written), 0);
    ASSERT_EQ(read.guests.size(), 2);
    EXPECT_EQ(read.guests[0]->GetName(), QStringLiteral("Dana"));
    EXPECT_EQ(read.guests[0]->GetNotes(), QStringLiteral("line\r\nnext\tend"));
    EXPECT_EQ(read.guests[0]->GetFamilyName(), QStringLiteral("Levi ") + QString::fromUcs4(U"\U0001F600"));
    EXPECT_EQ(read.guests[1]->GetName(), QStringLiteral("Ron"));
}

TEST(Cp1255Text, EveryByteSurvivesADecodeAndAnEncode)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all += char(byte);
    EXPECT_EQ(Cp1255::Encode(Cp1255::Decode(all)), all);
    EXPECT_EQ(Cp1255::Decode("\xD9\xFF"), QString(QChar(0xF7D9)) + QChar(0xF7FF));
    EXPECT_EQ(Cp1255::Encode(QStringLiteral("a\u20ACb") + QString::fromUcs4(U"\U0001F600")), QByteArray("a\x80" "b?"));
}

TEST(IniFileBytes, UndefinedBytesSurviveAReadAndAWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Guests.ini"));
    const QByteArray name = "\xEE\xF9\xE4\xD9\xFF";
    ASSERT_TRUE(TestFiles::Write(path, "[Guest0]\r\nNM=" + name + "\r\n"));
    CIniFile file(path);
    const QString read = file.GetString(QStringLiteral("Guest0"), QStringLiteral("NM"));
    file.SetString(QStringLiteral("Guest0"), QStringLiteral("FM"), read);
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(TestFiles::Read(path), "[Guest0]\r\nNM=" + name + "\r\nFM=" + name + "\r\n");
}

TEST(IniFileBytes, CarriageReturnAloneEndsALine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Guests.ini"));
    const QByteArray bytes = "[Guest0]\rNM=Dana\rAN=3\r[Guest1]\nNM=Ron\r\n";
    ASSERT_TRUE(TestFiles::Write(path, bytes));
    CIniFile file(path);
    EXPECT_EQ(file.GetString(QStringLiteral("Guest0"), QStringLiteral("NM")), QStringLiteral("Dana"));
    EXPECT_EQ(file.GetInt(QStringLiteral("Guest0"), QStringLiteral("AN"), 0), 3);
    EXPECT_EQ(file.GetString(QStringLiteral("Guest1"), QStringLiteral("NM")), QStringLiteral("Ron"));
    ASSERT_TRUE(file.SaveAs(path));
    EXPECT_EQ(TestFiles::Read(path), bytes);
}

TEST(AtomicWrite, AFailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    QTemporaryDir dir;
    EXPECT_FALSE(AtomicFile::Write(dir.filePath(QStringLiteral("missing/Settings.ini")), "x"));
    const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_FALSE(AtomicFile::Write(path, "x"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST(AtomicWrite, ASuccessfulWriteRemovesLeftoversOfItsOwnNamingOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("WeddingData.xml"));
    for (const char* name : {"WeddingData.xml.XXXXXX", "WeddingData.xml.a1B2c3", "WeddingData.xml.backup",
                             "WeddingData.xml.damaged-1", "WeddingData.xml.AbC12", "Settings.ini.Q1w2E3"})
        ASSERT_TRUE(TestFiles::Write(dir.filePath(QLatin1String(name)), "complete but never renamed"));
    ASSERT_TRUE(AtomicFile::Write(path, "new"));
    EXPECT_EQ(TestFiles::Read(path), "new");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({"Settings.ini.Q1w2E3", "WeddingData.xml", "WeddingData.xml.AbC12", "WeddingData.xml.backup",
                           "WeddingData.xml.damaged-1"}));
}

TEST(AtomicWrite, AReplacedFileKeepsItsPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    ASSERT_TRUE(TestFiles::Write(path, "old"));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    const QFile::Permissions before = QFile::permissions(path);
    ASSERT_TRUE(AtomicFile::Write(path, "new"));
    EXPECT_EQ(QFile::permissions(path), before);
}

}
