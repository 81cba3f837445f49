#include "ComponentTest.h"
#include "LoopbackHttpServer.h"
#include "LoopbackPort.h"
#include "SmtpSink.h"

#include "support/TestFiles.h"

#include <QJsonArray>

using MailMethodTest = ComponentTest;

namespace {

QString MailSettings(const QString& server, const QString& extra = QString())
{
    return QStringLiteral("[Methods]\nTotal=1\nMethod1=Mail\n[Mail]\nType=EMAIL\nRequestTimeout=5\nMailServer=") + server
        + QStringLiteral("\nFromAddress=sms@kalinora.test\n") + extra;
}

}

TEST_F(MailMethodTest, TheMailCarriesTheAccountInItsSubjectAndTheTextInWindows1255)
{
    CSmtpSink sink;
    ASSERT_TRUE(sink.IsRunning());
    WriteSettings(MailSettings(sink.Server(), QStringLiteral("MailDomain=gw.example\n")));
    Call call;
    call.message = QStringLiteral("שלום, נתראה בחתונה!");
    call.signature = QStringLiteral("דנה");
    EXPECT_TRUE(Send(call));
    EXPECT_EQ(Code(), enumNoError);
    EXPECT_TRUE(m_log.Entries().isEmpty());

    const QList<QJsonObject> messages = sink.Messages();
    ASSERT_EQ(messages.size(), 1);
    const QJsonObject& mail = messages[0];
    EXPECT_EQ(mail["mail_from"].toString(), u"sms@kalinora.test");
    ASSERT_EQ(mail["rcpt_tos"].toArray().size(), 1);
    EXPECT_EQ(mail["rcpt_tos"].toArray()[0].toString(), u"0541234567@gw.example");
    EXPECT_EQ(mail["to"].toString(), u"\"0541234567@gw.example\" <0541234567@gw.example>");
    EXPECT_EQ(mail["from"].toString(), QStringLiteral("דנה <sms@kalinora.test>"));
    EXPECT_EQ(mail["subject"].toString(), u"dan:secret");
    EXPECT_EQ(mail["charset"].toString(), u"windows-1255");
    EXPECT_EQ(QByteArray::fromHex(mail["body_hex"].toString().toLatin1()), TestFiles::Cp1255(call.message));
    EXPECT_FALSE(mail["tls"].toBool());
}

TEST_F(MailMethodTest, WithoutAMailDomainTheServicesOwnIsUsed)
{
    CSmtpSink sink;
    ASSERT_TRUE(sink.IsRunning());
    WriteSettings(MailSettings(sink.Server()));
    EXPECT_TRUE(Send());
    const QList<QJsonObject> messages = sink.Messages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0]["rcpt_tos"].toArray()[0].toString(), u"0541234567@sms.textora.co.il");
}

TEST_F(MailMethodTest, AFailedSendGivesTheResultNumberAndLogsNoPassword)
{
    WriteSettings(MailSettings(QStringLiteral("127.0.0.1:%1").arg(UnusedLoopbackPort())));
    EXPECT_FALSE(Send());
    EXPECT_EQ(Code(), enumMailServerReturnedError);
    EXPECT_EQ(Message(), u"error sending SMS through email. Response = 7"); // could not connect
    ASSERT_EQ(m_log.Entries().size(), 1);
    EXPECT_EQ(m_log.Entries()[0].text, u"Error sending SMS through email. EmailResponse= 7");
    EXPECT_EQ(m_log.Entries()[0].type, IEventLog::Type::Information);
    EXPECT_FALSE(m_log.Entries()[0].text.contains(u"secret"));
}

TEST_F(MailMethodTest, AServerThatOffersTlsGetsNothingInClearText)
{
    CSmtpSink sink(true);
    ASSERT_TRUE(sink.IsRunning());
    WriteSettings(MailSettings(sink.Server()));
    EXPECT_FALSE(Send());
    EXPECT_EQ(Code(), enumMailServerReturnedError);
    // The client took up STARTTLS and then refused the server's unknown certificate; had it gone
    // on in clear text, the server would have refused the mail with another result.
    EXPECT_EQ(Message(), u"error sending SMS through email. Response = 60");
    EXPECT_TRUE(sink.Messages().isEmpty());
    for (const QString& text : m_log.Texts())
        EXPECT_FALSE(text.contains(u"secret"));
}

TEST_F(MailMethodTest, AGreetingThatNeverEndsFailsTheMail)
{
    constexpr qint64 kBound = 32 * 1024 * 1024;
    CLoopbackHttpServer server(CLoopbackHttpServer::Endless{{}, "220-" + QByteArray(1000, 'x') + "\r\n", kBound});
    WriteSettings(MailSettings(server.HostAndPort()));
    EXPECT_FALSE(Send());
    EXPECT_EQ(Code(), enumMailServerReturnedError);
    EXPECT_EQ(Message(), u"error sending SMS through email. Response = 56");
    EXPECT_LT(server.BytesSent(), kBound);
}
