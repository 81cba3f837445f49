#include "CliProcess.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An event of two tables of ten seats: at T1 a guest of 4 and one of 8 who already arrived, at T2
// a guest of 2, and a guest of 1 with no table. Made into a data file first, so the guests' codes
// (1001 to 1004, in list order) are kept.
class ArriveCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TestFiles::Write(Folder() + "/Guests.ini",
                                     "[Guest0]\r\nNM=A\r\nFM=Levi\r\nAN=4\r\nPN=4\r\nTI=1\r\n"
                                     "[Guest1]\r\nNM=B\r\nFM=Levi\r\nAN=8\r\nPN=8\r\nTI=1\r\nCS=8\r\n"
                                     "[Guest2]\r\nNM=C\r\nFM=Levi\r\nAN=2\r\nPN=2\r\nTI=2\r\n"
                                     "[Guest3]\r\nNM=D\r\nFM=Levi\r\nAN=1\r\nPN=1\r\nTI=0\r\n"));
        ASSERT_TRUE(TestFiles::Write(Folder() + "/Tables.ini",
                                     "[Table0]\r\nName=unseated\r\nPlaces=0\r\n"
                                     "[Table1]\r\nName=T1\r\nPlaces=10\r\nInHall=1\r\n"
                                     "[Table2]\r\nName=T2\r\nPlaces=10\r\nInHall=2\r\n"));
        const CliRun resave = Cli({"resave", Folder()});
        ASSERT_EQ(resave.exitCode, 0) << resave.err.constData();
    }

    QString Folder() const { return m_dir.path() + "/Data/DB"; }
    QByteArray DataFile() const { return ReadAll(Folder() + "/WeddingData.xml"); }

    QTemporaryDir m_dir;
};

}

TEST_F(ArriveCommandTest, RecordsTheArrivalAndSavesItAndARecordedArrivalMayBeRecordedAgain)
{
    const CliRun run = Cli({"--lang", "he", "arrive", Folder(), "--code", "1003", "--count", "10"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, QByteArray("arrived\t1003\tC Levi\t10\t2\tT2\n"));
    EXPECT_TRUE(DataFile().contains("<ThatCame>10</ThatCame>"));

    // The ten who came are the guest's own: recording them again finds the table with room.
    const CliRun again = Cli({"--lang", "he", "arrive", Folder(), "--code", "1003", "--count", "10"});
    ASSERT_EQ(again.exitCode, 0) << again.err.constData();
    EXPECT_EQ(again.out, run.out);
}

TEST_F(ArriveCommandTest, AFullTableIsAnsweredNoAndNothingIsRecorded)
{
    const QByteArray before = DataFile();
    const CliRun run = Cli({"--lang", "he", "arrive", Folder(), "--code", "1001", "--count", "4"});
    EXPECT_EQ(run.exitCode, 2);
    const QString err = QString::fromUtf8(run.err);
    EXPECT_TRUE(err.contains(QStringLiteral("לא נותרו מקומות ישיבה בשולחן זה"))) << run.err.constData();
    EXPECT_TRUE(err.contains(QStringLiteral("A Levi needs another table for 4 people; nothing was recorded")));
    EXPECT_TRUE(err.contains(QStringLiteral("\nT2 [8]\n\n===============================================\n\nT1 [2]\n")))
        << run.err.constData();
    EXPECT_EQ(DataFile(), before);
}

TEST_F(ArriveCommandTest, AGuestWithoutATableIsNotRecorded)
{
    const QByteArray before = DataFile();
    const CliRun run = Cli({"arrive", Folder(), "--code", "1004", "--count", "1"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("D Levi needs another table for 1 people"));
    EXPECT_EQ(DataFile(), before);
}

TEST_F(ArriveCommandTest, AnUnknownCodeAZeroCountOrAFolderWithoutAnEventFailWithAMessage)
{
    const QByteArray before = DataFile();
    const CliRun unknown = Cli({"arrive", Folder(), "--code", "99", "--count", "1"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.err, QByteArray("ravivaz-cli arrive: no guest has the code 99\n"));

    const CliRun zero = Cli({"arrive", Folder(), "--code", "1003", "--count", "0"});
    EXPECT_EQ(zero.exitCode, 2);
    EXPECT_TRUE(QString::fromUtf8(zero.err).contains(QStringLiteral("נא למלא את כמות המוזמנים שבאו בפועל")));

    const CliRun notNumber = Cli({"arrive", Folder(), "--code", "x", "--count", "1"});
    EXPECT_EQ(notNumber.exitCode, 2);
    EXPECT_EQ(notNumber.err, QByteArray("ravivaz-cli arrive: --code needs a whole number\n"));
    EXPECT_EQ(DataFile(), before);

    const CliRun empty = Cli({"arrive", m_dir.path(), "--code", "1001", "--count", "1"});
    EXPECT_EQ(empty.exitCode, 2);
    EXPECT_TRUE(empty.err.contains("holds no event"));
}
