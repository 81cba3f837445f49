#include "ComponentTest.h"

#include "support/TestFiles.h"

ComponentTest::ComponentTest()
    : m_sms(new ClsPostMessage(m_log, m_dir.filePath(QStringLiteral("TextoraCom.ini"))))
{
}

ComponentTest::~ComponentTest()
{
    m_sms->Release();
}

void ComponentTest::WriteSettings(const QString& text)
{
    QString crlf = text;
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    ASSERT_TRUE(TestFiles::Write(m_dir.filePath(QStringLiteral("TextoraCom.ini")), TestFiles::Cp1255(crlf)));
}

void ComponentTest::WriteHttpSettings(const QString& url, const QString& extra)
{
    WriteSettings(QStringLiteral("[Methods]\nTotal=1\nMethod1=Web\n[Web]\nType=HTTP\nRequestTimeout=2\nURL=") + url
                  + u'\n' + extra);
}

bool ComponentTest::Send(Call& call)
{
    BSTR userName = BstrFromQString(call.userName);
    BSTR password = BstrFromQString(call.password);
    BSTR message = BstrFromQString(call.message);
    BSTR mobileNumber = BstrFromQString(call.mobileNumber);
    BSTR signature = BstrFromQString(call.signature);
    BSTR url = call.deliveryReportUrl ? BstrFromQString(*call.deliveryReportUrl) : nullptr;
    auto mask = enumDeliveryReportMask(call.deliveryReportMask.value_or(0));
    std::int32_t deferred = call.deferredDelay.value_or(0);
    std::int32_t expiration = call.expiration.value_or(0);
    VARIANT_BOOL result = 1;
    const HRESULT hr = m_sms->SendSMS(&userName, &password, &message, &mobileNumber, &signature,
                                      call.deliveryReportUrl ? &url : nullptr,
                                      call.deliveryReportMask ? &mask : nullptr,
                                      call.deferredDelay ? &deferred : nullptr, call.expiration ? &expiration : nullptr,
                                      &result);
    EXPECT_EQ(hr, S_OK);
    call.userName = QStringFromBstr(userName);
    call.password = QStringFromBstr(password);
    for (BSTR text : {userName, password, message, mobileNumber, signature, url})
        SysFreeString(text);
    EXPECT_TRUE(result == VARIANT_TRUE || result == VARIANT_FALSE);
    return result == VARIANT_TRUE;
}

bool ComponentTest::Send()
{
    Call call;
    return Send(call);
}

enumErrors ComponentTest::Code()
{
    auto code = enumErrors(-1);
    EXPECT_EQ(m_sms->get_LastErrorCode(&code), S_OK);
    return code;
}

QString ComponentTest::Message()
{
    BSTR text = nullptr;
    EXPECT_EQ(m_sms->get_LastErrorMessage(&text), S_OK);
    const QString message = QStringFromBstr(text);
    SysFreeString(text);
    return message;
}
