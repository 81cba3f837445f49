// The update check against a small web server on the loopback interface.
#include "AppTestSupport.h"

#include "controls/CommandIds.h"
#include "app/core/UpdateCheck.h"
#include "app/core/UpdateChecker.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// Answers every GET with the page registered for its path (404 otherwise) and keeps the requests.
class CPageServer : public QObject
{
public:
    CPageServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this]() {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket]() { Answer(socket); });
        });
    }

    QString Url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    void Serve(const QByteArray& path, const QByteArray& body) { m_pages.insert(path, body); }

    QList<QByteArray> requests;

private:
    void Answer(QTcpSocket* socket)
    {
        QByteArray& pending = m_pending[socket];
        pending += socket->readAll();
        if (!pending.contains("\r\n\r\n"))
            return;
        requests << pending;
        const QByteArray path = pending.split(' ').value(1);
        const bool found = m_pages.contains(path);
        const QByteArray body = found ? m_pages.value(path) : QByteArray("missing");
        socket->write((found ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n") +
                      QByteArray("Content-Length: ") + QByteArray::number(body.size()) +
                      "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
        m_pending.remove(socket);
    }

    QTcpServer m_server;
    QHash<QByteArray, QByteArray> m_pages;
    QHash<QTcpSocket*, QByteArray> m_pending;
};

// Runs the check on its worker thread while this thread serves the pages.
CUpdateCheck::Result Check(const CUpdateCheck::Inputs& inputs, Qt::HANDLE* resultThread = nullptr)
{
    CUpdateChecker checker;
    CUpdateCheck::Result result;
    QObject::connect(&checker, &CUpdateChecker::Finished, [&](const CUpdateCheck::Result& r, bool) {
        result = r;
        if (resultThread)
            *resultThread = QThread::currentThreadId();
    });
    QSignalSpy done(&checker, &CUpdateChecker::Finished);
    EXPECT_TRUE(checker.Start(inputs, false));
    EXPECT_TRUE(done.wait(20000));
    return result;
}

// A main window whose General.ini names a page of the server as the version page.
CMainFrame& OpenOnVersionPage(CFrameFixture& fixture, const CPageServer& server, const char* path)
{
    CIniFile::WriteProfileString(fixture.GeneralPath(), QStringLiteral("General"), QStringLiteral("NewVersionUrl"),
                                 server.Url(QString::fromLatin1(path)));
    CMainFrame& frame = fixture.Open();
    fixture.app->SetReachabilityUrl(server.Url(QStringLiteral("/online")));
    return frame;
}

CUpdateCheck::Inputs Inputs(const CPageServer& server, const QString& versionPath)
{
    CUpdateCheck::Inputs inputs;
    inputs.reachabilityUrl = server.Url(QStringLiteral("/online"));
    inputs.versionUrl = server.Url(versionPath);
    return inputs;
}

}

TEST(UpdateCheck, ReadsTheOfferedVersionBetweenTheMarkers)
{
    CPageServer server;
    server.Serve("/online", "yes");
    server.Serve("/newer", "<html>CurCurCurCur VerVerVerVer2.60 </html>");
    server.Serve("/same", "VerVerVerVer2.55CurCurCurCur");
    server.Serve("/older", "VerVerVerVer2.1xCurCurCurCur");
    server.Serve("/plain", "<html>Version 9.99</html>");

    Qt::HANDLE resultThread = nullptr;
    const CUpdateCheck::Result newer = Check(Inputs(server, QStringLiteral("/newer")), &resultThread);
    EXPECT_EQ(newer.outcome, CUpdateCheck::Outcome::NewerVersion);
    EXPECT_DOUBLE_EQ(newer.offeredVersion, 2.60);
    EXPECT_EQ(resultThread, QThread::currentThreadId()) << "results come back to the user-interface thread";

    EXPECT_EQ(Check(Inputs(server, QStringLiteral("/same"))).outcome, CUpdateCheck::Outcome::NoNewerVersion);
    const CUpdateCheck::Result older = Check(Inputs(server, QStringLiteral("/older")));
    EXPECT_EQ(older.outcome, CUpdateCheck::Outcome::NoNewerVersion);
    EXPECT_DOUBLE_EQ(older.offeredVersion, 2.1);
    EXPECT_EQ(Check(Inputs(server, QStringLiteral("/plain"))).outcome, CUpdateCheck::Outcome::NotConnected);
    EXPECT_EQ(Check(Inputs(server, QStringLiteral("/nothing-here"))).outcome, CUpdateCheck::Outcome::NotConnected);

    const QByteArray versionRequest = server.requests.at(1);
    EXPECT_TRUE(versionRequest.startsWith("GET /newer "));
    EXPECT_TRUE(versionRequest.contains("User-Agent: Marvessa\r\n"));
    EXPECT_TRUE(versionRequest.contains("Cache-Control: no-cache\r\n"));
}

TEST(UpdateCheck, AnUnreachableNetworkIsNotConnected)
{
    CPageServer server;
    server.Serve("/newer", "VerVerVerVer3.00CurCurCurCur");
    CUpdateCheck::Inputs inputs = Inputs(server, QStringLiteral("/newer"));
    inputs.reachabilityUrl = QStringLiteral("http://127.0.0.1:1/");
    EXPECT_EQ(Check(inputs).outcome, CUpdateCheck::Outcome::NotConnected);
    EXPECT_TRUE(server.requests.isEmpty()) << "nothing is asked before the network answered";
}

TEST(UpdateCheck, OnlyTheFirstTenKilobytesAreRead)
{
    CPageServer server;
    server.Serve("/online", "yes");
    server.Serve("/late", QByteArray(10240, ' ') + "VerVerVerVer9.00CurCurCurCur");
    server.Serve("/early", "VerVerVerVer9.00CurCurCurCur" + QByteArray(20000, ' '));
    EXPECT_EQ(Check(Inputs(server, QStringLiteral("/late"))).outcome, CUpdateCheck::Outcome::NotConnected);
    EXPECT_EQ(Check(Inputs(server, QStringLiteral("/early"))).outcome, CUpdateCheck::Outcome::NewerVersion);
}

TEST(UpdateCheck, ApprovalsOfTheEventAreFetchedWithTheirOwnAgentForTheEventTheyBelongTo)
{
    CPageServer server;
    server.Serve("/online", "yes");
    server.Serve("/site/approve-me/E%2077/approval.txt", "1001=2<br>\r\n1002=0<br>\r\n=5<br>\nbad<br>\n1001=3<br>\n");
    CUpdateCheck::Inputs inputs = Inputs(server, QString());
    inputs.versionUrl.clear();
    inputs.approvalsSite = server.Url(QStringLiteral("/site/"));
    inputs.eventFolder = QStringLiteral("/data/DB3");
    inputs.eventCode = QStringLiteral("E 77");
    const CUpdateCheck::Result result = Check(inputs);
    EXPECT_EQ(result.approvals.answers, (QMap<int, int>{{1001, 3}, {1002, 0}}));
    EXPECT_EQ(result.approvals.eventFolder, QStringLiteral("/data/DB3"));
    EXPECT_EQ(result.approvals.eventCode, QStringLiteral("E 77"));
    ASSERT_EQ(server.requests.size(), 2);
    EXPECT_TRUE(server.requests.at(1).contains("User-Agent: MarvessaApprovals\r\n"));
}

TEST(UpdateCheck, TheCommandTellsEachOutcome)
{
    CPageServer server;
    server.Serve("/online", "yes");
    server.Serve("/same", "CurCurCurCurVerVerVerVer2.55");
    server.Serve("/newer", "CurCurCurCurVerVerVerVer2.56");

    CFrameFixture fixture;
    CIniFile::WriteProfileString(fixture.GeneralPath(), QStringLiteral("General"), QStringLiteral("UL"),
                                 QStringLiteral("http://download.example.com/"));
    const struct
    {
        const char* path;
        int answer;
        QString text;
        QString caption;
    } cases[] = {
        {"/same", MSG_RESULT_OK, QStringLiteral("אין גרסאות חדשות יותר"), QStringLiteral("אין גרסאות חדשות יותר")},
        {"/plain", MSG_RESULT_OK, QStringLiteral("צריך להתחבר לאינטרנט על מנת לבדוק עידכונים"),
         QStringLiteral("אין חיבור לאינטרנט")},
        {"/newer", MSG_RESULT_YES, StringTable::Get(59710), QStringLiteral("גירסה חדשה")},
    };
    for (const auto& c : cases) {
        CMainFrame& frame = OpenOnVersionPage(fixture, server, c.path);
        QSignalSpy done(fixture.app.get(), &CNewZelApp::UpdateCheckDone);
        fixture.messages.Forget();
        fixture.messages.Answer({c.answer});
        frame.RouteCommand(ID_CHECK_UPDATES);
        ASSERT_TRUE(done.wait(20000)) << c.path;
        ASSERT_EQ(fixture.messages.ShownMessages().size(), 1) << c.path;
        EXPECT_EQ(fixture.messages.ShownMessages().first().text, c.text);
        EXPECT_EQ(fixture.messages.ShownMessages().first().caption, c.caption);
    }
    EXPECT_EQ(fixture.platform.calls, QStringList{QStringLiteral("url http://download.example.com/")});
}

TEST(UpdateCheck, TheAutomaticCheckAsksOnlyAboutANewerVersion)
{
    CPageServer server;
    server.Serve("/online", "yes");
    server.Serve("/same", "CurCurCurCurVerVerVerVer2.55");
    server.Serve("/newer", "CurCurCurCurVerVerVerVer2.70");
    CFrameFixture fixture;
    for (const char* path : {"/same", "/newer"}) {
        OpenOnVersionPage(fixture, server, path);
        fixture.app->SetAutomaticDelay(0);
        fixture.messages.Forget();
        fixture.messages.Answer({MSG_RESULT_NO});
        QSignalSpy done(fixture.app.get(), &CNewZelApp::UpdateCheckDone);
        fixture.app->StartBackgroundCheck(*fixture.document);
        ASSERT_TRUE(done.wait(20000));
    }
    ASSERT_EQ(fixture.messages.ShownMessages().size(), 1);
    EXPECT_EQ(fixture.messages.ShownMessages().first().caption, QStringLiteral("גירסה חדשה"));
    EXPECT_TRUE(fixture.platform.calls.isEmpty()) << "answered No";
}
