// The four entry points of the server library, the only names it exports.
#include "com/ComRegistry.h"
#include "com/_ClsPostMessage.h"
#include "textoracom/PostMessageFactory.h"
#include "textoracom/ServerModule.h"

#define TEXTORACOM_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

ComRegistry::ClassRegistration Registration()
{
    ComRegistry::ClassRegistration entry;
    entry.clsid = CLSID_ClsPostMessage;
    entry.iid = IID__ClsPostMessage;
    entry.libid = LIBID_TextoraCom;
    entry.progId = QString::fromUtf16(kClsPostMessageProgId);
    entry.className = QStringLiteral("ClsPostMessage");
    entry.interfaceName = QStringLiteral("_ClsPostMessage");
    entry.libraryName = QStringLiteral("TextoraCom");
    entry.libraryDescription = QStringLiteral("Textora COM DLL");
    entry.libraryPath = ServerModule::LibraryPath();
    return entry;
}

}

TEXTORACOM_EXPORT HRESULT DllRegisterServer()
{
    return ComRegistry::Register(Registration());
}

TEXTORACOM_EXPORT HRESULT DllUnregisterServer()
{
    return ComRegistry::Unregister(Registration());
}

TEXTORACOM_EXPORT HRESULT DllGetClassObject(const CLSID& clsid, const IID& iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (clsid != CLSID_ClsPostMessage)
        return CLASS_E_CLASSNOTAVAILABLE;
    static CPostMessageFactory factory;
    return factory.QueryInterface(iid, object);
}

TEXTORACOM_EXPORT HRESULT DllCanUnloadNow()
{
    return ServerModule::CanUnload() ? S_OK : S_FALSE;
}
