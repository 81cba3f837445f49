#include "ComponentTest.h"
#include "LoopbackHttpServer.h"
#include "LoopbackPort.h"

#include "support/TestFiles.h"
#include "textoracom/CurlSession.h"

#include <QElapsedTimer>

using HttpMethodTest = ComponentTest;

TEST(EncodeUrlValueTest, EveryCharacterIsWrittenAsItsAnsiCode)
{
    EXPECT_EQ(ClsPostMessage::EncodeUrlValue(QStringLiteral("abc")), u"%61%62%63");
    EXPECT_EQ(ClsPostMessage::EncodeUrlValue(QStringLiteral("0")), u"%30");
    EXPECT_EQ(ClsPostMessage::EncodeUrlValue(QStringLiteral("א ת")), u"%E0%20%FA");
    EXPECT_EQ(ClsPostMessage::EncodeUrlValue(QStringLiteral("a\r\n\tb")), u"%61%62");
    EXPECT_EQ(ClsPostMessage::EncodeUrlValue(QStringLiteral("€&中")), u"%80%26%3F");
    EXPECT_EQ(ClsPostMessage::EncodeUrlValue(QString()), QString());
}

TEST_F(HttpMethodTest, TheRequestCarriesEveryParameterInItsFixedOrder)
{
    CLoopbackHttpServer server("OK");
    WriteHttpSettings(server.Url());
    Call call;
    call.userName = QStringLiteral("ab");
    call.password = QStringLiteral("c1");
    call.message = QStringLiteral("שלום\r\n!");
    call.mobileNumber = QStringLiteral("054");
    call.signature = QStringLiteral("Di");
    call.deliveryReportUrl = QStringLiteral("h/");
    call.deliveryReportMask = MessageDeliveredToMobileDevice | MessageSentToSMSC;
    call.deferredDelay = 5;
    call.expiration = 120;
    EXPECT_TRUE(Send(call));
    ASSERT_EQ(server.RequestLines().size(), 1);
    EXPECT_EQ(server.RequestLines()[0],
              "GET /send?UserName=%61%62&Password=%63%31&Sender=%44%69&ToPhoneNumber=%30%35%34"
              "&Message=%F9%EC%E5%ED%21&DeliveryReportURL=%68%2F&DeliveryReportMask=%39"
              "&DeferredDeliveryDelay=%35&MessageExpirationDelay=%31%32%30 HTTP/1.1");
    EXPECT_TRUE(m_log.Entries().isEmpty());
}

TEST_F(HttpMethodTest, OmittedOptionalParametersAreSentAsEmptyAndZero)
{
    CLoopbackHttpServer server("OK");
    WriteHttpSettings(server.Url());
    EXPECT_TRUE(Send());
    ASSERT_EQ(server.RequestLines().size(), 1);
    EXPECT_TRUE(server.RequestLines()[0].endsWith(
        "&DeliveryReportURL=&DeliveryReportMask=%30&DeferredDeliveryDelay=%30&MessageExpirationDelay=%30 HTTP/1.1"));
}

TEST_F(HttpMethodTest, AnAnswerWithoutTheOkTextIsTheServersError)
{
    CLoopbackHttpServer server("Status=accepted");
    WriteHttpSettings(server.Url(), QStringLiteral("OKmessage=ACCEPTED\n"));
    EXPECT_FALSE(Send());
    EXPECT_EQ(Code(), enumServerReturnedError);
    EXPECT_EQ(Message(), u"Status=accepted");
    ASSERT_EQ(m_log.Entries().size(), 1);
    EXPECT_EQ(m_log.Entries()[0].text, u"An error was returned from the server. Server response:Status=accepted");
    EXPECT_EQ(m_log.Entries()[0].type, IEventLog::Type::Error);

    CLoopbackHttpServer accepting("Status=ACCEPTED");
    WriteHttpSettings(accepting.Url(), QStringLiteral("OKmessage=ACCEPTED\n"));
    EXPECT_TRUE(Send());
}

TEST_F(HttpMethodTest, AnEmptyOkTextIsTheDefaultOne)
{
    CLoopbackHttpServer server("ERROR");
    WriteHttpSettings(server.Url(), QStringLiteral("OKmessage=\n"));
    EXPECT_FALSE(Send());
    EXPECT_EQ(Code(), enumServerReturnedError);
}

TEST_F(HttpMethodTest, AHugeErrorPageIsCutInTheLogAndTheMessage)
{
    CLoopbackHttpServer server("<html>" + QByteArray(900 * 1024, 'x') + "</html>");
    WriteHttpSettings(server.Url());
    EXPECT_FALSE(Send());
    EXPECT_EQ(Code(), enumServerReturnedError);
    EXPECT_EQ(Message(), QStringLiteral("<html>") + QString(1994, u'x'));
    ASSERT_EQ(m_log.Entries().size(), 1);
    EXPECT_EQ(m_log.Entries()[0].text, QStringLiteral("An error was returned from the server. Server response:") + Message());
}

TEST_F(HttpMethodTest, ASlowServerTimesOutAfterTheRequestTimeout)
{
    CLoopbackHttpServer server("OK", 4000);
    WriteSettings(QStringLiteral("[Methods]\nTotal=1\nMethod1=Web\n[Web]\nType=HTTP\nRequestTimeout=1\nURL=")
                  + server.Url());
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(Send());
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_GE(timer.elapsed(), 900);
    EXPECT_EQ(Code(), enumServerReturnedError);
    EXPECT_TRUE(Message().contains(u"timed out")) << Message().toStdString();
}

TEST_F(HttpMethodTest, AFailedTransferIsNeverASuccessWhateverItsDescription)
{
    WriteHttpSettings(QStringLiteral("http://127.0.0.1:%1/send").arg(UnusedLoopbackPort()), QStringLiteral("OKmessage=connect\n"));
    EXPECT_FALSE(Send());
    EXPECT_EQ(Code(), enumServerReturnedError);
    EXPECT_TRUE(Message().contains(u"connect")) << Message().toStdString();
}

TEST_F(HttpMethodTest, AnEmptyUrlIsLoggedWithoutAnErrorCode)
{
    WriteSettings(QStringLiteral("[Methods]\nTotal=1\nMethod1=Web\n[Web]\nType=HTTP\n"));
    EXPECT_FALSE(Send());
    EXPECT_EQ(Code(), enumNoError);
    ASSERT_EQ(m_log.Entries().size(), 1);
    EXPECT_EQ(m_log.Entries()[0].text, u"The URL can not be empty.");
    EXPECT_EQ(m_log.Entries()[0].type, IEventLog::Type::Error);
}

TEST_F(HttpMethodTest, AnAnswerThatNeverEndsIsCutOffAtOneMegabyte)
{
    constexpr qint64 kBound = 32 * 1024 * 1024;
    CLoopbackHttpServer server(CLoopbackHttpServer::Endless{
        "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n", QByteArray(4096, 'x'), kBound});
    WriteHttpSettings(server.Url());
    EXPECT_FALSE(Send());
    EXPECT_EQ(Code(), enumServerReturnedError);
    EXPECT_EQ(Message(), u"The server's answer is longer than 1 MB; the transfer was stopped.");
    ASSERT_EQ(m_log.Entries().size(), 1);
    EXPECT_EQ(m_log.Entries()[0].text, QStringLiteral("An error was returned from the server. Server response:") + Message());
    // The client read past the cap and then hung up; what the server got into the socket buffers
    // before it noticed is far below the whole stream.
    EXPECT_GT(server.BytesSent(), CCurlSession::kMostAnswerBytes);
    EXPECT_LT(server.BytesSent(), kBound);
}

TEST_F(HttpMethodTest, AnEchoedPasswordIsMaskedInEveryEncoding)
{
    const QString password = QStringLiteral("p@ss w+רד");
    CLoopbackHttpServer server("Bad request: {request} typed=" + TestFiles::Cp1255(password)
                               + " percent=p%40ss%20w%2B%F8%E3 form=p%40ss+w%2B%F8%E3"
                                 " utf8=p%40ss%20w%2b%d7%a8%d7%93 sent=%70%40%73%73%20%77%2B%F8%E3");
    WriteHttpSettings(server.Url());
    Call call;
    call.password = password;
    EXPECT_FALSE(Send(call));
    ASSERT_EQ(server.RequestLines().size(), 1);
    QString requestLine = QString::fromLatin1(server.RequestLines()[0]);
    ASSERT_TRUE(requestLine.contains(u"&Password=%70%40%73%73%20%77%2B%F8%E3&"));
    requestLine.replace(QStringLiteral("%70%40%73%73%20%77%2B%F8%E3"), QStringLiteral("********"));
    EXPECT_EQ(Code(), enumServerReturnedError);
    EXPECT_EQ(Message(), QStringLiteral("Bad request: ") + requestLine
                             + QStringLiteral(" typed=******** percent=******** form=******** utf8=******** sent=********"));
    ASSERT_EQ(m_log.Entries().size(), 1);
    EXPECT_EQ(m_log.Entries()[0].text, QStringLiteral("An error was returned from the server. Server response:") + Message());
}

TEST(MaskPasswordTest, NoPasswordMasksNothingAndALongerFormGoesWhole)
{
    EXPECT_EQ(ClsPostMessage::MaskPassword(QStringLiteral("a b"), QString()), u"a b");
    // The typed "2" lies inside the sent "%32", which goes as a whole.
    EXPECT_EQ(ClsPostMessage::MaskPassword(QStringLiteral("x%32y 2"), QStringLiteral("2")), u"x********y ********");
}
