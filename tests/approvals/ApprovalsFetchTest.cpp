// The approvals file fetched from a web server on the loopback interface.
#include "approvals/core/ApprovalsFetch.h"

#include "support/LoopbackSite.h"

#include <gtest/gtest.h>

namespace {

class ApprovalsFetchTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_site.IsRunning()); }

    CApprovalsFetch::Result Fetch(const QString& code, const QString& site = QString())
    {
        return CApprovalsFetch::Fetch(site.isEmpty() ? m_site.Url() : site, QStringLiteral("/events/DB"), code);
    }

    CLoopbackSite m_site;
};

}

TEST_F(ApprovalsFetchTest, TheExampleListsOneConfirmedAndOneCancelledGuest)
{
    m_site.Serve(QStringLiteral("approve-me/E77/approval.txt"), "1001=2<br>\n1002=0<br>\n");
    const CApprovalsFetch::Result result = Fetch(QStringLiteral("E77"));
    ASSERT_EQ(result.status, CApprovalsFetch::Status::Ok);
    EXPECT_EQ(result.approvals.answers, (QMap<int, int>{{1001, 2}, {1002, 0}}));
    EXPECT_EQ(result.approvals.eventFolder, QStringLiteral("/events/DB"));
    EXPECT_EQ(result.approvals.eventCode, QStringLiteral("E77"));
    EXPECT_EQ(m_site.Requests(), QStringList{QStringLiteral("GET /approve-me/E77/approval.txt MarvessaApprovals")});
}

TEST_F(ApprovalsFetchTest, CrLfSeparatorsNeverReachTheCode)
{
    m_site.Serve(QStringLiteral("approve-me/E77/approval.txt"), "1001=2<br>\r\n1002=0<br>\r\n1003=4<br>\r\n");
    const CApprovalsFetch::Result result = Fetch(QStringLiteral("E77"));
    ASSERT_EQ(result.status, CApprovalsFetch::Status::Ok);
    EXPECT_EQ(result.approvals.answers, (QMap<int, int>{{1001, 2}, {1002, 0}, {1003, 4}}));
}

TEST_F(ApprovalsFetchTest, OnlyDigitsEqualsDigitsCountAndALaterAnswerReplacesAnEarlierOne)
{
    EXPECT_EQ(CApprovalsFetch::Parse("=5<br>\nbad<br>\n1001=x<br>\n 1004 = 3 <br>\n1001=2<br>\n1001=3<br>\n12=1=2<br>"
                                     "\n-4=1<br>\n"),
              (QMap<int, int>{{1001, 3}}));
    EXPECT_EQ(CApprovalsFetch::Parse("  1005=1  <br>1006=0<br>"), (QMap<int, int>{{1005, 1}, {1006, 0}}));
}

TEST_F(ApprovalsFetchTest, ElevenHundredAnswersAreAllRead)
{
    QByteArray body;
    for (int code = 1001; code <= 2100; ++code)
        body += QByteArray::number(code) + '=' + QByteArray::number(code % 5) + "<br>\r\n";
    ASSERT_GT(body.size(), 10240);
    m_site.Serve(QStringLiteral("approve-me/BIG/approval.txt"), body);
    const CApprovalsFetch::Result result = Fetch(QStringLiteral("BIG"));
    ASSERT_EQ(result.status, CApprovalsFetch::Status::Ok);
    EXPECT_EQ(result.approvals.answers.size(), 1100);
    EXPECT_EQ(result.approvals.answers.value(2100), 0);
    EXPECT_EQ(result.approvals.answers.value(2099), 4);
}

TEST_F(ApprovalsFetchTest, AReplyPastTheCapIsRefusedWhole)
{
    QByteArray body = "1001=2<br>\n";
    body += QByteArray(CApprovalsFetch::kMaxBytes, ' ');
    m_site.Serve(QStringLiteral("approve-me/HUGE/approval.txt"), body);
    const CApprovalsFetch::Result result = Fetch(QStringLiteral("HUGE"));
    EXPECT_EQ(result.status, CApprovalsFetch::Status::TooLarge);
    EXPECT_TRUE(result.approvals.answers.isEmpty());
    EXPECT_EQ(CApprovalsFetch::Describe(result), QStringLiteral("קובץ האישורים באתר גדול מ-1MB ולכן לא נקרא."));

    m_site.Serve(QStringLiteral("approve-me/FULL/approval.txt"),
                 "1001=2<br>\n" + QByteArray(CApprovalsFetch::kMaxBytes - 11, ' '));
    EXPECT_EQ(Fetch(QStringLiteral("FULL")).approvals.answers, (QMap<int, int>{{1001, 2}}));
}

TEST_F(ApprovalsFetchTest, AnErrorPageIsNeverTakenAsApprovals)
{
    m_site.Serve(QStringLiteral("approve-me/E77/approval.txt"),
                 "<html><body>Internal error<br>\n1001=2<br>\n</body></html>");
    const CApprovalsFetch::Result result = Fetch(QStringLiteral("E77"), m_site.Url(QStringLiteral("status/500/")));
    EXPECT_EQ(result.status, CApprovalsFetch::Status::NotOk);
    EXPECT_EQ(result.httpStatus, 500);
    EXPECT_TRUE(result.approvals.answers.isEmpty());

    const CApprovalsFetch::Result missing = Fetch(QStringLiteral("NONE"));
    EXPECT_EQ(missing.status, CApprovalsFetch::Status::NotOk);
    EXPECT_EQ(missing.httpStatus, 404);
}

TEST_F(ApprovalsFetchTest, TheEventCodeIsPercentEncodedInTheAddress)
{
    EXPECT_EQ(CApprovalsFetch::Url(QStringLiteral("http://site/x/"), QStringLiteral("a b&c?d#e/ש")),
              QStringLiteral("http://site/x/approve-me/a%20b%26c%3Fd%23e%2F%D7%A9/approval.txt"));
    EXPECT_TRUE(CApprovalsFetch::Url(QStringLiteral("http://site/"), QString()).isEmpty());

    m_site.Serve(QStringLiteral("approve-me/a b&c/approval.txt"), "1001=1<br>\n");
    const CApprovalsFetch::Result result = Fetch(QStringLiteral("a b&c"));
    ASSERT_EQ(result.status, CApprovalsFetch::Status::Ok);
    EXPECT_EQ(result.approvals.answers, (QMap<int, int>{{1001, 1}}));
    EXPECT_EQ(m_site.Requests(), QStringList{QStringLiteral("GET /approve-me/a%20b%26c/approval.txt MarvessaApprovals")});
}

TEST_F(ApprovalsFetchTest, WithoutAnEventCodeNothingIsAsked)
{
    EXPECT_EQ(Fetch(QString()).status, CApprovalsFetch::Status::NoEventCode);
    EXPECT_TRUE(m_site.Requests().isEmpty());
}
