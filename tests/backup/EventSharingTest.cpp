#include "BackupFixture.h"

#include "backup/core/EventSharing.h"
#include "data/storage/IniFile.h"
#include "support/FtpTestServer.h"

#include <gtest/gtest.h>

namespace {

const QString kSettings =
    QStringLiteral("[FTPSettings]\r\nFTPServer=%1\r\nFTPUser=planner\r\nFTPP=%2\r\nFtpSavePass=1\r\n");

int IndexOf(const QString& checkpointFile)
{
    return CIniFile::ReadProfileInt(checkpointFile, QStringLiteral("Checkpoint"), QStringLiteral("CpIndex"), -1);
}

// An event "DB" whose sharing settings name the test server.
class EventSharingTest : public ::testing::Test
{
protected:
    void WriteEvent(const QString& server, int version, const QByteArray& data,
                    const QString& password = QString::fromLatin1(CFtpTestServer::kPassword))
    {
        ASSERT_TRUE(TestFiles::Write(m_fixture.EventFolder() + "/Settings.ini", kSettings.arg(server, password).toUtf8()));
        ASSERT_TRUE(TestFiles::Write(m_fixture.EventFolder() + "/Checkpoint.ini",
                                     QStringLiteral("[Checkpoint]\r\nCpIndex=%1\r\n").arg(version).toUtf8()));
        ASSERT_TRUE(TestFiles::Write(m_fixture.EventFolder() + "/WeddingData.xml", data));
        ASSERT_TRUE(TestFiles::Write(m_fixture.EventFolder() + "/Tasks.ini", "[Task0]\r\nName=x\r\n"));
        ASSERT_TRUE(TestFiles::Write(m_fixture.DataFolder() + "/AppSettings.ini", "[General]\r\nLanguage=1\r\n"));
    }

    // The server's "DB" folder as another computer left it.
    static void WriteServer(const CFtpTestServer& server, int version, const QByteArray& data)
    {
        QDir().mkpath(server.Root() + "/DB");
        ASSERT_TRUE(TestFiles::Write(server.Root() + "/DB/Checkpoint.ini",
                                     QStringLiteral("[Checkpoint]\r\nCpIndex=%1\r\n").arg(version).toUtf8()));
        ASSERT_TRUE(TestFiles::Write(server.Root() + "/DB/WeddingData.xml", data));
        ASSERT_TRUE(TestFiles::Write(server.Root() + "/DB/Settings.ini", "[Other]\r\nKey=1\r\n"));
    }

    QStringList Captions()
    {
        QStringList captions;
        for (const CScriptedMessages::Shown& shown : m_fixture.Messages().ShownMessages())
            captions << shown.caption;
        return captions;
    }

    BackupFixture m_fixture;
};

TEST_F(EventSharingTest, FirstUploadCreatesDbWithTheEventFilesByteForByteAndRaisesTheVersion)
{
    CFtpTestServer server;
    ASSERT_TRUE(server.IsRunning());
    // CR LF must reach the server unchanged.
    WriteEvent(server.Address(), 4, "<WeddingData>\r\n</WeddingData>\r\n");
    CNewZelDoc& document = m_fixture.Open();
    const auto local = BackupFixture::Snapshot(m_fixture.EventFolder());

    EXPECT_EQ(CEventSharing(document).UploadEvent(), CEventSharing::Result::Done);

    for (const CScriptedMessages::Shown& shown : m_fixture.Messages().ShownMessages())
        ADD_FAILURE() << shown.text.toStdString();
    const auto onServer = BackupFixture::Snapshot(server.Root() + "/DB");
    EXPECT_EQ(onServer.keys(), local.keys());
    EXPECT_EQ(onServer.value("WeddingData.xml"), local.value("WeddingData.xml"));
    EXPECT_EQ(onServer.value("Settings.ini"), local.value("Settings.ini"));
    EXPECT_EQ(onServer.value("Tasks.ini"), local.value("Tasks.ini"));
    EXPECT_EQ(TestFiles::Read(server.Root() + "/AppSettings.ini"), QByteArray("[General]\r\nLanguage=1\r\n"));
    EXPECT_EQ(BackupFixture::Snapshot(server.Root()).keys(), QStringList{"AppSettings.ini"});
    EXPECT_EQ(IndexOf(server.Root() + "/DB/Checkpoint.ini"), 5);
    EXPECT_EQ(document.Checkpoint().GetIndex(), 5);
    EXPECT_EQ(TestFiles::Read(m_fixture.EventFolder() + "/Checkpoint.ini"), onServer.value("Checkpoint.ini"));
}

TEST_F(EventSharingTest, ServerAheadAsksWithBothVersionsAndNoLeavesTheServerAlone)
{
    CFtpTestServer server;
    ASSERT_TRUE(server.IsRunning());
    WriteServer(server, 7, "server data");
    WriteEvent(server.Address(), 5, "local data");
    CNewZelDoc& document = m_fixture.Open();
    m_fixture.Messages().Answer({MSG_RESULT_NO});

    EXPECT_EQ(CEventSharing(document).UploadEvent(), CEventSharing::Result::Declined);

    ASSERT_EQ(m_fixture.Messages().ShownMessages().size(), 1);
    const CScriptedMessages::Shown& asked = m_fixture.Messages().ShownMessages().front();
    EXPECT_EQ(asked.text, QStringLiteral("הנתונים הקימים בשרת(גרסה 7) הינם חדשים\r\nיותר מן הנתונים במחשב זה(גרסה 5)\r\n"
                                         "האם להמשיך ולהחליף את הנתונים שבשרת?"));
    EXPECT_EQ(asked.caption, QStringLiteral("גרסת הנתונים בשרת עדכנית יותר"));
    EXPECT_EQ(asked.buttons, MSG_YES_NO);
    EXPECT_EQ(TestFiles::Read(server.Root() + "/DB/WeddingData.xml"), QByteArray("server data"));
    EXPECT_EQ(document.Checkpoint().GetIndex(), 5);
}

TEST_F(EventSharingTest, ServerAheadAnsweredYesUploadsTheVersionAfterTheServers)
{
    CFtpTestServer server;
    ASSERT_TRUE(server.IsRunning());
    WriteServer(server, 7, "server data");
    WriteEvent(server.Address(), 5, "local data");
    CNewZelDoc& document = m_fixture.Open();
    m_fixture.Messages().Answer({MSG_RESULT_YES});

    EXPECT_EQ(CEventSharing(document).UploadEvent(), CEventSharing::Result::Done);

    EXPECT_EQ(TestFiles::Read(server.Root() + "/DB/WeddingData.xml"), QByteArray("local data"));
    EXPECT_EQ(IndexOf(server.Root() + "/DB/Checkpoint.ini"), 8);
    EXPECT_EQ(IndexOf(m_fixture.EventFolder() + "/Checkpoint.ini"), 8);
    EXPECT_EQ(document.Checkpoint().GetIndex(), 8);
}

TEST_F(EventSharingTest, DownloadWithEqualVersionsAsksAndNoChangesNothing)
{
    CFtpTestServer server;
    ASSERT_TRUE(server.IsRunning());
    WriteServer(server, 5, "server data");
    WriteEvent(server.Address(), 5, "local data");
    CNewZelDoc& document = m_fixture.Open();
    const auto before = BackupFixture::Snapshot(m_fixture.EventFolder());
    m_fixture.Messages().Answer({MSG_RESULT_NO});

    EXPECT_EQ(CEventSharing(document).DownloadEvent(false), CEventSharing::Result::Declined);

    EXPECT_EQ(Captions(), QStringList{StringTable::Get(59829)});
    EXPECT_EQ(m_fixture.Messages().ShownMessages().front().text, StringTable::Get(59828));
    EXPECT_EQ(BackupFixture::Snapshot(m_fixture.EventFolder()), before);
}

TEST_F(EventSharingTest, DownloadOfANewerVersionReplacesTheEventWithExactlyTheServersSetAfterACheckpoint)
{
    CFtpTestServer server;
    ASSERT_TRUE(server.IsRunning());
    WriteServer(server, 9, "<WeddingData>\r\n</WeddingData>\r\n");
    WriteEvent(server.Address(), 5, "local data");
    CNewZelDoc& document = m_fixture.Open();
    const QByteArray localData = TestFiles::Read(m_fixture.EventFolder() + "/WeddingData.xml");
    // Never exchanged yet holding data of its own: the local data is at stake, then the replacement.
    m_fixture.Messages().Answer({MSG_RESULT_YES, MSG_RESULT_YES});

    EXPECT_EQ(CEventSharing(document).DownloadEvent(false), CEventSharing::Result::Done);

    EXPECT_EQ(Captions(), (QStringList{"שינויים שלא נשמרו לשרת", StringTable::Get(59823)}));
    EXPECT_EQ(m_fixture.Messages().ShownMessages().back().text, StringTable::Get(59822));
    const auto local = BackupFixture::Snapshot(m_fixture.EventFolder());
    EXPECT_EQ(local.keys(), (QStringList{"Checkpoint.ini", "Settings.ini", "WeddingData.xml"}));
    EXPECT_EQ(local.value("WeddingData.xml"), QByteArray("<WeddingData>\r\n</WeddingData>\r\n"));
    // The server's settings, with this computer's account.
    const CIniFile settings(m_fixture.EventFolder() + "/Settings.ini");
    EXPECT_EQ(settings.GetString("Other", "Key"), "1");
    EXPECT_EQ(settings.GetString("FTPSettings", "FTPServer"), server.Address());
    EXPECT_EQ(settings.GetString("FTPSettings", "FTPP"), QString::fromLatin1(CFtpTestServer::kPassword));
    EXPECT_EQ(document.Checkpoint().GetIndex(), 9);
    // The replaced data is kept in a checkpoint.
    const QStringList checkpoints = QDir(m_fixture.BackupFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(checkpoints.size(), 1);
    EXPECT_EQ(TestFiles::Read(m_fixture.BackupFolder() + "/" + checkpoints.front() + "/WeddingData.xml"), localData);
    // Just exchanged: nothing to upload after the next save.
    EXPECT_FALSE(CEventSharing(document).HasLocalChanges());
}

TEST_F(EventSharingTest, WrongPasswordNamesTheServerAndTheReasonButNotThePassword)
{
    CFtpTestServer server;
    ASSERT_TRUE(server.IsRunning());
    WriteEvent(server.Address(), 5, "local data", QStringLiteral("wrong-word"));
    CNewZelDoc& document = m_fixture.Open();

    EXPECT_EQ(CEventSharing(document).UploadEvent(), CEventSharing::Result::Failed);

    ASSERT_EQ(m_fixture.Messages().ShownMessages().size(), 1);
    const CScriptedMessages::Shown& told = m_fixture.Messages().ShownMessages().front();
    EXPECT_EQ(told.caption, StringTable::Get(59825));
    EXPECT_TRUE(told.text.startsWith(StringTable::Get(59824) + "\r\n" + server.Address() + ": ")) << told.text.toStdString();
    EXPECT_FALSE(told.text.contains("wrong-word"));
    EXPECT_FALSE(QFileInfo::exists(server.Root() + "/DB"));
    EXPECT_EQ(document.Checkpoint().GetIndex(), 5);
}

TEST_F(EventSharingTest, ReadOnlyAccountTellsWhichFileFailedAndKeepsTheLocalVersion)
{
    CFtpTestServer server({"--read-only"});
    ASSERT_TRUE(server.IsRunning());
    WriteServer(server, 3, "server data");
    WriteEvent(server.Address(), 5, "local data");
    CNewZelDoc& document = m_fixture.Open();
    const QByteArray checkpoint = TestFiles::Read(m_fixture.EventFolder() + "/Checkpoint.ini");

    EXPECT_EQ(CEventSharing(document).UploadEvent(), CEventSharing::Result::Failed);

    ASSERT_EQ(Captions(), QStringList{"השמירה לשרת נכשלה"});
    EXPECT_TRUE(m_fixture.Messages().ShownMessages().front().text.startsWith("השמירה לשרת נכשלה בקובץ WeddingData.xml:\r\n"));
    EXPECT_EQ(document.Checkpoint().GetIndex(), 5);
    EXPECT_EQ(TestFiles::Read(m_fixture.EventFolder() + "/Checkpoint.ini"), checkpoint);
    EXPECT_EQ(TestFiles::Read(server.Root() + "/DB/WeddingData.xml"), QByteArray("server data"));
}

TEST_F(EventSharingTest, ConnectionDroppedInTheThirdFileLeavesTheServersOldSetAndVersion)
{
    CFtpTestServer server({"--drop-store", "3"});
    ASSERT_TRUE(server.IsRunning());
    WriteServer(server, 3, "server data");
    const auto serverBefore = BackupFixture::Snapshot(server.Root() + "/DB");
    WriteEvent(server.Address(), 5, QByteArray(300000, 'x'));
    CNewZelDoc& document = m_fixture.Open();

    EXPECT_EQ(CEventSharing(document).UploadEvent(), CEventSharing::Result::Failed);

    // WeddingData.xml, Settings.ini, then AppSettings.ini is the third.
    ASSERT_EQ(Captions(), QStringList{"השמירה לשרת נכשלה"});
    EXPECT_TRUE(m_fixture.Messages().ShownMessages().front().text.startsWith("השמירה לשרת נכשלה בקובץ AppSettings.ini:\r\n"));
    EXPECT_EQ(BackupFixture::Snapshot(server.Root() + "/DB"), serverBefore);
    EXPECT_FALSE(QFileInfo::exists(server.Root() + "/AppSettings.ini"));
    EXPECT_EQ(document.Checkpoint().GetIndex(), 5);
    EXPECT_EQ(IndexOf(m_fixture.EventFolder() + "/Checkpoint.ini"), 5);
}

TEST_F(EventSharingTest, DownloadThatLosesItsConnectionHalfwayLeavesTheEventUnchanged)
{
    // The version read is the first download; the third is the second file of the set.
    CFtpTestServer server({"--drop-retrieve", "3"});
    ASSERT_TRUE(server.IsRunning());
    WriteServer(server, 9, "server data");
    WriteEvent(server.Address(), 5, "local data");
    CNewZelDoc& document = m_fixture.Open();
    const auto before = BackupFixture::Snapshot(m_fixture.EventFolder());
    m_fixture.Messages().Answer({MSG_RESULT_YES, MSG_RESULT_YES});

    EXPECT_EQ(CEventSharing(document).DownloadEvent(false), CEventSharing::Result::Failed);

    EXPECT_EQ(Captions().back(), QStringLiteral("ההורדה מהשרת נכשלה"));
    EXPECT_FALSE(Captions().contains(StringTable::Get(59823)));
    EXPECT_EQ(BackupFixture::Snapshot(m_fixture.EventFolder()), before);
    EXPECT_EQ(document.Checkpoint().GetIndex(), 5);
    EXPECT_EQ(QDir(m_fixture.DataFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"DB"});
}

TEST_F(EventSharingTest, LocalEditsSinceTheLastExchangeAreNotOverwrittenByANewerServerWithoutAsking)
{
    CFtpTestServer server;
    ASSERT_TRUE(server.IsRunning());
    WriteEvent(server.Address(), 5, "exchanged data");
    {
        CNewZelDoc& document = m_fixture.Open();
        ASSERT_EQ(CEventSharing(document).UploadEvent(), CEventSharing::Result::Done);
    }
    WriteServer(server, 9, "newer server data");
    ASSERT_TRUE(TestFiles::Write(m_fixture.EventFolder() + "/WeddingData.xml", "edited here"));
    CNewZelDoc& document = m_fixture.Open();
    m_fixture.Messages().Answer({MSG_RESULT_NO});

    EXPECT_EQ(CEventSharing(document).DownloadEvent(false), CEventSharing::Result::Declined);

    EXPECT_EQ(Captions(), QStringList{"שינויים שלא נשמרו לשרת"});
    EXPECT_TRUE(m_fixture.Messages().ShownMessages().front().text.contains("(גרסה 9)"));
    EXPECT_EQ(TestFiles::Read(m_fixture.EventFolder() + "/WeddingData.xml"), QByteArray("edited here"));
}

TEST_F(EventSharingTest, SaveWithoutChangesSinceTheLastUploadDoesNotUploadAgain)
{
    CFtpTestServer server;
    ASSERT_TRUE(server.IsRunning());
    WriteEvent(server.Address(), 5, "<WeddingData>\r\n</WeddingData>\r\n");
    CNewZelDoc& document = m_fixture.Open();
    CEventSharing sharing(document);
    ASSERT_EQ(sharing.UploadAfterSave(), CEventSharing::Result::Done);
    ASSERT_EQ(IndexOf(server.Root() + "/DB/Checkpoint.ini"), 6);

    EXPECT_EQ(sharing.UploadAfterSave(), CEventSharing::Result::Declined);
    EXPECT_EQ(IndexOf(server.Root() + "/DB/Checkpoint.ini"), 6);

    ASSERT_TRUE(TestFiles::Write(m_fixture.EventFolder() + "/WeddingData.xml", "changed"));
    EXPECT_EQ(sharing.UploadAfterSave(), CEventSharing::Result::Done);
    EXPECT_EQ(IndexOf(server.Root() + "/DB/Checkpoint.ini"), 7);
}

TEST_F(EventSharingTest, MissingCredentialsWithoutTheDialogTransferNothing)
{
    WriteEvent(QString(), 5, "local data");
    CNewZelDoc& document = m_fixture.Open();
    int opened = 0;
    CEventSharing sharing(document, [&] {
        ++opened;
        return true;
    });

    EXPECT_EQ(sharing.UploadEvent(), CEventSharing::Result::Declined);

    EXPECT_EQ(opened, 1);
    ASSERT_EQ(m_fixture.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_fixture.Messages().ShownMessages().front().text, StringTable::Get(59820));
    EXPECT_EQ(m_fixture.Messages().ShownMessages().front().caption, StringTable::Get(59821));
}

}
