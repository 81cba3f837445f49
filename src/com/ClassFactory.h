#pragma once

#include "com/Unknown.h"

// What DllGetClassObject hands out: it creates the objects of one class.
class IClassFactory : public IUnknown
{
public:
    virtual HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** object) = 0;
    virtual HRESULT LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};
