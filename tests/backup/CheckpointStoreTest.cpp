#include "BackupFixture.h"
#include "backup/core/CheckpointStore.h"
#include "data/storage/EventFileSet.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QDateTime kMorning(QDate(2007, 3, 5), QTime(9, 4, 0));

TEST(CheckpointNames, DayMonthYearThenTimeWithTwoDigits)
{
    EXPECT_EQ(EventFileSet::CheckpointName(kMorning), QStringLiteral("05-03-2007--09-04-00"));
    EXPECT_EQ(EventFileSet::CheckpointTime(QStringLiteral("05-03-2007--09-04-00")), kMorning);
    EXPECT_FALSE(EventFileSet::CheckpointTime(QStringLiteral("copy of 05-03-2007")).isValid());
}

TEST(CheckpointStore, CopiesTheEventFilesByteForByteWithTheSharedSettingsBesideThem)
{
    BackupFixture home;
    const QByteArray data = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n</WeddingData>\r\n";
    const QByteArray settings = TestFiles::Cp1255(QStringLiteral("[GenSettings]\r\nEveName=החתונה של דנה ואבי\r\n"));
    ASSERT_TRUE(TestFiles::Write(home.EventFolder() + "/WeddingData.xml", data));
    ASSERT_TRUE(TestFiles::Write(home.EventFolder() + "/Settings.ini", settings));
    ASSERT_TRUE(TestFiles::Write(home.EventFolder() + "/notes.txt", "not an event file"));
    ASSERT_TRUE(TestFiles::Write(home.DataFolder() + "/AppSettings.ini", "[GenSettings]\r\nBACK_UP_EVERY=5\r\n"));

    const QString taken = CCheckpointStore(home.BackupFolder()).Take(home.EventFolder(), kMorning);

    EXPECT_EQ(taken, home.BackupFolder() + "/05-03-2007--09-04-00");
    const QMap<QString, QByteArray> expected = {{"Settings.ini", settings}, {"WeddingData.xml", data}};
    EXPECT_EQ(BackupFixture::Snapshot(taken), expected);
    EXPECT_EQ(TestFiles::Read(home.BackupFolder() + "/AppSettings.ini"), "[GenSettings]\r\nBACK_UP_EVERY=5\r\n");
}

TEST(CheckpointStore, ListsNewestFirstWithTheGuestCountAndEventName)
{
    BackupFixture home;
    const QStringList names = {"05-03-2007--09-04-00", "01-12-2008--23-00-00", "05-03-2007--10-00-00",
                               "28-02-2008--08-30-15"};
    for (const QString& name : names)
        ASSERT_TRUE(QDir().mkpath(home.BackupFolder() + "/" + name));
    ASSERT_TRUE(TestFiles::Write(home.BackupFolder() + "/01-12-2008--23-00-00/Settings.ini",
                                 TestFiles::Cp1255(QStringLiteral("[GenSettings]\r\nEveName=בר המצוה של דני\r\n"
                                                                  "[GuestsCount]\r\nGuestsCount=42\r\n"))));
    ASSERT_TRUE(TestFiles::Write(home.BackupFolder() + "/AppSettings.ini", "[GenSettings]\r\n"));

    const QList<CCheckpointStore::Entry> entries = CCheckpointStore(home.BackupFolder()).List();

    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(entries[0].name, "01-12-2008--23-00-00");
    EXPECT_EQ(entries[1].name, "28-02-2008--08-30-15");
    EXPECT_EQ(entries[2].name, "05-03-2007--10-00-00");
    EXPECT_EQ(entries[3].name, "05-03-2007--09-04-00");
    EXPECT_EQ(entries[0].guestsCount, 42);
    EXPECT_EQ(entries[0].eventName, QStringLiteral("בר המצוה של דני"));
    EXPECT_EQ(entries[1].guestsCount, 0);
    EXPECT_TRUE(entries[1].eventName.isEmpty());
}

TEST(CheckpointStore, ATimerCheckpointOfUnchangedFilesIsNotTakenAgain)
{
    BackupFixture home;
    ASSERT_TRUE(TestFiles::Write(home.EventFolder() + "/WeddingData.xml", "<WeddingData/>"));
    ASSERT_TRUE(TestFiles::Write(home.EventFolder() + "/Settings.ini", "[GenSettings]\r\n"));
    const CCheckpointStore store(home.BackupFolder());
    const QString first = store.TakeIfChanged(home.EventFolder(), kMorning);

    EXPECT_EQ(store.TakeIfChanged(home.EventFolder(), kMorning.addSecs(600)), first);
    EXPECT_EQ(store.List().size(), 1);

    ASSERT_TRUE(TestFiles::Write(home.EventFolder() + "/Settings.ini", "[GenSettings]\r\nLastUIMode=4\r\n"));
    const QString second = store.TakeIfChanged(home.EventFolder(), kMorning.addSecs(1200));
    EXPECT_EQ(QFileInfo(second).fileName(), "05-03-2007--09-24-00");
    EXPECT_EQ(TestFiles::Read(second + "/Settings.ini"), "[GenSettings]\r\nLastUIMode=4\r\n");
    EXPECT_EQ(store.List().size(), 2);
}

TEST(CheckpointStore, ASeparateCheckpointNeverWritesIntoAnExistingOne)
{
    BackupFixture home;
    ASSERT_TRUE(TestFiles::Write(home.EventFolder() + "/Settings.ini", "now"));
    ASSERT_TRUE(TestFiles::Write(home.BackupFolder() + "/05-03-2007--09-04-00/Settings.ini", "then"));
    ASSERT_TRUE(QDir().mkpath(home.BackupFolder() + "/05-03-2007--09-04-01"));

    const QString taken = CCheckpointStore(home.BackupFolder()).TakeSeparate(home.EventFolder(), kMorning);

    EXPECT_EQ(QFileInfo(taken).fileName(), "05-03-2007--09-04-02");
    EXPECT_EQ(TestFiles::Read(taken + "/Settings.ini"), "now");
    EXPECT_EQ(TestFiles::Read(home.BackupFolder() + "/05-03-2007--09-04-00/Settings.ini"), "then");
}

TEST(CheckpointStore, AFileMissingFromOneSideMakesTheFoldersDiffer)
{
    BackupFixture home;
    const QString other = home.DataFolder() + "/Other";
    ASSERT_TRUE(TestFiles::Write(home.EventFolder() + "/Settings.ini", "same"));
    ASSERT_TRUE(TestFiles::Write(other + "/Settings.ini", "same"));
    EXPECT_TRUE(CCheckpointStore::SameEventFiles(home.EventFolder(), other));
    ASSERT_TRUE(TestFiles::Write(home.EventFolder() + "/Tasks.ini", ""));
    EXPECT_FALSE(CCheckpointStore::SameEventFiles(home.EventFolder(), other));
}

TEST(CopyEventFiles, AFileCopiedOntoItselfKeepsItsBytes)
{
    BackupFixture home;
    ASSERT_TRUE(TestFiles::Write(home.EventFolder() + "/WeddingData.xml", "<WeddingData/>"));
    ASSERT_TRUE(TestFiles::Write(home.EventFolder() + "/Settings.ini", "[GenSettings]\r\n"));

    EXPECT_TRUE(EventFileSet::CopyEventFiles(home.EventFolder(), home.EventFolder() + "/../DB", false, false));
    EXPECT_TRUE(EventFileSet::CopyEventFiles(home.EventFolder(), home.EventFolder(), false, true));

    EXPECT_EQ(TestFiles::Read(home.EventFolder() + "/WeddingData.xml"), "<WeddingData/>");
    EXPECT_EQ(TestFiles::Read(home.EventFolder() + "/Settings.ini"), "[GenSettings]\r\n");
}

TEST(CopyEventFiles, ReplacesAnExistingTargetWithTheWholeNewContent)
{
    BackupFixture home;
    const QString target = home.DataFolder() + "/Export";
    ASSERT_TRUE(TestFiles::Write(home.EventFolder() + "/Settings.ini", "new settings"));
    ASSERT_TRUE(TestFiles::Write(target + "/Settings.ini", "old settings that were longer"));

    EXPECT_TRUE(EventFileSet::CopyEventFiles(home.EventFolder(), target, false, false));

    const QMap<QString, QByteArray> expected = {{"Settings.ini", "new settings"}};
    EXPECT_EQ(BackupFixture::Snapshot(target), expected);
}

}
