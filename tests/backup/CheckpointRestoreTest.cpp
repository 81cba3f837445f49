#include "BackupFixture.h"
#include "backup/core/CheckpointRestore.h"
#include "backup/core/CheckpointStore.h"
#include "data/records/Guest.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QString kName = QStringLiteral("05-03-2007--09-04-00");
const QString kQuestion = QStringLiteral(
    "המערכת עומדת להחליף את כל הנתונים הנוכחים בנתונים\r\nשנשמרו בתאריך  05-03-2007 בשעה 09-04-00 \r\n"
    "כל הנתונים הנוכחים ימחקו. האם להמשיך?");
const QString kQuestionCaption = QStringLiteral("האם לשחזר את הנתונים?");
const QString kFailedText = QStringLiteral(
    "שיחזור הנתונים נכשל, ונתוני הארוע נשארו כפי שהיו.\r\n"
    "אנא ודאו שניתן לקרוא את הגיבוי ולכתוב לספריית הארוע, ונסו שוב.");
const QString kOtherEventText = QStringLiteral(
    "הגיבוי שנבחר שייך לארוע אחר (קוד ארוע או שרת שיתוף שונים).\r\n"
    "האם להחליף גם את הגדרות השיתוף של הארוע הנוכחי בהגדרות שבגיבוי?\r\n"
    "בחרו \"לא\" כדי לשחזר את הנתונים ולהשאיר את הגדרות השיתוף הנוכחיות.");

class CheckpointRestoreTest : public ::testing::Test
{
protected:
    QString Checkpoint() const { return m_home.BackupFolder() + "/" + kName; }
    void WriteCheckpoint(const QString& file, const QByteArray& bytes)
    {
        ASSERT_TRUE(TestFiles::Write(Checkpoint() + "/" + file, bytes));
    }
    // An event of the given guests, saved.
    CNewZelDoc& SavedEvent(const QStringList& guests)
    {
        CNewZelDoc& document = m_home.Open();
        for (const QString& name : guests)
            document.AddGuest(name, QStringLiteral("Levi"), nullptr);
        EXPECT_TRUE(document.SaveEvent());
        return document;
    }
    QStringList GuestNames(const CNewZelDoc& document) const
    {
        QStringList names;
        for (const CGuest* guest : document.Guests())
            names << guest->GetFullName();
        return names;
    }

    BackupFixture m_home;
};

TEST_F(CheckpointRestoreTest, TheEventTakesExactlyTheCheckpointsFilesAfterACheckpointOfItself)
{
    CNewZelDoc& document = SavedEvent({"Dana"});
    ASSERT_FALSE(CCheckpointStore(m_home.BackupFolder()).Take(m_home.EventFolder(), QDateTime(QDate(2007, 3, 5), QTime(9, 4, 0))).isEmpty());
    const QMap<QString, QByteArray> checkpoint = BackupFixture::Snapshot(Checkpoint());
    document.AddGuest("Avi", "Cohen", nullptr);
    ASSERT_TRUE(document.SaveEvent());
    ASSERT_TRUE(TestFiles::Write(m_home.EventFolder() + "/Tables.ini", "[Table0]\r\nName=extra\r\n"));
    ASSERT_TRUE(TestFiles::Write(m_home.EventFolder() + "/notes.txt", "mine"));
    const QMap<QString, QByteArray> before = BackupFixture::Snapshot(m_home.EventFolder());
    m_home.Messages().Answer({MSG_RESULT_YES});

    EXPECT_EQ(CCheckpointRestore(document).Restore(kName), CCheckpointRestore::Result::Restored);

    ASSERT_EQ(m_home.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_home.Messages().ShownMessages()[0].text, kQuestion);
    EXPECT_EQ(m_home.Messages().ShownMessages()[0].caption, kQuestionCaption);
    QMap<QString, QByteArray> expected = checkpoint;
    expected.insert("notes.txt", "mine");
    EXPECT_EQ(BackupFixture::Snapshot(m_home.EventFolder()), expected);
    EXPECT_EQ(GuestNames(document), QStringList{"Dana Levi"});
    // The state before the restore is a checkpoint of its own, to undo it.
    const QList<CCheckpointStore::Entry> entries = CCheckpointStore(m_home.BackupFolder()).List();
    ASSERT_EQ(entries.size(), 2);
    QMap<QString, QByteArray> undo = before;
    undo.remove("notes.txt");
    EXPECT_EQ(BackupFixture::Snapshot(m_home.BackupFolder() + "/" + entries[0].name), undo);
}

TEST_F(CheckpointRestoreTest, AnOlderDataFileDoesNotOutliveARestoreOfOlderFiles)
{
    CNewZelDoc& document = SavedEvent({"Dana"});
    WriteCheckpoint("Guests.ini", "[Guest0]\r\nNM=Ruth\r\nFM=Bar\r\n");
    m_home.Messages().Answer({MSG_RESULT_YES});

    EXPECT_EQ(CCheckpointRestore(document).Restore(kName), CCheckpointRestore::Result::Restored);

    EXPECT_FALSE(QFileInfo::exists(m_home.EventFolder() + "/WeddingData.xml"));
    EXPECT_EQ(GuestNames(document), QStringList{"Ruth Bar"});
}

TEST_F(CheckpointRestoreTest, AFailureLeavesTheEventWhole)
{
    CNewZelDoc& document = SavedEvent({"Dana", "Avi"});
    ASSERT_TRUE(TestFiles::Write(m_home.EventFolder() + "/Guests.ini", "[Guest0]\r\nNM=Old\r\n"));
    // A folder where the checkpoint's task file must go: that file cannot be put in place.
    QFile::remove(m_home.EventFolder() + "/Tasks.ini");
    ASSERT_TRUE(TestFiles::Write(m_home.EventFolder() + "/Tasks.ini/inside", "x"));
    WriteCheckpoint("Guests.ini", "[Guest0]\r\nNM=Ruth\r\n");
    WriteCheckpoint("Tasks.ini", "[Task1]\r\nname=t\r\n");
    WriteCheckpoint("WeddingData.xml", "<WeddingData/>");
    const QMap<QString, QByteArray> before = BackupFixture::Snapshot(m_home.EventFolder());
    m_home.Messages().Answer({MSG_RESULT_YES});

    EXPECT_EQ(CCheckpointRestore(document).Restore(kName), CCheckpointRestore::Result::Failed);

    EXPECT_EQ(BackupFixture::Snapshot(m_home.EventFolder()), before);
    ASSERT_EQ(m_home.Messages().ShownMessages().size(), 2);
    EXPECT_EQ(m_home.Messages().ShownMessages()[1].text, kFailedText);
    EXPECT_EQ(m_home.Messages().ShownMessages()[1].caption, QStringLiteral("השיחזור נכשל"));
    EXPECT_EQ(GuestNames(document), (QStringList{"Dana Levi", "Avi Levi"}));
    EXPECT_EQ(QDir(m_home.DataFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"BackUp", "DB"}));
}

TEST_F(CheckpointRestoreTest, NoChangesNothing)
{
    CNewZelDoc& document = SavedEvent({"Dana"});
    WriteCheckpoint("Guests.ini", "[Guest0]\r\nNM=Ruth\r\n");
    const QMap<QString, QByteArray> before = BackupFixture::Snapshot(m_home.EventFolder());
    m_home.Messages().Answer({MSG_RESULT_NO});

    EXPECT_EQ(CCheckpointRestore(document).Restore(kName), CCheckpointRestore::Result::Declined);

    EXPECT_EQ(BackupFixture::Snapshot(m_home.EventFolder()), before);
    EXPECT_EQ(CCheckpointStore(m_home.BackupFolder()).List().size(), 1);
}

TEST_F(CheckpointRestoreTest, TheLargerSharingVersionOfTheEventIsKept)
{
    ASSERT_TRUE(TestFiles::Write(m_home.EventFolder() + "/Checkpoint.ini", "[Checkpoint]\r\nCpIndex=9\r\n"));
    CNewZelDoc& document = SavedEvent({"Dana"});
    WriteCheckpoint("Checkpoint.ini", "[Checkpoint]\r\nCpIndex=3\r\n");
    WriteCheckpoint("WeddingData.xml", TestFiles::Read(m_home.EventFolder() + "/WeddingData.xml"));
    m_home.Messages().Answer({MSG_RESULT_YES});

    EXPECT_EQ(CCheckpointRestore(document).Restore(kName), CCheckpointRestore::Result::Restored);

    EXPECT_EQ(TestFiles::Read(m_home.EventFolder() + "/Checkpoint.ini"), "[Checkpoint]\r\nCpIndex=9\r\n");
    EXPECT_EQ(document.Checkpoint().GetIndex(), 9);
}

TEST_F(CheckpointRestoreTest, ALargerVersionInTheCheckpointStays)
{
    ASSERT_TRUE(TestFiles::Write(m_home.EventFolder() + "/Checkpoint.ini", "[Checkpoint]\r\nCpIndex=9\r\n"));
    CNewZelDoc& document = SavedEvent({"Dana"});
    WriteCheckpoint("Checkpoint.ini", "[Checkpoint]\r\nCpIndex=12\r\n");
    m_home.Messages().Answer({MSG_RESULT_YES});

    EXPECT_EQ(CCheckpointRestore(document).Restore(kName), CCheckpointRestore::Result::Restored);

    EXPECT_EQ(document.Checkpoint().GetIndex(), 12);
}

TEST_F(CheckpointRestoreTest, ACheckpointOfAnotherEventAsksBeforeItsSharingSettingsReplaceTheCurrentOnes)
{
    ASSERT_TRUE(TestFiles::Write(m_home.EventFolder() + "/Settings.ini",
                                 "[KeySettings]\r\nEventCode=B2\r\n[FTPSettings]\r\nFTPServer=ftp.mine\r\n"));
    CNewZelDoc& document = SavedEvent({"Dana"});
    WriteCheckpoint("Settings.ini",
                    "[GenSettings]\r\nEveName=Other\r\n[KeySettings]\r\nEventCode=A1\r\n[FTPSettings]\r\nFTPServer=ftp.other\r\n");
    m_home.Messages().Answer({MSG_RESULT_YES, MSG_RESULT_NO});

    EXPECT_EQ(CCheckpointRestore(document).Restore(kName), CCheckpointRestore::Result::Restored);

    ASSERT_EQ(m_home.Messages().ShownMessages().size(), 2);
    EXPECT_EQ(m_home.Messages().ShownMessages()[1].text, kOtherEventText);
    EXPECT_EQ(m_home.Messages().ShownMessages()[1].caption, QStringLiteral("גיבוי של ארוע אחר"));
    EXPECT_EQ(m_home.Messages().ShownMessages()[1].buttons, MSG_YES_NO_CANCEL);
    EXPECT_EQ(document.Settings().Key("EventCode"), "B2");
    EXPECT_EQ(document.Settings().GetFtpServer(), "ftp.mine");
    EXPECT_EQ(document.Settings().GetEveName(), "Other");
}

TEST_F(CheckpointRestoreTest, YesTakesTheCheckpointsSharingSettings)
{
    ASSERT_TRUE(TestFiles::Write(m_home.EventFolder() + "/Settings.ini", "[KeySettings]\r\nEventCode=B2\r\n"));
    CNewZelDoc& document = SavedEvent({"Dana"});
    WriteCheckpoint("Settings.ini", "[KeySettings]\r\nEventCode=A1\r\n");
    m_home.Messages().Answer({MSG_RESULT_YES, MSG_RESULT_YES});

    EXPECT_EQ(CCheckpointRestore(document).Restore(kName), CCheckpointRestore::Result::Restored);

    EXPECT_EQ(document.Settings().Key("EventCode"), "A1");
}

TEST_F(CheckpointRestoreTest, ACheckpointOfTheSameEventDoesNotAskAboutSharing)
{
    ASSERT_TRUE(TestFiles::Write(m_home.EventFolder() + "/Settings.ini", "[KeySettings]\r\nEventCode=B2\r\n"));
    CNewZelDoc& document = SavedEvent({"Dana"});
    WriteCheckpoint("Settings.ini", "[KeySettings]\r\nEventCode=B2\r\n[GuestsCount]\r\nGuestsCount=0\r\n");
    m_home.Messages().Answer({MSG_RESULT_YES});

    EXPECT_EQ(CCheckpointRestore(document).Restore(kName), CCheckpointRestore::Result::Restored);

    EXPECT_EQ(m_home.Messages().ShownMessages().size(), 1);
}

}
