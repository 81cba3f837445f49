#include "sms/core/TextoraSender.h"

#include "com/ComClient.h"
#include "com/_ClsPostMessage.h"

namespace {
// No delivery report is asked for; a message has two hours to arrive.
constexpr std::int32_t kMessageExpirationInMinutes = 120;
}

CTextoraSender::CTextoraSender()
{
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(kClsPostMessageProgId, &clsid)) ||
        FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID__ClsPostMessage, reinterpret_cast<void**>(&m_sms))))
        m_sms = nullptr;
}

CTextoraSender::~CTextoraSender()
{
    if (m_sms)
        m_sms->Release();
}

ISmsSender::Outcome CTextoraSender::Send(const QString& user, const QString& password, const QString& text,
                                         const QString& mobile, const QString& from, QString* error)
{
    if (!m_sms)
        return Outcome::CallFailed;
    BSTR userName = BstrFromQString(user);
    BSTR pass = BstrFromQString(password);
    BSTR message = BstrFromQString(text);
    BSTR mobileNumber = BstrFromQString(mobile);
    BSTR signature = BstrFromQString(from);
    BSTR reportUrl = SysAllocString(u"");
    auto mask = enumDeliveryReportMask(0);
    std::int32_t deferred = 0;
    std::int32_t expiration = kMessageExpirationInMinutes;
    VARIANT_BOOL sent = VARIANT_FALSE;
    const HRESULT hr = m_sms->SendSMS(&userName, &pass, &message, &mobileNumber, &signature, &reportUrl, &mask,
                                      &deferred, &expiration, &sent);
    for (BSTR allocated : {userName, pass, message, mobileNumber, signature, reportUrl})
        SysFreeString(allocated);
    if (FAILED(hr))
        return Outcome::CallFailed;
    if (sent == VARIANT_TRUE)
        return Outcome::Sent;
    BSTR lastError = nullptr;
    if (SUCCEEDED(m_sms->get_LastErrorMessage(&lastError)) && error)
        *error = QStringFromBstr(lastError);
    SysFreeString(lastError);
    return Outcome::Refused;
}
