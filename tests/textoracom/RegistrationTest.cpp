#include "LoopbackHttpServer.h"

#include "com/ClassFactory.h"
#include "com/ComClient.h"
#include "com/ComRegistry.h"
#include "com/_ClsPostMessage.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace {

struct ProcessRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

ProcessRun Start(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    ProcessRun run;
    if (!process.waitForFinished(20000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// A copy of the component in a folder of its own, beside a settings file of its own, and a
// registration file in a fresh configuration folder.
class RegistrationTest : public ::testing::Test
{
protected:
    RegistrationTest()
        : m_library(m_home.Path() + QStringLiteral("/lib/libTextoraCom.so"))
        , m_registry(m_home.Path() + QStringLiteral("/config/Kalinora/com/registry.ini"))
    {
        QDir().mkpath(m_home.Path() + QStringLiteral("/lib"));
        QFile::copy(QStringLiteral(TEXTORACOM_LIBRARY), m_library);
        TestFiles::Write(m_home.Path() + QStringLiteral("/lib/TextoraCom.ini"),
                         "[Methods]\r\nTotal=1\r\nMethod1=Web\r\n[Web]\r\nType=HTTP\r\nRequestTimeout=2\r\nURL="
                             + m_server.Url().toLatin1() + "\r\n");
    }

    ProcessRun RegSvr(const QStringList& arguments) { return Start(QStringLiteral(TEXTORACOM_REGSVR), arguments); }
    ProcessRun SmsSend(const QStringList& arguments) { return Start(QStringLiteral(TEXTORACOM_CLIENT), arguments); }
    QString Registry() const { return QString::fromUtf8(TestFiles::Read(m_registry)); }

    TestFiles::ScopedHome m_home;
    CLoopbackHttpServer m_server{"OK"};
    QString m_library;
    QString m_registry;
};

const QStringList kSend = {QStringLiteral("--user"), QStringLiteral("dan"), QStringLiteral("--password"),
                           QStringLiteral("pw"), QStringLiteral("--to"), QStringLiteral("0541234567"),
                           QStringLiteral("--from"), QStringLiteral("Dana"), QStringLiteral("--message"),
                           QStringLiteral("שלום")};

}

TEST_F(RegistrationTest, ARegisteredComponentIsCreatedByItsProgIdInAnotherProcess)
{
    const ProcessRun registered = RegSvr({m_library});
    ASSERT_EQ(registered.exitCode, 0) << registered.err.toStdString();
    const QString registry = Registry();
    EXPECT_TRUE(registry.contains(QStringLiteral("[ProgID\\TextoraCom.ClsPostMessage]\nCLSID={E59F5320-EE57-4F2E-BCE2-6661D7797486}\n")));
    EXPECT_TRUE(registry.contains(QStringLiteral("[CLSID\\{E59F5320-EE57-4F2E-BCE2-6661D7797486}]\nProgID=TextoraCom.ClsPostMessage\n")));
    EXPECT_TRUE(registry.contains(QStringLiteral("InprocServer=") + m_library + u'\n'));
    EXPECT_TRUE(registry.contains(QStringLiteral("[Interface\\{74E6FE0B-F3ED-4FB8-B695-143BB9FAAD60}]\nName=_ClsPostMessage\n")));
    EXPECT_TRUE(registry.contains(QStringLiteral("[TypeLib\\{AACFEB0D-84CC-4F54-A44C-8AFA6CC810FE}]\nName=TextoraCom\nDescription=Textora COM DLL\n")));

    const ProcessRun sent = SmsSend(kSend);
    EXPECT_EQ(sent.exitCode, 0) << sent.err.toStdString();
    EXPECT_EQ(sent.out, u"result=true\ncode=0\nmessage=\n");
    ASSERT_EQ(m_server.RequestLines().size(), 1);
    EXPECT_TRUE(m_server.RequestLines()[0].contains("&Message=%F9%EC%E5%ED&DeliveryReportURL=&DeliveryReportMask=%30"
                                                    "&DeferredDeliveryDelay=%30&MessageExpirationDelay=%31%32%30 "));

    QStringList noNumber = kSend;
    noNumber[5] = QString();
    const ProcessRun refused = SmsSend(noNumber);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, u"result=false\ncode=40005\nmessage=Mobile number empty\n");

    const ProcessRun unregistered = RegSvr({QStringLiteral("-u"), m_library});
    ASSERT_EQ(unregistered.exitCode, 0) << unregistered.err.toStdString();
    EXPECT_FALSE(Registry().contains(u"ClsPostMessage"));
    const ProcessRun missing = SmsSend(kSend);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.startsWith(u"can not find SMS module")) << missing.err.toStdString();
    EXPECT_EQ(m_server.RequestLines().size(), 1);
}

TEST_F(RegistrationTest, OtherServersRegistrationsStay)
{
    TestFiles::Write(m_registry, "[ProgID\\Other.Thing]\nCLSID={00000000-0000-0000-0000-000000000001}\n");
    ASSERT_EQ(RegSvr({m_library}).exitCode, 0);
    ASSERT_EQ(RegSvr({QStringLiteral("-u"), m_library}).exitCode, 0);
    EXPECT_EQ(Registry(), u"[ProgID\\Other.Thing]\nCLSID={00000000-0000-0000-0000-000000000001}\n\n");
    EXPECT_NE(RegSvr({QStringLiteral("/no/such/libTextoraCom.so")}).exitCode, 0);
    EXPECT_EQ(Start(QStringLiteral(TEXTORACOM_CLIENT), {QStringLiteral("--colour")}).exitCode, 2);
}

TEST_F(RegistrationTest, TheLibraryStaysNeededWhileItHasObjects)
{
    ASSERT_EQ(RegSvr({m_library}).exitCode, 0);
    CLSID clsid;
    ASSERT_EQ(CLSIDFromProgID(u"TextoraCom.ClsPostMessage", &clsid), S_OK);
    EXPECT_EQ(clsid, CLSID_ClsPostMessage);
    EXPECT_EQ(CLSIDFromProgID(u"TextoraCom.Nothing", &clsid), CO_E_CLASSSTRING);

    void* object = nullptr;
    EXPECT_EQ(CoCreateInstance(CLSID_ClsPostMessage, nullptr, CLSCTX_LOCAL_SERVER, IID__ClsPostMessage, &object),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(CoCreateInstance(LIBID_TextoraCom, nullptr, CLSCTX_ALL, IID__ClsPostMessage, &object),
              REGDB_E_CLASSNOTREG);
    ASSERT_EQ(CoCreateInstance(CLSID_ClsPostMessage, nullptr, CLSCTX_ALL, IID__ClsPostMessage, &object), S_OK);
    auto* sms = static_cast<_ClsPostMessage*>(object);

    void* library = dlopen(QFile::encodeName(m_library).constData(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(library, nullptr);
    auto canUnloadNow = reinterpret_cast<DllCanUnloadNowFunction>(dlsym(library, "DllCanUnloadNow"));
    auto getClassObject = reinterpret_cast<DllGetClassObjectFunction>(dlsym(library, "DllGetClassObject"));
    ASSERT_TRUE(canUnloadNow && getClassObject);
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    sms->Release();
    EXPECT_EQ(canUnloadNow(), S_OK);

    IClassFactory* factory = nullptr;
    EXPECT_EQ(getClassObject(IID__ClsPostMessage, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
              CLASS_E_CLASSNOTAVAILABLE);
    ASSERT_EQ(getClassObject(CLSID_ClsPostMessage, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    EXPECT_EQ(factory->CreateInstance(sms, IID_IUnknown, &object), CLASS_E_NOAGGREGATION);
    factory->LockServer(true);
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    factory->LockServer(false);
    EXPECT_EQ(canUnloadNow(), S_OK);
    dlclose(library);
}

TEST(BstrTest, LengthPrefixedStringsRoundTrip)
{
    BSTR text = BstrFromQString(QString::fromUtf16(u"שלום\0x", 6));
    EXPECT_EQ(SysStringLen(text), 6u);
    EXPECT_EQ(text[6], u'\0');
    EXPECT_EQ(QStringFromBstr(text), QString::fromUtf16(u"שלום\0x", 6));
    SysFreeString(text);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(QStringFromBstr(nullptr), QString());
    BSTR blank = SysAllocStringLen(nullptr, 3);
    EXPECT_EQ(QStringFromBstr(blank), QString(3, QChar(0)));
    SysFreeString(blank);
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
}
