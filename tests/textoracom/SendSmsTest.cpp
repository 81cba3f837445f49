#include "ComponentTest.h"
#include "LoopbackHttpServer.h"

#include "com/ClassFactory.h"
#include "support/TestFiles.h"
#include "textoracom/Tools.h"

class SendSmsTest : public ComponentTest
{
protected:
    static Call WithoutCredentials()
    {
        Call call;
        call.userName.clear();
        call.password.clear();
        return call;
    }
};

TEST_F(SendSmsTest, ValidationRunsInOrderOnTrimmedTextsBeforeAnyMethod)
{
    CLoopbackHttpServer server("OK");
    WriteHttpSettings(server.Url());
    struct Case
    {
        Call call;
        enumErrors code;
        const char* message;
    };
    auto make = [](const char* user, const char* password, const char* message, const char* number,
                   const char* signature) {
        Call call;
        call.userName = QString::fromUtf8(user);
        call.password = QString::fromUtf8(password);
        call.message = QString::fromUtf8(message);
        call.mobileNumber = QString::fromUtf8(number);
        call.signature = QString::fromUtf8(signature);
        return call;
    };
    const QList<Case> cases = {
        {make("", "x", "", "", ""), enumEmptyMessage, "Message empty"},
        {make("u", "p", "   ", "054", "s"), enumEmptyMessage, "Message empty"},
        {make("u", "", "hi", "  ", ""), enumEmptyMobileNumber, "Mobile number empty"},
        {make("u", "", "hi", "054", ""), enumEmptyPasswordOrUserName, "Password empty or User Empty"},
        {make(" ", "p", "hi", "054", "s"), enumEmptyPasswordOrUserName, "Password empty or User Empty"},
        {make("u", "p", "hi", "054", "  "), enumEmptySignature, "Signature empty"},
    };
    for (Case c : cases) {
        EXPECT_FALSE(Send(c.call));
        EXPECT_EQ(Code(), c.code);
        EXPECT_EQ(Message(), QString::fromUtf8(c.message));
    }
    EXPECT_TRUE(server.RequestLines().isEmpty());
    EXPECT_TRUE(m_log.Entries().isEmpty());
}

TEST_F(SendSmsTest, BothCredentialsEmptyTakeThoseOfTheSettingsAndGiveThemBack)
{
    CLoopbackHttpServer server("OK");
    WriteHttpSettings(server.Url(), QStringLiteral("[Settings]\nUserName=acc\nPassword=pw\n"));
    Call call = WithoutCredentials();
    EXPECT_TRUE(Send(call));
    ASSERT_EQ(server.RequestLines().size(), 1);
    EXPECT_TRUE(server.RequestLines()[0].startsWith("GET /send?UserName=%61%63%63&Password=%70%77&"));
    EXPECT_EQ(call.userName, u"acc");
    EXPECT_EQ(call.password, u"pw");
}

TEST_F(SendSmsTest, MissingCredentialsAfterTheFallbackAreLoggedButLeaveTheCodeAtZero)
{
    CLoopbackHttpServer server("OK");
    WriteHttpSettings(server.Url(), QStringLiteral("[Settings]\nUserName=acc\n"));
    Call call = WithoutCredentials();
    EXPECT_FALSE(Send(call));
    EXPECT_EQ(Code(), enumNoError);
    ASSERT_EQ(m_log.Entries().size(), 1);
    EXPECT_EQ(m_log.Entries()[0].text, u"Invalid UserName or Password. The username and password can not be empty.");
    EXPECT_EQ(m_log.Entries()[0].type, IEventLog::Type::Error);
    EXPECT_TRUE(server.RequestLines().isEmpty());
}

TEST_F(SendSmsTest, ASpaceForUserNameIsNoEmptyCredentialAndIsSentAsItIs)
{
    CLoopbackHttpServer server("OK");
    WriteHttpSettings(server.Url(), QStringLiteral("[Settings]\nUserName=acc\nPassword=pw\n"));
    Call call;
    call.userName = QStringLiteral(" ");
    call.password.clear();
    EXPECT_TRUE(Send(call));
    ASSERT_EQ(server.RequestLines().size(), 1);
    EXPECT_TRUE(server.RequestLines()[0].startsWith("GET /send?UserName=%20&Password=&Sender="));
    EXPECT_EQ(call.userName, u" ");
}

TEST_F(SendSmsTest, WithoutMethodsNothingIsSentAndNoErrorIsSet)
{
    EXPECT_FALSE(Send()); // no settings file at all
    WriteSettings(QStringLiteral("[Methods]\nTotal=0\nMethod1=Web\n[Web]\nType=HTTP\nURL=http://127.0.0.1:9/"));
    EXPECT_FALSE(Send());
    EXPECT_EQ(Code(), enumNoError);
    EXPECT_EQ(Message(), QString());
    EXPECT_TRUE(m_log.Entries().isEmpty());
}

TEST_F(SendSmsTest, MethodsAreTriedInTurnUntilOneSucceeds)
{
    CLoopbackHttpServer refusing("ERROR 12: no credit");
    CLoopbackHttpServer accepting("OK 4711");
    WriteSettings(QStringLiteral("[Methods]\nTotal=4\nMethod1=Fax\nMethod2=First\nMethod3=Second\nMethod4=Third\n"
                                 "[Fax]\nType=FAX\n[First]\nType=HTTP\nURL=%1\n[Second]\nType=http\nURL=%2\n"
                                 "[Third]\nType=HTTP\nURL=%2\n")
                      .arg(refusing.Url(), accepting.Url()));
    EXPECT_TRUE(Send());
    EXPECT_EQ(refusing.RequestLines().size(), 1);
    EXPECT_EQ(accepting.RequestLines().size(), 1);
    // The failure of the first method stays on record.
    EXPECT_EQ(Code(), enumServerReturnedError);
    EXPECT_EQ(Message(), u"ERROR 12: no credit");
}

TEST_F(SendSmsTest, EveryCallStartsClearAndReadsTheSettingsAnew)
{
    CLoopbackHttpServer first("OK");
    CLoopbackHttpServer second("OK");
    WriteHttpSettings(first.Url());
    EXPECT_EQ(m_sms->put_LastErrorCode(enumInternalError), S_OK);
    BSTR text = BstrFromQString(QStringLiteral("stale"));
    EXPECT_EQ(m_sms->put_LastErrorMessage(text), S_OK);
    SysFreeString(text);
    EXPECT_EQ(Code(), enumInternalError);
    EXPECT_EQ(Message(), u"stale");

    EXPECT_TRUE(Send());
    EXPECT_EQ(Code(), enumNoError);
    EXPECT_EQ(Message(), QString());
    WriteHttpSettings(second.Url());
    EXPECT_TRUE(Send());
    EXPECT_EQ(first.RequestLines().size(), 1);
    EXPECT_EQ(second.RequestLines().size(), 1);
}

TEST_F(SendSmsTest, InterfaceIdentityAndRequiredArguments)
{
    void* object = nullptr;
    for (const IID& iid : {IID_IUnknown, IID_IDispatch, IID__ClsPostMessage}) {
        ASSERT_EQ(m_sms->QueryInterface(iid, &object), S_OK);
        EXPECT_EQ(object, static_cast<void*>(m_sms));
        static_cast<IUnknown*>(object)->Release();
    }
    EXPECT_EQ(m_sms->QueryInterface(IID_IClassFactory, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);

    const char16_t* names[] = {u"sendsms"};
    DISPID id = 0;
    EXPECT_EQ(m_sms->GetIDsOfNames(IID(), names, 1, 0x0409, &id), S_OK);
    EXPECT_EQ(id, 0x60030001);

    BSTR empty = nullptr;
    VARIANT_BOOL result = VARIANT_TRUE;
    EXPECT_EQ(m_sms->SendSMS(&empty, &empty, nullptr, &empty, &empty, nullptr, nullptr, nullptr, nullptr, &result),
              E_POINTER);
}

TEST(ToolsTest, SettingsValuesFollowThePrivateProfileRules)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("TextoraCom.ini"));
    const QString longValue(1600, u'x');
    const QByteArray bytes = "[Web]\r\nurl = \"http://a\"\r\nURL=http://b\r\nName=" + TestFiles::Cp1255(QStringLiteral("שלום"))
        + "\r\nLong=" + longValue.toLatin1() + "\r\nTimeout=15s\r\nEmpty=\r\n[web]\r\nTimeout=99\r\n";
    ASSERT_TRUE(TestFiles::Write(file, bytes));
    EXPECT_EQ(Tools::ReadIniValue(QStringLiteral("WEB"), QStringLiteral("Url"), QString(), file), u"http://a");
    EXPECT_EQ(Tools::ReadIniValue(QStringLiteral("Web"), QStringLiteral("Name"), QString(), file), QStringLiteral("שלום"));
    EXPECT_EQ(Tools::ReadIniValue(QStringLiteral("Web"), QStringLiteral("Long"), QString(), file).size(), 1499);
    EXPECT_EQ(Tools::ReadIniValue(QStringLiteral("Web"), QStringLiteral("Empty"), QStringLiteral("OK"), file), QString());
    EXPECT_EQ(Tools::ReadIniValue(QStringLiteral("Web"), QStringLiteral("None"), QStringLiteral("OK"), file), u"OK");
    EXPECT_EQ(Tools::ReadIniInt(QStringLiteral("Web"), QStringLiteral("Timeout"), 60, file), 15);
    EXPECT_EQ(Tools::ReadIniInt(QStringLiteral("Web"), QStringLiteral("Name"), 60, file), 0);
    EXPECT_EQ(Tools::ReadIniInt(QStringLiteral("Web"), QStringLiteral("None"), 60, file), 60);
    EXPECT_EQ(Tools::ReadIniInt(QStringLiteral("Other"), QStringLiteral("Timeout"), 4000, dir.filePath("missing.ini")), 4000);
}
