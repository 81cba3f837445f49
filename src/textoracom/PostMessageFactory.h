#pragma once

#include "com/ClassFactory.h"

// The class object of ClsPostMessage. It lives as long as the library: its references do not
// count, only LockServer keeps the library loaded.
class CPostMessageFactory final : public IClassFactory
{
public:
    HRESULT QueryInterface(const IID& iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** object) override;
    HRESULT LockServer(bool lock) override;
};
