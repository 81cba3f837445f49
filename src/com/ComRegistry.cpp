#include "com/ComRegistry.h"

#include "com/IniSections.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QByteArray Utf8(const QString& text)
{
    return text.toUtf8();
}

QByteArray ProgIdSection(const QString& progId)
{
    return "ProgID\\" + Utf8(progId);
}

QByteArray ClassSection(const CLSID& clsid)
{
    return "CLSID\\" + Utf8(ComRegistry::GuidText(clsid));
}

QByteArray InterfaceSection(const IID& iid)
{
    return "Interface\\" + Utf8(ComRegistry::GuidText(iid));
}

QByteArray TypeLibSection(const GUID& libid)
{
    return "TypeLib\\" + Utf8(ComRegistry::GuidText(libid));
}

CIniSections LoadRegistry()
{
    CIniSections registry;
    registry.Load(ComRegistry::FilePath());
    return registry;
}

HRESULT SaveRegistry(const CIniSections& registry)
{
    const QString path = ComRegistry::FilePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return SELFREG_E_CLASS;
    QSaveFile file(path);
    const QByteArray bytes = registry.ToBytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return SELFREG_E_CLASS;
    }
    return file.commit() ? S_OK : SELFREG_E_CLASS;
}

}

namespace ComRegistry {

QString FilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Kalinora/com/registry.ini");
}

QString GuidText(const GUID& guid)
{
    return guid.toString(QUuid::WithBraces).toUpper();
}

HRESULT Register(const ClassRegistration& entry)
{
    if (entry.progId.isEmpty() || entry.libraryPath.isEmpty())
        return E_INVALIDARG;
    CIniSections registry = LoadRegistry();
    const QByteArray libid = Utf8(GuidText(entry.libid));
    const QByteArray path = Utf8(entry.libraryPath);

    registry.SetValue(ProgIdSection(entry.progId), "CLSID", Utf8(GuidText(entry.clsid)));

    const QByteArray klass = ClassSection(entry.clsid);
    registry.SetValue(klass, "ProgID", Utf8(entry.progId));
    registry.SetValue(klass, "Name", Utf8(entry.className));
    registry.SetValue(klass, "InprocServer", path);
    registry.SetValue(klass, "TypeLib", libid);

    const QByteArray iface = InterfaceSection(entry.iid);
    registry.SetValue(iface, "Name", Utf8(entry.interfaceName));
    registry.SetValue(iface, "TypeLib", libid);

    const QByteArray typeLib = TypeLibSection(entry.libid);
    registry.SetValue(typeLib, "Name", Utf8(entry.libraryName));
    registry.SetValue(typeLib, "Description", Utf8(entry.libraryDescription));
    registry.SetValue(typeLib, "Version", "1.0");
    registry.SetValue(typeLib, "Locale", "0x0409");
    registry.SetValue(typeLib, "Library", path);
    return SaveRegistry(registry);
}

HRESULT Unregister(const ClassRegistration& entry)
{
    CIniSections registry = LoadRegistry();
    // The ProgID may meanwhile name another class; that registration is not ours to remove.
    if (registry.Value(ProgIdSection(entry.progId), "CLSID").toUpper() == Utf8(GuidText(entry.clsid)))
        registry.RemoveSection(ProgIdSection(entry.progId));
    registry.RemoveSection(ClassSection(entry.clsid));
    registry.RemoveSection(InterfaceSection(entry.iid));
    registry.RemoveSection(TypeLibSection(entry.libid));
    return SaveRegistry(registry);
}

HRESULT ClassFromProgId(const QString& progId, CLSID* clsid)
{
    if (!clsid)
        return E_POINTER;
    const QUuid found = QUuid::fromString(QString::fromUtf8(LoadRegistry().Value(ProgIdSection(progId), "CLSID")));
    if (found.isNull())
        return CO_E_CLASSSTRING;
    *clsid = found;
    return S_OK;
}

QString ServerLibrary(const CLSID& clsid)
{
    return QString::fromUtf8(LoadRegistry().Value(ClassSection(clsid), "InprocServer"));
}

}
