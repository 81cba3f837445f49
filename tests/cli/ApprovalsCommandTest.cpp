#include "CliProcess.h"
#include "support/LoopbackSite.h"
#include "support/TestFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// An event in its older files: guests 1001 Dan (unknown), 1002 Rina (approved with 3) and 1003 Avi
// (approved with 2), on the site under the code "E 7&x".
class ApprovalsCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.IsRunning());
        ASSERT_TRUE(TestFiles::Write(Folder() + "/Guests.ini",
                                     "[Guest0]\r\nNM=Dan\r\nFM=Levi\r\nAN=2\r\nPN=2\r\n"
                                     "[Guest1]\r\nNM=Rina\r\nFM=Cohen\r\nAN=3\r\nPN=3\r\nST=1\r\n"
                                     "[Guest2]\r\nNM=Avi\r\nFM=Mor\r\nAN=2\r\nPN=2\r\nST=1\r\n"));
        ASSERT_TRUE(TestFiles::Write(Folder() + "/Settings.ini", "[KeySettings]\r\nEventCode=E 7&x\r\n"));
        m_site.Serve(QStringLiteral("approve-me/E 7&x/approval.txt"),
                     "1001=4<br>\r\n1002=0<br>\r\n1003=2<br>\r\n1999=1<br>\r\n");
    }

    QString Folder() const { return m_dir.path() + "/Data/DB"; }
    CliRun Approvals(QStringList more = {})
    {
        return Cli(QStringList{"--lang", "he", "approvals", Folder(), "--site", m_site.Url()} + more);
    }

    QTemporaryDir m_dir;
    CLoopbackSite m_site;
};

}

TEST_F(ApprovalsCommandTest, ListsTheAnswersThatDifferWithoutWriting)
{
    const CliRun run = Approvals();
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(QString::fromUtf8(run.out), QStringLiteral("confirmed\t1001\tDan Levi\t4\ncancelled\t1002\tRina Cohen\t0\n"));
    EXPECT_FALSE(QFileInfo::exists(Folder() + "/WeddingData.xml"));
    EXPECT_EQ(m_site.Requests(), QStringList{QStringLiteral("GET /approve-me/E%207%26x/approval.txt MarvessaApprovals")});
}

TEST_F(ApprovalsCommandTest, ApplyUpdatesSavesAndThenNothingDiffers)
{
    const CliRun run = Approvals({"--apply"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(QString::fromUtf8(run.out),
              QStringLiteral("confirmed\t1001\tDan Levi\t4\ncancelled\t1002\tRina Cohen\t0\nchanged 2\n"));
    const QByteArray saved = TestFiles::Read(Folder() + "/WeddingData.xml");
    EXPECT_TRUE(saved.contains("<Coming>4</Coming>")) << saved.constData();

    const CliRun again = Approvals();
    ASSERT_EQ(again.exitCode, 0) << again.err.constData();
    EXPECT_TRUE(again.out.isEmpty()) << again.out.constData();
}

TEST_F(ApprovalsCommandTest, AnErrorPageOrAnEventWithoutCodeIsRefused)
{
    CliRun run = Cli({"--lang", "he", "approvals", Folder(), "--site", m_site.Url("status/500/")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(QString::fromUtf8(run.err), QStringLiteral("ravivaz-cli approvals: אתר האישורים לא החזיר את אישורי הארוע (תשובה 500).\n"));

    ASSERT_TRUE(TestFiles::Write(Folder() + "/Settings.ini", "[KeySettings]\r\nEventCode=\r\n"));
    run = Approvals();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(run.err),
              QStringLiteral("ravivaz-cli approvals: לארוע זה אין קוד ארוע, ולכן אין לו אישורי הגעה באתר.\n"));

    run = Cli({"approvals", Folder(), "--site"});
    EXPECT_EQ(run.exitCode, 2);
}
