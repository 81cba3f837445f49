#pragma once

#include "com/ComTypes.h"

#include <QString>

// The registration file of the in-process servers, Kalinora/com/registry.ini in the per-user
// configuration folder (UTF-8). It keeps what the system registry keeps for a server:
//   [ProgID\<progid>]   CLSID
//   [CLSID\<clsid>]     ProgID, Name, InprocServer (the library's absolute path), TypeLib
//   [Interface\<iid>]   Name, TypeLib
//   [TypeLib\<libid>]   Name, Description, Version, Locale, Library
namespace ComRegistry {

struct ClassRegistration
{
    CLSID clsid;
    IID iid;
    GUID libid;
    QString progId;
    QString className;
    QString interfaceName;
    QString libraryName;
    QString libraryDescription;
    QString libraryPath;
};

QString FilePath();
QString GuidText(const GUID& guid);

// Both rewrite the file atomically; other servers' entries stay.
HRESULT Register(const ClassRegistration& entry);
HRESULT Unregister(const ClassRegistration& entry);

// CO_E_CLASSSTRING when the ProgID is not registered.
HRESULT ClassFromProgId(const QString& progId, CLSID* clsid);
// Empty when the class is not registered.
QString ServerLibrary(const CLSID& clsid);

}
