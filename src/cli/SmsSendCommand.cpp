#include "cli/SmsSendCommand.h"

#include "com/ComClient.h"
#include "com/_ClsPostMessage.h"

#include <QHash>

namespace {

constexpr int kUsageError = 2;
// The send-SMS dialog asks for no delivery report and gives a message two hours to arrive.
constexpr std::int32_t kMessageExpirationInMinutes = 120;

QString HexCode(HRESULT hr)
{
    return QStringLiteral("0x") + QString::number(quint32(hr), 16).rightJustified(8, u'0').toUpper();
}

// Options that are not given stay empty: the component itself says which one it misses.
bool ParseOptions(const QStringList& args, QHash<QString, QString>* options, QTextStream& err)
{
    static const QStringList kOptions = {QStringLiteral("--user"), QStringLiteral("--password"),
                                         QStringLiteral("--to"), QStringLiteral("--from"),
                                         QStringLiteral("--message")};
    for (qsizetype i = 0; i < args.size(); i += 2) {
        if (!kOptions.contains(args[i]) || i + 1 >= args.size()) {
            err << "usage: sms-send --user U --password P --to NUMBER --from SIGNATURE --message TEXT\n";
            return false;
        }
        options->insert(args[i], args[i + 1]);
    }
    return true;
}

}

int RunSmsSend(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QHash<QString, QString> options;
    if (!ParseOptions(args, &options, err))
        return kUsageError;

    CLSID clsid;
    _ClsPostMessage* sms = nullptr;
    HRESULT hr = CLSIDFromProgID(kClsPostMessageProgId, &clsid);
    if (SUCCEEDED(hr))
        hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID__ClsPostMessage, reinterpret_cast<void**>(&sms));
    if (FAILED(hr)) {
        err << "can not find SMS module (" << HexCode(hr) << ")\n";
        return 1;
    }

    BSTR userName = BstrFromQString(options.value(QStringLiteral("--user")));
    BSTR password = BstrFromQString(options.value(QStringLiteral("--password")));
    BSTR message = BstrFromQString(options.value(QStringLiteral("--message")));
    BSTR mobileNumber = BstrFromQString(options.value(QStringLiteral("--to")));
    BSTR signature = BstrFromQString(options.value(QStringLiteral("--from")));
    BSTR deliveryReportUrl = SysAllocString(u"");
    auto mask = enumDeliveryReportMask(0);
    std::int32_t deferred = 0;
    std::int32_t expiration = kMessageExpirationInMinutes;
    VARIANT_BOOL sent = VARIANT_FALSE;
    hr = sms->SendSMS(&userName, &password, &message, &mobileNumber, &signature, &deliveryReportUrl, &mask,
                      &deferred, &expiration, &sent);
    for (BSTR text : {userName, password, message, mobileNumber, signature, deliveryReportUrl})
        SysFreeString(text);

    if (FAILED(hr)) {
        err << "SendSMS failed (" << HexCode(hr) << ")\n";
        sms->Release();
        return 1;
    }
    auto code = enumNoError;
    BSTR errorMessage = nullptr;
    sms->get_LastErrorCode(&code);
    sms->get_LastErrorMessage(&errorMessage);
    out << "result=" << (sent == VARIANT_TRUE ? "true" : "false") << '\n';
    out << "code=" << int(code) << '\n';
    out << "message=" << QStringFromBstr(errorMessage) << '\n';
    out.flush();
    SysFreeString(errorMessage);
    sms->Release();
    return sent == VARIANT_TRUE ? 0 : 1;
}
