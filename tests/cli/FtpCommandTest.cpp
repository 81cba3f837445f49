#include "CliProcess.h"
#include "support/FtpTestServer.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class FtpCommandTest : public ::testing::Test
{
protected:
    void WriteEvent(const QString& password = QString::fromLatin1(CFtpTestServer::kPassword))
    {
        ASSERT_TRUE(m_server.IsRunning());
        ASSERT_TRUE(TestFiles::Write(Data() + "/events.ini", "[Events]\r\nActive=DB\r\n"));
        ASSERT_TRUE(TestFiles::Write(Event() + "/Settings.ini",
                                     QStringLiteral("[FTPSettings]\r\nFTPServer=%1\r\nFTPUser=planner\r\nFTPP=%2\r\n")
                                         .arg(m_server.Address(), password)
                                         .toUtf8()));
        ASSERT_TRUE(TestFiles::Write(Event() + "/Checkpoint.ini", "[Checkpoint]\r\nCpIndex=5\r\n"));
        ASSERT_TRUE(TestFiles::Write(Event() + "/WeddingData.xml", "<WeddingData>\r\n</WeddingData>\r\n"));
    }
    void WriteServer(int version)
    {
        QDir().mkpath(m_server.Root() + "/DB");
        ASSERT_TRUE(TestFiles::Write(m_server.Root() + "/DB/Checkpoint.ini",
                                     QStringLiteral("[Checkpoint]\r\nCpIndex=%1\r\n").arg(version).toUtf8()));
        ASSERT_TRUE(TestFiles::Write(m_server.Root() + "/DB/WeddingData.xml", "<WeddingData/>\r\n"));
    }
    QString Data() const { return QFileInfo(m_dir.path()).canonicalFilePath() + "/Data"; }
    QString Event() const { return Data() + "/DB"; }

    QTemporaryDir m_dir;
    CFtpTestServer m_server;
};

TEST_F(FtpCommandTest, UploadPrintsTheVersionsBeforeAndAfterAndPutsTheFiles)
{
    WriteEvent();

    const CliRun run = Cli({"--data", Data(), "ftp", "upload", Event()});

    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, QByteArray("before\tlocal 5\tserver none\nafter\tlocal 6\tserver 6\n"));
    EXPECT_EQ(TestFiles::Read(m_server.Root() + "/DB/WeddingData.xml"), QByteArray("<WeddingData>\r\n</WeddingData>\r\n"));
    EXPECT_EQ(TestFiles::Read(m_server.Root() + "/DB/Checkpoint.ini"), TestFiles::Read(Event() + "/Checkpoint.ini"));
}

TEST_F(FtpCommandTest, UploadOverANewerServerIsDeclinedUnlessAnsweredYes)
{
    WriteEvent();
    WriteServer(7);

    const CliRun declined = Cli({"--data", Data(), "ftp", "upload", Event()});
    EXPECT_EQ(declined.exitCode, 1);
    EXPECT_EQ(declined.out, QByteArray("before\tlocal 5\tserver 7\nafter\tlocal 5\tserver 7\n"));
    EXPECT_EQ(TestFiles::Read(m_server.Root() + "/DB/WeddingData.xml"), QByteArray("<WeddingData/>\r\n"));

    const CliRun accepted = Cli({"--data", Data(), "ftp", "upload", Event(), "--answer", "yes"});
    EXPECT_EQ(accepted.exitCode, 0) << accepted.err.constData();
    EXPECT_EQ(accepted.out, QByteArray("before\tlocal 5\tserver 7\nafter\tlocal 8\tserver 8\n"));
}

TEST_F(FtpCommandTest, DownloadAnsweredYesTakesTheServersEvent)
{
    WriteEvent();
    WriteServer(9);

    const CliRun run = Cli({"--data", Data(), "ftp", "download", Event(), "--answer", "yes"});

    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, QByteArray("before\tlocal 5\tserver 9\nafter\tlocal 9\tserver 9\n"));
    EXPECT_EQ(TestFiles::Read(Event() + "/WeddingData.xml"), QByteArray("<WeddingData/>\r\n"));
    // The server held no settings: the event keeps this computer's account.
    EXPECT_TRUE(TestFiles::Read(Event() + "/Settings.ini").contains("FTPServer=" + m_server.Address().toUtf8()));
}

TEST_F(FtpCommandTest, DownloadByDefaultAnswersNoAndLeavesTheEvent)
{
    WriteEvent();
    WriteServer(9);

    const CliRun run = Cli({"--data", Data(), "ftp", "download", Event()});

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, QByteArray("before\tlocal 5\tserver 9\nafter\tlocal 5\tserver 9\n"));
    EXPECT_EQ(TestFiles::Read(Event() + "/WeddingData.xml"), QByteArray("<WeddingData>\r\n</WeddingData>\r\n"));
}

TEST_F(FtpCommandTest, WrongPasswordNamesTheServerButNeverThePassword)
{
    WriteEvent(QStringLiteral("not-the-pass"));

    const CliRun run = Cli({"--data", Data(), "ftp", "upload", Event()});

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(m_server.Address().toUtf8())) << run.err.constData();
    EXPECT_FALSE(run.err.contains("not-the-pass"));
    EXPECT_FALSE(run.out.contains("not-the-pass"));
    EXPECT_FALSE(QFileInfo::exists(m_server.Root() + "/DB"));
}

TEST_F(FtpCommandTest, AnswerTakesOnlyYesOrNo)
{
    WriteEvent();

    const CliRun run = Cli({"--data", Data(), "ftp", "upload", Event(), "--answer", "maybe"});

    EXPECT_EQ(run.exitCode, 2);
    EXPECT_FALSE(QFileInfo::exists(m_server.Root() + "/DB"));
}

}
