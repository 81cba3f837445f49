#pragma once

#include "com/Unknown.h"

#include <cstdint>

// Automation argument types; this layer names them only to keep the slot layout of a dual
// interface, and binds early, through the vtable.
struct ITypeInfo;
struct DISPPARAMS;
struct VARIANT;
struct EXCEPINFO;

class IDispatch : public IUnknown
{
public:
    virtual HRESULT GetTypeInfoCount(std::uint32_t* count) = 0;
    virtual HRESULT GetTypeInfo(std::uint32_t index, std::uint32_t lcid, ITypeInfo** info) = 0;
    virtual HRESULT GetIDsOfNames(const IID& iid, const char16_t* const* names, std::uint32_t count,
                                  std::uint32_t lcid, DISPID* ids) = 0;
    virtual HRESULT Invoke(DISPID member, const IID& iid, std::uint32_t lcid, std::uint16_t flags,
                           DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                           std::uint32_t* argumentError) = 0;

protected:
    ~IDispatch() = default;
};
