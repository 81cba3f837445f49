#pragma once

#include "com/ComTypes.h"

// The base of every interface: identity, and a reference count that frees the object at zero.
class IUnknown
{
public:
    virtual HRESULT QueryInterface(const IID& iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default; // objects go through Release, never delete
};
