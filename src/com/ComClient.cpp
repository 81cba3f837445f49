#include "com/ComClient.h"

#include "com/ClassFactory.h"
#include "com/ComRegistry.h"

#include <QFile>

#include <dlfcn.h>

HRESULT CLSIDFromProgID(const char16_t* progId, CLSID* clsid)
{
    if (!progId || !clsid)
        return E_POINTER;
    return ComRegistry::ClassFromProgId(QString::fromUtf16(progId), clsid);
}

HRESULT CoCreateInstance(const CLSID& clsid, IUnknown* outer, std::uint32_t context, const IID& iid,
                         void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!(context & CLSCTX_INPROC_SERVER))
        return REGDB_E_CLASSNOTREG;
    const QString path = ComRegistry::ServerLibrary(clsid);
    if (path.isEmpty())
        return REGDB_E_CLASSNOTREG;
    void* library = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return CO_E_DLLNOTFOUND;
    auto getClassObject = reinterpret_cast<DllGetClassObjectFunction>(dlsym(library, "DllGetClassObject"));
    if (!getClassObject)
        return CO_E_ERRORINDLL;
    IClassFactory* factory = nullptr;
    HRESULT hr = getClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    if (FAILED(hr))
        return hr;
    hr = factory->CreateInstance(outer, iid, object);
    factory->Release();
    return hr;
}
