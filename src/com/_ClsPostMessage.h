#pragma once

#include "com/Bstr.h"
#include "com/Dispatch.h"

#include <cstdint>

// The type library TextoraCom: what a client needs to create ClsPostMessage and call it.
// The identifiers are fixed for good: clients and registrations depend on them.

constexpr GUID LIBID_TextoraCom(0xAACFEB0D, 0x84CC, 0x4F54, 0xA4, 0x4C, 0x8A, 0xFA, 0x6C, 0xC8, 0x10, 0xFE);
constexpr CLSID CLSID_ClsPostMessage(0xE59F5320, 0xEE57, 0x4F2E, 0xBC, 0xE2, 0x66, 0x61, 0xD7, 0x79, 0x74, 0x86);
constexpr IID IID__ClsPostMessage(0x74E6FE0B, 0xF3ED, 0x4FB8, 0xB6, 0x95, 0x14, 0x3B, 0xB9, 0xFA, 0xAD, 0x60);

inline constexpr char16_t kClsPostMessageProgId[] = u"TextoraCom.ClsPostMessage";

constexpr DISPID DISPID_LastErrorMessage = 0x40030002;
constexpr DISPID DISPID_LastErrorCode = 0x40030003;
constexpr DISPID DISPID_SendSMS = 0x60030001;

enum enumErrors : std::int32_t {
    enumNoError = 0,
    enumServerReturnedError = 40000,
    enumEmptyPasswordOrUserName = 40001,
    enumEmptyMessage = 40003,
    enumEmptySignature = 40004,
    enumEmptyMobileNumber = 40005,
    enumEmptySMSCPostingURL = 40006,
    enumInternalError = 40007,
    enumMailServerReturnedError = 40008,
    enumModemReturnedError = 40009,
    enumModemNotInitialize = 40010,
};

enum enumDeliveryReportMask : std::int32_t {
    MessageSentToSMSC = 1,
    DeliveryFailedToSMSC = 2,
    MessageExpired = 4,
    MessageDeliveredToMobileDevice = 8,
    MessageBufferedAtSMSC = 16,
    DeliveryFailedBySMSC = 32,
    GeneralErrorInMessage = 64,
    GeneralErrorInCompanySettings = 128,
    All = 255,
};

// Dual interface; its own members follow the IDispatch slots in this order. Every string
// parameter is in/out: the component may replace the credentials with those of its settings,
// freeing the caller's strings and allocating new ones. A null optional pointer means "omitted".
class _ClsPostMessage : public IDispatch
{
public:
    virtual HRESULT get_LastErrorMessage(BSTR* value) = 0;
    virtual HRESULT put_LastErrorMessage(BSTR value) = 0;
    virtual HRESULT get_LastErrorCode(enumErrors* value) = 0;
    virtual HRESULT put_LastErrorCode(enumErrors value) = 0;
    virtual HRESULT SendSMS(BSTR* UserName, BSTR* Password, BSTR* message, BSTR* MobileNumber, BSTR* Signature,
                            BSTR* DeliveryReportURL, enumDeliveryReportMask* DeliveryReportMask,
                            std::int32_t* DeferredDeliveryInMinutesDelay, std::int32_t* MessageExpirationInMinutes,
                            VARIANT_BOOL* result) = 0;

protected:
    ~_ClsPostMessage() = default;
};
