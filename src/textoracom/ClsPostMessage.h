#pragma once

#include "com/_ClsPostMessage.h"
#include "textoracom/EventLog.h"
#include "textoracom/HttpTransfer.h"

#include <QString>

#include <atomic>

// The creatable class of TextoraCom: sends one SMS by the delivery methods that its settings
// file lists, in turn, until one succeeds.
class ClsPostMessage final : public _ClsPostMessage
{
public:
    // The object starts with one reference, the creator's.
    ClsPostMessage(IEventLog& log, const QString& settingsFile);

    HRESULT QueryInterface(const IID& iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT GetTypeInfoCount(std::uint32_t* count) override;
    HRESULT GetTypeInfo(std::uint32_t index, std::uint32_t lcid, ITypeInfo** info) override;
    HRESULT GetIDsOfNames(const IID& iid, const char16_t* const* names, std::uint32_t count, std::uint32_t lcid,
                          DISPID* ids) override;
    HRESULT Invoke(DISPID member, const IID& iid, std::uint32_t lcid, std::uint16_t flags, DISPPARAMS* params,
                   VARIANT* result, EXCEPINFO* exception, std::uint32_t* argumentError) override;

    HRESULT get_LastErrorMessage(BSTR* value) override;
    HRESULT put_LastErrorMessage(BSTR value) override;
    HRESULT get_LastErrorCode(enumErrors* value) override;
    HRESULT put_LastErrorCode(enumErrors value) override;
    HRESULT SendSMS(BSTR* UserName, BSTR* Password, BSTR* message, BSTR* MobileNumber, BSTR* Signature,
                    BSTR* DeliveryReportURL, enumDeliveryReportMask* DeliveryReportMask,
                    std::int32_t* DeferredDeliveryInMinutesDelay, std::int32_t* MessageExpirationInMinutes,
                    VARIANT_BOOL* result) override;

    struct Request
    {
        QString userName;
        QString password;
        QString message;
        QString mobileNumber;
        QString signature;
        QString deliveryReportUrl;
        int deliveryReportMask = 0;
        int deferredDeliveryInMinutesDelay = 0;
        int messageExpirationInMinutes = 0;
    };

    // Every character as "%" and its ANSI code in two upper-case hexadecimal digits; codes below
    // 32 are dropped.
    static QString EncodeUrlValue(const QString& text);
    static QString BuildHttpQuery(const QString& url, const Request& request);
    // The text with every appearance of the password masked: as typed, as this component encodes
    // it, and percent- or form-encoded by a server, from its ANSI or its UTF-8 bytes. A server
    // that echoes the request in its error page must not put the password into the log.
    static QString MaskPassword(const QString& text, const QString& password);

private:
    enum MethodType { enumMTUnknown = 0, enumMTHttp = 1, enumMTMail = 2, enumMTModem = 3 };

    ~ClsPostMessage();

    bool Send(Request& request);
    static int ValidateParameters(const Request& request);
    MethodType GetMethodType(const QString& section) const;
    int SendSMSByHTTP(const QString& section, const Request& request);
    int SendSMSByEmail(const QString& section, const Request& request);
    int SendSMSByModem(const QString& section, const QString& message, const QString& mobileNumber);

    QString Setting(const QString& section, const QString& key, const QString& def = QString()) const;
    int IntSetting(const QString& section, const QString& key, int def) const;
    void SetError(enumErrors code, const QString& message);
    void LogError(const QString& text);
    void LogInformation(const QString& text);
    void LogRunTimeError(int number, const QString& description, const char* procedure, int line);

    std::atomic<ULONG> m_references{1};
    IEventLog& m_log;
    QString m_settingsFile;
    enumErrors m_lastErrorCode = enumNoError;
    QString m_lastErrorMessage;
    CHttpTransfer m_http;
};
