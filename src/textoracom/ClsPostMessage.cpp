#include "textoracom/ClsPostMessage.h"

#include "textoracom/Mc35Terminal.h"
#include "textoracom/ServerModule.h"
#include "textoracom/SmtpMail.h"
#include "textoracom/Tools.h"

#include <QStringList>

#include <algorithm>
#include <new>

namespace {

const QString kDefaultMailServer = QStringLiteral("mail.textora.co.il");
const QString kDefaultMailDomain = QStringLiteral("sms.textora.co.il");
constexpr int kDefaultHttpTimeoutSeconds = 60;
constexpr int kDefaultModemTimeoutMs = 4000;
constexpr int kModemWaitStepMs = 1000;
// An error page can be megabytes long; the log and LastErrorMessage keep its beginning.
constexpr qsizetype kKeptResponseLength = 2000;
// Methods are numbered from 1; a larger Total in the file cannot name more of them usefully and
// would keep the caller waiting.
constexpr int kMostMethods = 100;

const QString kPasswordMask = QStringLiteral("********");

const QString kModemNotInitialised =
    QStringLiteral("The modem could not be initialized. Make sure that the modem's COM port is open.");

QString TrimSpaces(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

QString ValidationMessage(enumErrors code)
{
    switch (code) {
    case enumEmptyMessage:
        return QStringLiteral("Message empty");
    case enumEmptyMobileNumber:
        return QStringLiteral("Mobile number empty");
    case enumEmptyPasswordOrUserName:
        return QStringLiteral("Password empty or User Empty");
    case enumEmptySignature:
        return QStringLiteral("Signature empty");
    default:
        return QString();
    }
}

QString EveryBytePercentEncoded(const QByteArray& bytes)
{
    QString encoded;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 32)
            encoded += u'%' + QString::number(code, 16).toUpper().rightJustified(2, u'0');
    }
    return encoded;
}

QString BoolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString OptionalText(const BSTR* value)
{
    return value ? QStringFromBstr(*value) : QString();
}

void ReplaceBstr(BSTR* target, const QString& text)
{
    if (QStringFromBstr(*target) == text)
        return;
    SysFreeString(*target);
    *target = BstrFromQString(text);
}

}

ClsPostMessage::ClsPostMessage(IEventLog& log, const QString& settingsFile)
    : m_log(log)
    , m_settingsFile(settingsFile)
{
    ServerModule::ObjectCreated();
}

ClsPostMessage::~ClsPostMessage()
{
    ServerModule::ObjectDestroyed();
}

HRESULT ClsPostMessage::QueryInterface(const IID& iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != IID__ClsPostMessage) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<_ClsPostMessage*>(this);
    AddRef();
    return S_OK;
}

ULONG ClsPostMessage::AddRef()
{
    return ++m_references;
}

ULONG ClsPostMessage::Release()
{
    const ULONG left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

// No type information: clients bind through the vtable.
HRESULT ClsPostMessage::GetTypeInfoCount(std::uint32_t* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT ClsPostMessage::GetTypeInfo(std::uint32_t, std::uint32_t, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT ClsPostMessage::GetIDsOfNames(const IID&, const char16_t* const* names, std::uint32_t count,
                                      std::uint32_t, DISPID* ids)
{
    if (!names || !ids)
        return E_POINTER;
    static const struct { const char16_t* name; DISPID id; } kMembers[] = {
        {u"LastErrorMessage", DISPID_LastErrorMessage},
        {u"LastErrorCode", DISPID_LastErrorCode},
        {u"SendSMS", DISPID_SendSMS},
    };
    // Only member names are known; the names of SendSMS's parameters are not.
    HRESULT hr = S_OK;
    for (std::uint32_t i = 0; i < count; ++i) {
        ids[i] = -1;
        const QString name = i == 0 && names[i] ? QString::fromUtf16(names[i]) : QString();
        for (const auto& member : kMembers)
            if (!name.isEmpty() && name.compare(QString::fromUtf16(member.name), Qt::CaseInsensitive) == 0)
                ids[i] = member.id;
        if (ids[i] == -1)
            hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

HRESULT ClsPostMessage::Invoke(DISPID, const IID&, std::uint32_t, std::uint16_t, DISPPARAMS*, VARIANT*,
                               EXCEPINFO*, std::uint32_t*)
{
    return E_NOTIMPL;
}

HRESULT ClsPostMessage::get_LastErrorMessage(BSTR* value)
{
    if (!value)
        return E_POINTER;
    *value = BstrFromQString(m_lastErrorMessage);
    return *value ? S_OK : E_OUTOFMEMORY;
}

HRESULT ClsPostMessage::put_LastErrorMessage(BSTR value)
{
    m_lastErrorMessage = QStringFromBstr(value);
    return S_OK;
}

HRESULT ClsPostMessage::get_LastErrorCode(enumErrors* value)
{
    if (!value)
        return E_POINTER;
    *value = m_lastErrorCode;
    return S_OK;
}

HRESULT ClsPostMessage::put_LastErrorCode(enumErrors value)
{
    m_lastErrorCode = value;
    return S_OK;
}

HRESULT ClsPostMessage::SendSMS(BSTR* UserName, BSTR* Password, BSTR* message, BSTR* MobileNumber, BSTR* Signature,
                                BSTR* DeliveryReportURL, enumDeliveryReportMask* DeliveryReportMask,
                                std::int32_t* DeferredDeliveryInMinutesDelay,
                                std::int32_t* MessageExpirationInMinutes, VARIANT_BOOL* result)
{
    if (!UserName || !Password || !message || !MobileNumber || !Signature || !result)
        return E_POINTER;
    *result = VARIANT_FALSE;
    // Nothing may leave this call as an exception: the caller is on the far side of a C interface.
    try {
        Request request;
        request.userName = QStringFromBstr(*UserName);
        request.password = QStringFromBstr(*Password);
        request.message = QStringFromBstr(*message);
        request.mobileNumber = QStringFromBstr(*MobileNumber);
        request.signature = QStringFromBstr(*Signature);
        request.deliveryReportUrl = OptionalText(DeliveryReportURL);
        request.deliveryReportMask = DeliveryReportMask ? *DeliveryReportMask : 0;
        request.deferredDeliveryInMinutesDelay = DeferredDeliveryInMinutesDelay ? *DeferredDeliveryInMinutesDelay : 0;
        request.messageExpirationInMinutes = MessageExpirationInMinutes ? *MessageExpirationInMinutes : 0;
        const bool sent = Send(request);
        // The credentials may have come from the settings; the caller gets them back.
        ReplaceBstr(UserName, request.userName);
        ReplaceBstr(Password, request.password);
        *result = sent ? VARIANT_TRUE : VARIANT_FALSE;
    } catch (const std::bad_alloc&) {
        SetError(enumInternalError, QStringLiteral("Out of memory"));
    } catch (const std::exception& error) {
        SetError(enumInternalError, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        SetError(enumInternalError, QStringLiteral("Unknown error"));
    }
    return S_OK;
}

bool ClsPostMessage::Send(Request& request)
{
    SetError(enumNoError, QString());
    const enumErrors invalid = enumErrors(ValidateParameters(request));
    if (invalid != enumNoError) {
        SetError(invalid, ValidationMessage(invalid));
        return false;
    }
    if (request.userName.isEmpty() && request.password.isEmpty()) {
        request.userName = Setting(QStringLiteral("Settings"), QStringLiteral("UserName"));
        request.password = Setting(QStringLiteral("Settings"), QStringLiteral("Password"));
        if (request.userName.isEmpty() || request.password.isEmpty()) {
            LogError(QStringLiteral("Invalid UserName or Password. The username and password can not be empty."));
            return false;
        }
    }
    const int total = qMin(Tools::TextToInt(Setting(QStringLiteral("Methods"), QStringLiteral("Total"))), kMostMethods);
    for (int n = 1; n <= total; ++n) {
        const QString section = Setting(QStringLiteral("Methods"), QStringLiteral("Method") + QString::number(n));
        int outcome = 0;
        switch (GetMethodType(section)) {
        case enumMTHttp:
            outcome = SendSMSByHTTP(section, request);
            break;
        case enumMTMail:
            outcome = SendSMSByEmail(section, request);
            break;
        case enumMTModem:
            outcome = SendSMSByModem(section, request.message, request.mobileNumber);
            break;
        case enumMTUnknown:
            break;
        }
        if (outcome == 1)
            return true;
    }
    return false;
}

int ClsPostMessage::ValidateParameters(const Request& request)
{
    const QString userName = TrimSpaces(request.userName);
    const QString password = TrimSpaces(request.password);
    if (TrimSpaces(request.message).isEmpty())
        return enumEmptyMessage;
    if (TrimSpaces(request.mobileNumber).isEmpty())
        return enumEmptyMobileNumber;
    if (userName.isEmpty() != password.isEmpty())
        return enumEmptyPasswordOrUserName;
    if (TrimSpaces(request.signature).isEmpty())
        return enumEmptySignature;
    return enumNoError;
}

ClsPostMessage::MethodType ClsPostMessage::GetMethodType(const QString& section) const
{
    const QString type = Setting(section, QStringLiteral("Type")).toUpper();
    if (type == u"HTTP")
        return enumMTHttp;
    if (type == u"EMAIL")
        return enumMTMail;
    if (type == u"MODEM")
        return enumMTModem;
    return enumMTUnknown;
}

QString ClsPostMessage::EncodeUrlValue(const QString& text)
{
    return EveryBytePercentEncoded(Tools::AnsiBytes(text));
}

QString ClsPostMessage::BuildHttpQuery(const QString& url, const Request& request)
{
    return url + QStringLiteral("?UserName=") + EncodeUrlValue(request.userName)
        + QStringLiteral("&Password=") + EncodeUrlValue(request.password)
        + QStringLiteral("&Sender=") + EncodeUrlValue(request.signature)
        + QStringLiteral("&ToPhoneNumber=") + EncodeUrlValue(request.mobileNumber)
        + QStringLiteral("&Message=") + EncodeUrlValue(request.message)
        + QStringLiteral("&DeliveryReportURL=") + EncodeUrlValue(request.deliveryReportUrl)
        + QStringLiteral("&DeliveryReportMask=") + EncodeUrlValue(QString::number(request.deliveryReportMask))
        + QStringLiteral("&DeferredDeliveryDelay=") + EncodeUrlValue(QString::number(request.deferredDeliveryInMinutesDelay))
        + QStringLiteral("&MessageExpirationDelay=") + EncodeUrlValue(QString::number(request.messageExpirationInMinutes));
}

QString ClsPostMessage::MaskPassword(const QString& text, const QString& password)
{
    QStringList forms;
    for (const QByteArray& bytes : {Tools::AnsiBytes(password), password.toUtf8()}) {
        QByteArray formEncoded = bytes.toPercentEncoding(" *");
        formEncoded.replace(' ', '+');
        forms << Tools::AnsiText(bytes) << EveryBytePercentEncoded(bytes)
              << QString::fromLatin1(bytes.toPercentEncoding()) << QString::fromLatin1(formEncoded);
    }
    forms.removeAll(QString());
    forms.removeDuplicates();
    // A longer form first, so that no part of it is left when a shorter one lies inside it.
    std::sort(forms.begin(), forms.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    QString masked = text;
    for (const QString& form : forms)
        masked.replace(form, kPasswordMask, Qt::CaseInsensitive);
    return masked;
}

int ClsPostMessage::SendSMSByHTTP(const QString& section, const Request& request)
{
    const QString url = Setting(section, QStringLiteral("URL"));
    QString okText = Setting(section, QStringLiteral("OKmessage"), QStringLiteral("OK"));
    // An empty text would be found in every answer, failures included.
    if (okText.isEmpty())
        okText = QStringLiteral("OK");
    const int timeout = IntSetting(section, QStringLiteral("RequestTimeout"), kDefaultHttpTimeoutSeconds);
    const QString query = BuildHttpQuery(url, request);
    if (url.isEmpty()) {
        LogError(QStringLiteral("The URL can not be empty."));
        return 0;
    }
    QString response;
    // A failed transfer is no answer of the server, whatever its description says.
    if (m_http.OpenUrl(Tools::AnsiBytes(query), timeout, &response) && response.contains(okText))
        return 1;
    response = MaskPassword(response, request.password);
    response.truncate(kKeptResponseLength);
    LogError(QStringLiteral("An error was returned from the server. Server response:") + response);
    SetError(enumServerReturnedError, response);
    return 0;
}

int ClsPostMessage::SendSMSByEmail(const QString& section, const Request& request)
{
    const QString recipient = request.mobileNumber + u'@'
        + Setting(section, QStringLiteral("MailDomain"), kDefaultMailDomain);
    CSmtpMail mail;
    mail.SetCharset(QStringLiteral("Windows-1255"));
    mail.SetFromAddress(Setting(section, QStringLiteral("FromAddress")));
    mail.SetMailServer(Setting(section, QStringLiteral("MailServer"), kDefaultMailServer));
    mail.SetRecipient(recipient, recipient);
    // The service reads the account from the subject; the mail goes over TLS when the server offers it.
    mail.SetSubject(request.userName + u':' + request.password);
    mail.SetFromName(request.signature);
    mail.SetBody(request.message);
    mail.SetTimeout(IntSetting(section, QStringLiteral("RequestTimeout"), kDefaultHttpTimeoutSeconds));
    const int result = mail.Send();
    if (result > 0) {
        LogInformation(QStringLiteral("Error sending SMS through email. EmailResponse= ") + QString::number(result));
        SetError(enumMailServerReturnedError,
                 QStringLiteral("error sending SMS through email. Response = ") + QString::number(result));
        return 0;
    }
    return 1;
}

int ClsPostMessage::SendSMSByModem(const QString& section, const QString& message, const QString& mobileNumber)
{
    const int port = IntSetting(section, QStringLiteral("Com"), 0);
    const int timeout = IntSetting(section, QStringLiteral("RequestTimeout"), kDefaultModemTimeoutMs);
    const QString device = Setting(QStringLiteral("SerialPorts"), QStringLiteral("COM") + QString::number(port),
                                   port > 0 ? QStringLiteral("/dev/ttyS") + QString::number(port - 1) : QString());

    // Each send waits for the report of its own message only.
    bool delivered = false;
    bool reported = false;
    CMc35Terminal terminal(timeout);
    QObject::connect(&terminal, &CMc35Terminal::SmsDelivered, [&] { delivered = reported = true; });
    QObject::connect(&terminal, &CMc35Terminal::SmsDeliverError, [&] {
        delivered = false;
        reported = true;
    });
    if (!terminal.Initialize(device, Setting(section, QStringLiteral("PIN")))) {
        LogError(kModemNotInitialised);
        SetError(enumModemNotInitialize, kModemNotInitialised);
        return -1;
    }
    const bool sent = terminal.SendSms(mobileNumber, message);
    for (int waited = 0; sent && !reported && waited < timeout; waited += kModemWaitStepMs) {
        if (!terminal.ProcessEvents(kModemWaitStepMs)) {
            LogRunTimeError(terminal.PortError(), terminal.PortErrorText(), "SendSMSByModem", 5);
            return 0;
        }
    }
    if (sent && delivered)
        return 1;
    const QString outcome = QStringLiteral("RetValSendSms = ") + BoolText(sent) + QStringLiteral(" SmsDelivered= ")
        + BoolText(delivered);
    LogInformation(QStringLiteral("Failed to send SMS through modem. ") + outcome);
    SetError(enumModemReturnedError, QStringLiteral("Failed to send SMS though modem. ") + outcome);
    return -2;
}

QString ClsPostMessage::Setting(const QString& section, const QString& key, const QString& def) const
{
    return Tools::ReadIniValue(section, key, def, m_settingsFile);
}

int ClsPostMessage::IntSetting(const QString& section, const QString& key, int def) const
{
    return Tools::ReadIniInt(section, key, def, m_settingsFile);
}

void ClsPostMessage::SetError(enumErrors code, const QString& message)
{
    m_lastErrorCode = code;
    m_lastErrorMessage = message;
}

void ClsPostMessage::LogError(const QString& text)
{
    m_log.Write(text, IEventLog::Type::Error);
}

void ClsPostMessage::LogInformation(const QString& text)
{
    m_log.Write(text, IEventLog::Type::Information);
}

void ClsPostMessage::LogRunTimeError(int number, const QString& description, const char* procedure, int line)
{
    LogError(QStringLiteral("Error ") + QString::number(number) + QStringLiteral(" (") + description
             + QStringLiteral(") in procedure ") + QLatin1String(procedure)
             + QStringLiteral(" of Class Module ClsPostMessage. Line:") + QString::number(line));
}
