#include "textoracom/PostMessageFactory.h"

#include "textoracom/ClsPostMessage.h"
#include "textoracom/ServerModule.h"

#include <new>

HRESULT CPostMessageFactory::QueryInterface(const IID& iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IClassFactory*>(this);
    return S_OK;
}

ULONG CPostMessageFactory::AddRef()
{
    return 2;
}

ULONG CPostMessageFactory::Release()
{
    return 1;
}

HRESULT CPostMessageFactory::CreateInstance(IUnknown* outer, const IID& iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    auto* created = new (std::nothrow) ClsPostMessage(ServerModule::EventLog(), ServerModule::SettingsFile());
    if (!created)
        return E_OUTOFMEMORY;
    const HRESULT hr = created->QueryInterface(iid, object);
    created->Release();
    return hr;
}

HRESULT CPostMessageFactory::LockServer(bool lock)
{
    ServerModule::Lock(lock);
    return S_OK;
}
