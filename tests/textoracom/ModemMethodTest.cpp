#include "ComponentTest.h"
#include "FakeModem.h"
#include "LoopbackHttpServer.h"

#include <QElapsedTimer>

namespace {

QString ModemSection(const CFakeModem& modem, const QString& extra = QString())
{
    return QStringLiteral("[Modem]\nType=MODEM\nCom=3\nRequestTimeout=1000\n") + extra
        + QStringLiteral("[SerialPorts]\nCOM3=") + modem.Device() + u'\n';
}

const QString kOneModem = QStringLiteral("[Methods]\nTotal=1\nMethod1=Modem\n");

}

using ModemMethodTest = ComponentTest;

TEST_F(ModemMethodTest, ADeliveredMessageSucceedsAndOthersReportsAreIgnored)
{
    CFakeModem modem(CFakeModem::Behaviour::Deliver);
    WriteSettings(kOneModem + ModemSection(modem));
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(Send());
    EXPECT_LT(timer.elapsed(), 900); // the report ends the wait
    EXPECT_EQ(Code(), enumNoError);
    const QList<QByteArray> expected = {"ATE0", "AT+CPIN?", "AT+CMGF=1", "AT+CNMI=2,1,0,1,0", "AT+CSCS=\"GSM\"",
                                        "AT+CSMP=49,167,0,0", "AT+CMGS=\"0541234567\"", "TEXT:Hello"};
    EXPECT_EQ(modem.Received(), expected);
    EXPECT_TRUE(m_log.Entries().isEmpty());
}

TEST_F(ModemMethodTest, HebrewGoesInUcs2)
{
    CFakeModem modem(CFakeModem::Behaviour::Deliver);
    WriteSettings(kOneModem + ModemSection(modem));
    Call call;
    call.message = QStringLiteral("שלום");
    call.mobileNumber = QStringLiteral("054-12");
    EXPECT_TRUE(Send(call));
    const QList<QByteArray> sent = modem.Received().mid(4);
    const QList<QByteArray> expected = {"AT+CSCS=\"UCS2\"", "AT+CSMP=49,167,0,8",
                                        "AT+CMGS=\"00300035003400310032\"", "TEXT:05E905DC05D505DD"};
    EXPECT_EQ(sent, expected);
}

TEST_F(ModemMethodTest, ADeliveryErrorFailsWithTheSendResultAndTheFlag)
{
    CFakeModem modem(CFakeModem::Behaviour::DeliverError);
    WriteSettings(kOneModem + ModemSection(modem));
    EXPECT_FALSE(Send());
    EXPECT_EQ(Code(), enumModemReturnedError);
    EXPECT_EQ(Message(), u"Failed to send SMS though modem. RetValSendSms = True SmsDelivered= False");
    ASSERT_EQ(m_log.Entries().size(), 1);
    EXPECT_EQ(m_log.Entries()[0].text, u"Failed to send SMS through modem. RetValSendSms = True SmsDelivered= False");
    EXPECT_EQ(m_log.Entries()[0].type, IEventLog::Type::Information);
}

TEST_F(ModemMethodTest, WithoutAReportTheWaitEndsAfterTheTimeout)
{
    CFakeModem modem(CFakeModem::Behaviour::NoReport);
    WriteSettings(kOneModem + ModemSection(modem, QStringLiteral("RequestTimeout=1500\n")));
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(Send());
    // 1000 ms is the first RequestTimeout key of the section: one step of one second.
    EXPECT_GE(timer.elapsed(), 950);
    EXPECT_LT(timer.elapsed(), 2500);
    EXPECT_EQ(Message(), u"Failed to send SMS though modem. RetValSendSms = True SmsDelivered= False");
}

TEST_F(ModemMethodTest, ARejectedMessageIsNotWaitedFor)
{
    CFakeModem modem(CFakeModem::Behaviour::RejectMessage);
    WriteSettings(kOneModem + ModemSection(modem));
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(Send());
    EXPECT_LT(timer.elapsed(), 900);
    EXPECT_EQ(Code(), enumModemReturnedError);
    EXPECT_EQ(Message(), u"Failed to send SMS though modem. RetValSendSms = False SmsDelivered= False");
}

TEST_F(ModemMethodTest, AModemThatNeverAnswersOrNoPortCannotBeInitialised)
{
    CFakeModem modem(CFakeModem::Behaviour::Silent);
    const QString expected =
        QStringLiteral("The modem could not be initialized. Make sure that the modem's COM port is open.");
    WriteSettings(kOneModem + ModemSection(modem));
    EXPECT_FALSE(Send());
    EXPECT_EQ(Code(), enumModemNotInitialize);
    EXPECT_EQ(Message(), expected);
    EXPECT_EQ(modem.Received(), QList<QByteArray>{"ATE0"});
    ASSERT_EQ(m_log.Entries().size(), 1);
    EXPECT_EQ(m_log.Entries()[0].text, expected);
    EXPECT_EQ(m_log.Entries()[0].type, IEventLog::Type::Error);

    WriteSettings(kOneModem + QStringLiteral("[Modem]\nType=MODEM\n"));
    EXPECT_FALSE(Send());
    EXPECT_EQ(Code(), enumModemNotInitialize);
}

TEST_F(ModemMethodTest, TheAccessSettingUnlocksTheSim)
{
    CFakeModem modem(CFakeModem::Behaviour::AskPin);
    WriteSettings(kOneModem + ModemSection(modem));
    EXPECT_FALSE(Send());
    EXPECT_EQ(Code(), enumModemNotInitialize);

    CFakeModem unlocked(CFakeModem::Behaviour::AskPin);
    WriteSettings(kOneModem + ModemSection(unlocked, QStringLiteral("PIN=1234\n")));
    EXPECT_TRUE(Send());
    EXPECT_TRUE(unlocked.Received().contains("AT+CPIN=\"1234\""));
}

TEST_F(ModemMethodTest, APortThatGoesAwayDuringTheWaitIsARunTimeError)
{
    CFakeModem modem(CFakeModem::Behaviour::Unplug);
    WriteSettings(kOneModem + ModemSection(modem));
    EXPECT_FALSE(Send());
    EXPECT_EQ(Code(), enumNoError);
    ASSERT_EQ(m_log.Entries().size(), 1);
    const QString entry = m_log.Entries()[0].text;
    EXPECT_TRUE(entry.startsWith(u"Error ")) << entry.toStdString();
    EXPECT_TRUE(entry.endsWith(u") in procedure SendSMSByModem of Class Module ClsPostMessage. Line:5"))
        << entry.toStdString();
    EXPECT_EQ(m_log.Entries()[0].type, IEventLog::Type::Error);
}

TEST_F(ModemMethodTest, ADeliveryOfAnEarlierSendDoesNotCountForTheNext)
{
    CFakeModem delivering(CFakeModem::Behaviour::Deliver);
    WriteSettings(kOneModem + ModemSection(delivering));
    EXPECT_TRUE(Send());
    CFakeModem silentAfterwards(CFakeModem::Behaviour::NoReport);
    WriteSettings(kOneModem + ModemSection(silentAfterwards));
    EXPECT_FALSE(Send());
    EXPECT_EQ(Code(), enumModemReturnedError);
}

TEST_F(ModemMethodTest, WhenTheModemFailsTheNextMethodSends)
{
    CFakeModem modem(CFakeModem::Behaviour::RejectMessage);
    CLoopbackHttpServer server("OK");
    WriteSettings(QStringLiteral("[Methods]\nTotal=2\nMethod1=Modem\nMethod2=Web\n[Web]\nType=HTTP\nURL=")
                  + server.Url() + u'\n' + ModemSection(modem));
    EXPECT_TRUE(Send());
    EXPECT_EQ(server.RequestLines().size(), 1);
    EXPECT_EQ(Code(), enumModemReturnedError);
}
