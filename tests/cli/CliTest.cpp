#include "CliProcess.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

class CliTest : public ::testing::Test
{
protected:
    QString Data() const { return m_dir.path() + "/Data"; }
    void MakeEvent(const QString& id, const QString& eveName)
    {
        ASSERT_TRUE(TestFiles::Write(Data() + "/" + id + "/Settings.ini",
                                     "[GenSettings]\r\nEveName=" + TestFiles::Cp1255(eveName) + "\r\n"));
    }

    QTemporaryDir m_dir;
};

TEST_F(CliTest, EventsListsTheDiscoveredEventsWithTheActiveOneMarked)
{
    MakeEvent("DB", QString("החתונה"));
    MakeEvent("DB1", "Bar mitzvah");
    TestFiles::Write(Data() + "/events.ini", "[Events]\r\nActive=DB1\r\n");

    const CliRun text = Cli({"--data", Data(), "events"});
    ASSERT_EQ(text.exitCode, 0) << text.err.constData();
    EXPECT_EQ(QString::fromUtf8(text.out), QString("DB\tהחתונה\t%1/DB\n*DB1\tBar mitzvah\t%1/DB1\n").arg(Data()));

    const CliRun json = Cli({"--data", Data(), "--lang", "en", "events", "--json"});
    ASSERT_EQ(json.exitCode, 0);
    const QJsonArray events = QJsonDocument::fromJson(json.out).array();
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events[0].toObject().value("id").toString(), "DB");
    EXPECT_EQ(events[0].toObject().value("name").toString(), QString("החתונה"));
    EXPECT_FALSE(events[0].toObject().value("active").toBool());
    EXPECT_TRUE(events[1].toObject().value("active").toBool());
    EXPECT_EQ(events[1].toObject().value("folder").toString(), Data() + "/DB1");
}

TEST_F(CliTest, BadOptionsFailWithAMessage)
{
    const CliRun lang = Cli({"--lang", "fr", "events"});
    EXPECT_EQ(lang.exitCode, 2);
    EXPECT_TRUE(lang.err.contains("--lang"));
    const CliRun unknown = Cli({"--data", Data(), "dance"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("unknown command"));
    const CliRun missing = Cli({"info", Data() + "/nowhere"});
    EXPECT_NE(missing.exitCode, 0);
}

TEST_F(CliTest, InfoCountsAnOlderEventWithoutWritingAndResaveConvertsIt)
{
    const QString folder = Data() + "/DB";
    TestFiles::Write(folder + "/Guests.ini",
                     TestFiles::Cp1255("[Guest0]\r\nNM=משה\r\nAN=3\r\nPN=4\r\n[Guest1]\r\nNM=רות\r\nAN=1\r\nPN=2\r\n"));
    TestFiles::Write(folder + "/Groups.ini", TestFiles::Cp1255("[Group0]\r\nGroupName=משפחה\r\n"));
    const QStringList before = QDir(folder).entryList(QDir::Files);

    const CliRun info = Cli({"--lang", "he", "info", folder, "--json"});
    ASSERT_EQ(info.exitCode, 0) << info.err.constData();
    const QJsonObject counts = QJsonDocument::fromJson(info.out).object();
    EXPECT_EQ(counts.value("guests").toInt(), 2);
    EXPECT_EQ(counts.value("groups").toInt(), 1);
    EXPECT_EQ(counts.value("tables").toInt(), 2);
    EXPECT_EQ(counts.value("expenses").toInt(), 33);
    EXPECT_EQ(counts.value("categories").toInt(), 12);
    EXPECT_EQ(counts.value("offers").toInt(), 6);
    EXPECT_EQ(counts.value("meetings").toInt(), 1);
    EXPECT_EQ(counts.value("shapes").toInt(), 0);
    EXPECT_EQ(counts.value("invited").toInt(), 6);
    EXPECT_EQ(counts.value("coming").toInt(), 4);
    EXPECT_TRUE(counts.value("modified").toBool());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), before);
    EXPECT_FALSE(QFileInfo::exists(Data() + "/events.ini"));

    const CliRun resave = Cli({"resave", folder});
    ASSERT_EQ(resave.exitCode, 0) << resave.err.constData();
    EXPECT_TRUE(QFileInfo::exists(folder + "/WeddingData.xml"));
    EXPECT_FALSE(QFileInfo::exists(folder + "/Guests.ini"));
    EXPECT_FALSE(QFileInfo::exists(folder + "/Groups.ini"));

    const CliRun after = Cli({"info", folder});
    ASSERT_EQ(after.exitCode, 0);
    EXPECT_TRUE(after.out.contains("guests: 2\n"));
    EXPECT_TRUE(after.out.contains("modified: no\n"));
}

TEST_F(CliTest, InfoOnAnEventOfTheFirstVersionsLeavesEveryFileAsItWas)
{
    const QString folder = Data() + "/DB";
    const QByteArray offers = TestFiles::Cp1255("[Offer0]\r\nMoneyItem=צלם\r\nShekels=3000\r\nIsInOffer=1\r\n");
    const QByteArray sketch = "[Shapes0]\r\nShapeType=1\r\nShapeName=Stage\r\nTableSizeX=9\r\n";
    TestFiles::Write(folder + "/Offers.ini", offers);
    TestFiles::Write(folder + "/GanArrangement.gan", sketch);
    TestFiles::Write(folder + "/Settings.ini", "[GenSettings]\r\nEventType=1\r\n");

    const CliRun info = Cli({"info", folder, "--json"});
    ASSERT_EQ(info.exitCode, 0) << info.err.constData();
    EXPECT_EQ(QJsonDocument::fromJson(info.out).object().value("shapes").toInt(), 1);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"GanArrangement.gan", "Offers.ini", "Settings.ini"}));
    EXPECT_EQ(TestFiles::Read(folder + "/GanArrangement.gan"), sketch);
    EXPECT_EQ(TestFiles::Read(folder + "/Offers.ini"), offers);
    EXPECT_EQ(TestFiles::Read(folder + "/Settings.ini"), "[GenSettings]\r\nEventType=1\r\n");
}

}

TEST_F(CliTest, MeetingsListsByDateAndWritesTheDatedOnesToACalendar)
{
    const QString folder = Data() + "/DB";
    TestFiles::Write(folder + "/Meetings.ini",
                     TestFiles::Cp1255("[Meeting0]\r\nName=צלם\r\nContactName=Dana\r\nDay=2\r\nMonth=3\r\nYear=2027\r\n"
                                       "[Meeting1]\r\nName=Someday\r\nDay=0\r\nMonth=0\r\nYear=0\r\n"
                                       "[Meeting2]\r\nName=Cake, wine; a\\b\r\nContactName=Noa\r\nDay=9\r\nMonth=1\r\nYear=2027\r\n"));
    const QStringList before = QDir(folder).entryList(QDir::Files);

    const CliRun list = Cli({"--lang", "he", "meetings", folder});
    ASSERT_EQ(list.exitCode, 0) << list.err.constData();
    EXPECT_EQ(QString::fromUtf8(list.out),
              QString("0.0.00\tSomeday\t\n09.01.2027\tCake, wine; a\\b\tNoa\n02.03.2027\tצלם\tDana\n"));
    EXPECT_TRUE(list.err.isEmpty());

    const QString ics = m_dir.path() + "/meetings.ics";
    const CliRun calendar = Cli({"--lang", "en", "meetings", folder, "--ics", ics});
    ASSERT_EQ(calendar.exitCode, 0) << calendar.err.constData();
    EXPECT_TRUE(calendar.out.startsWith("0.0.00\tSomeday\t\n01.09.2027\t"));
    EXPECT_TRUE(calendar.out.endsWith(QString("wrote 2 meetings to %1\n").arg(ics).toUtf8()));
    EXPECT_EQ(calendar.err, QByteArray("ravivaz-cli meetings: \"Someday\" has no date and is left out of the calendar\n"));
    const QByteArray text = TestFiles::Read(ics);
    EXPECT_EQ(text.count("BEGIN:VEVENT"), 2);
    EXPECT_TRUE(text.contains("DTSTART;VALUE=DATE:20270109\r\n"));
    EXPECT_TRUE(text.contains("SUMMARY:Cake\\, wine\\; a\\\\b\r\n"));
    EXPECT_TRUE(text.contains("DTSTART;VALUE=DATE:20270302\r\n"));
    EXPECT_TRUE(text.contains(QString("SUMMARY:צלם\r\n").toUtf8()));
    EXPECT_FALSE(text.contains("Someday"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), before);

    const CliRun noPath = Cli({"meetings", folder, "--ics"});
    EXPECT_EQ(noPath.exitCode, 2);
    TestFiles::Write(m_dir.path() + "/blocker", "x");
    const CliRun unwritable = Cli({"meetings", folder, "--ics", m_dir.path() + "/blocker/meetings.ics"});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains("could not be written"));
}
