#include "CliProcess.h"
#include "data/storage/DataFolderLock.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kUnseatedName = QStringLiteral("מוזמנים שאינם משובצים");
const QString kExampleName = QStringLiteral("חברים מהצבא - דוגמה");

// An event in its older files: group G with guests bringing 4, 4, 3, 2 and 6 people, a guest of
// no group, and the unseated and example tables a fresh event starts with.
class SeatCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QByteArray guests;
        const QList<std::pair<const char*, const char*>> rows = {{"A", "G"}, {"B", "G"}, {"C", "G"},
                                                                 {"D", "G"}, {"E", "G"}, {"F", "Other"}};
        const QList<int> coming = {4, 4, 3, 2, 6, 1};
        for (int i = 0; i < rows.size(); ++i)
            guests += QStringLiteral("[Guest%1]\r\nNM=%2\r\nFM=Levi\r\nAN=%3\r\nPN=%3\r\nGN=%4\r\n")
                          .arg(i)
                          .arg(rows[i].first)
                          .arg(coming[i])
                          .arg(rows[i].second)
                          .toLatin1();
        ASSERT_TRUE(TestFiles::Write(Folder() + "/Guests.ini", guests));
        ASSERT_TRUE(TestFiles::Write(Folder() + "/Groups.ini", "[Group0]\r\nGroupName=G\r\n[Group1]\r\nGroupName=Empty\r\n"));
        ASSERT_TRUE(TestFiles::Write(Folder() + "/Settings.ini", "[GenSettings]\r\nNumberOfGuestsInTable=10\r\n"));
    }

    QString Folder() const { return m_dir.path() + "/Data/DB"; }

    QTemporaryDir m_dir;
};

}

TEST_F(SeatCommandTest, UnseatedSeatsByGroupSavesAndListsEveryTable)
{
    const CliRun run = Cli({"--lang", "he", "seat", Folder(), "--unseated"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(QString::fromUtf8(run.out), QString("0\t%1\t0\t0\t1\tF Levi\n"
                                                  "1\t%2\t1\t10\t0\t\n"
                                                  "2\tG - 0\t2\t10\t10\tA Levi | B Levi | D Levi\n"
                                                  "3\tG - 1\t3\t10\t9\tC Levi | E Levi\n")
                                              .arg(kUnseatedName, kExampleName));
    EXPECT_TRUE(QFileInfo::exists(Folder() + "/WeddingData.xml"));

    const CliRun info = Cli({"--lang", "he", "info", Folder(), "--json"});
    ASSERT_EQ(info.exitCode, 0) << info.err.constData();
    EXPECT_EQ(QJsonDocument::fromJson(info.out).object().value("tables").toInt(), 4);
    EXPECT_FALSE(QJsonDocument::fromJson(info.out).object().value("modified").toBool());

    // A second run finds nobody of a group left to seat.
    const CliRun again = Cli({"--lang", "he", "seat", Folder(), "--unseated"});
    ASSERT_EQ(again.exitCode, 0) << again.err.constData();
    EXPECT_EQ(again.out, run.out);
}

TEST_F(SeatCommandTest, AllRebuildsTheTablesAndPrintsThemAsJson)
{
    const CliRun run = Cli({"--lang", "he", "seat", Folder(), "--all", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonArray tables = QJsonDocument::fromJson(run.out).array();
    ASSERT_EQ(tables.size(), 3);
    const QJsonObject unseated = tables[0].toObject();
    EXPECT_EQ(unseated.value("id").toInt(), 0);
    EXPECT_EQ(unseated.value("name").toString(), kUnseatedName);
    EXPECT_EQ(unseated.value("people").toInt(), 1);
    EXPECT_EQ(unseated.value("guests").toArray(), QJsonArray({"F Levi"}));
    const QJsonObject second = tables[2].toObject();
    EXPECT_EQ(second.value("id").toInt(), 2);
    EXPECT_EQ(second.value("name").toString(), "G - 1");
    EXPECT_EQ(second.value("hall").toInt(), 2);
    EXPECT_EQ(second.value("seats").toInt(), 10);
    EXPECT_EQ(second.value("people").toInt(), 9);
    EXPECT_EQ(second.value("guests").toArray(), QJsonArray({"C Levi", "E Levi"}));
    EXPECT_EQ(tables[1].toObject().value("guests").toArray(), QJsonArray({"A Levi", "B Levi", "D Levi"}));
}

TEST_F(SeatCommandTest, GroupMakesOneTableAndPrintsItWithTheResult)
{
    const CliRun run = Cli({"--lang", "he", "seat", Folder(), "--group", "G"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.contains("2\tG\t2\t10\t11\tA Levi | B Levi | C Levi\n"));
    EXPECT_TRUE(run.out.endsWith("made\t2\tG\nresult\t3\n"));
    EXPECT_EQ(QString::fromUtf8(run.err), QStringLiteral("הוספת שולחן הסתימה: לקבוצה זו נוצר שולחן חדש ובו 3 מוזמנים\n"));

    const CliRun json = Cli({"--lang", "he", "seat", Folder(), "--group", "G", "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err.constData();
    const QJsonObject result = QJsonDocument::fromJson(json.out).object();
    EXPECT_EQ(result.value("made").toInt(), 3);
    EXPECT_EQ(result.value("result").toInt(), 2);
    EXPECT_EQ(result.value("tables").toArray().size(), 4);
}

TEST_F(SeatCommandTest, AnUnknownGroupOrAFolderWithoutAnEventStopsWithoutWriting)
{
    const QStringList before = QDir(Folder()).entryList(QDir::Files);
    const CliRun wrongCase = Cli({"seat", Folder(), "--group", "g"});
    EXPECT_EQ(wrongCase.exitCode, 2);
    EXPECT_EQ(wrongCase.err, QByteArray("ravivaz-cli seat: \"g\" is not a group of the event\n"));
    EXPECT_TRUE(wrongCase.out.isEmpty());
    EXPECT_EQ(QDir(Folder()).entryList(QDir::Files), before);

    const QString empty = m_dir.path() + "/Data/Empty";
    ASSERT_TRUE(QDir().mkpath(empty));
    const CliRun noEvent = Cli({"seat", empty, "--all"});
    EXPECT_EQ(noEvent.exitCode, 2);
    EXPECT_EQ(noEvent.err, QString("ravivaz-cli seat: \"%1\" holds no event\n").arg(empty).toUtf8());
    EXPECT_TRUE(QDir(empty).entryList(QDir::Files).isEmpty());

    const CliRun twoModes = Cli({"seat", Folder(), "--all", "--unseated"});
    EXPECT_EQ(twoModes.exitCode, 2);
    EXPECT_EQ(twoModes.err, QByteArray("ravivaz-cli seat: give one of --unseated, --all or --group NAME\n"));
}

TEST_F(SeatCommandTest, AHeldDataFolderIsLeftAlone)
{
    const QStringList before = QDir(Folder()).entryList(QDir::Files);
    CDataFolderLock held(m_dir.path() + "/Data");
    ASSERT_EQ(held.TryTake(), CDataFolderLock::Result::Taken);

    const CliRun run = Cli({"seat", Folder(), "--all"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith(QString("ravivaz-cli seat: the data folder \"%1/Data\" is in use").arg(m_dir.path()).toUtf8()))
        << run.err.constData();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(QDir(Folder()).entryList(QDir::Files), before);
}
