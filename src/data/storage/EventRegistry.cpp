#include "data/storage/EventRegistry.h"

#include "data/storage/DataLocation.h"
#include "data/storage/IniFile.h"
#include "data/settings/Settings.h"
#include "data/settings/StringTable.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kEvents = QStringLiteral("Events");
const QString kActive = QStringLiteral("Active");
const QString kKeySettings = QStringLiteral("KeySettings");

QString SettingsPath(const QString& folder)
{
    return folder + QLatin1Char('/') + CDataLocation::FileName(FC_SETTINGS);
}

}

CEventRegistry::CEventRegistry(CDataLocation& location)
    : m_location(location)
{
}

QString CEventRegistry::CoupleName(const QString& bride, const QString& groom)
{
    return StringTable::Fill(StringTable::Get(59836), {bride, groom});
}

CZelEvent* CEventRegistry::Append(const QString& name, const QString& folder, const QString& id)
{
    m_events.push_back(std::make_unique<CZelEvent>(name, folder, id));
    return m_events.back().get();
}

void CEventRegistry::Discover(CSettings& activeSettings)
{
    m_events.clear();
    m_active = nullptr;
    const QString active = CIniFile::ReadProfileString(m_location.GetEventsRegistryPath(), kEvents, kActive);

    if (active.isEmpty()) {
        // A first start, or a data folder of an older version that kept a single event.
        const QString folder = m_location.CurrentEventFolder();
        activeSettings.Load(SettingsPath(folder));
        const QString bride = activeSettings.Key(QStringLiteral("BrideName"));
        const QString groom = activeSettings.Key(QStringLiteral("GroumName"));
        const QString name = bride.isEmpty() && groom.isEmpty() ? QString() : CoupleName(bride, groom);
        activeSettings.SetEveName(name);
        MakeActive(Append(name, folder, CDataLocation::EventId(0)));
        return;
    }

    for (int n = 0;; ++n) {
        const QString folder = m_location.EventFolder(n);
        if (!QFileInfo(folder).isDir())
            break;
        QString name = CIniFile::ReadProfileString(SettingsPath(folder), QStringLiteral("GenSettings"),
                                                   QStringLiteral("EveName"));
        if (name.isEmpty())
            name = UniqueName(folder);
        CZelEvent* event = Append(name, folder, CDataLocation::EventId(n));
        if (event->GetId() == active)
            m_active = event;
    }
    if (!m_active && !m_events.empty())
        m_active = m_events.front().get();
    if (m_active) {
        MakeActive(m_active);
        activeSettings.Load(SettingsPath(m_active->GetFolder()));
    }
}

bool CEventRegistry::HasName(const QString& name) const
{
    for (const auto& event : m_events)
        if (event->GetName() == name)
            return true;
    return false;
}

QString CEventRegistry::UniqueName(const QString& eventFolder) const
{
    const CIniFile settings(SettingsPath(eventFolder));
    const QString groom = settings.GetString(kKeySettings, QStringLiteral("GroumName"));
    const QString bride = settings.GetString(kKeySettings, QStringLiteral("BrideName"));
    const QString base = !groom.isEmpty() && !bride.isEmpty() ? CoupleName(bride, groom) : StringTable::Get(59839);
    for (int n = 1;; ++n) {
        const QString name = base + QLatin1Char(' ') + QString::number(n);
        if (!HasName(name))
            return name;
    }
}

CZelEvent* CEventRegistry::CreateNextEvent()
{
    const QString folder = NextEventFolder();
    return QDir().mkpath(folder) ? AddEvent(folder) : nullptr;
}

QString CEventRegistry::NextEventFolder() const
{
    int n = 1;
    while (QFileInfo::exists(m_location.EventFolder(n)))
        ++n;
    return m_location.EventFolder(n);
}

CZelEvent* CEventRegistry::AddEvent(const QString& folder)
{
    CZelEvent* event = Append(QString(), folder, QFileInfo(folder).fileName());
    MakeActive(event);
    return event;
}

void CEventRegistry::MakeActive(CZelEvent* event)
{
    m_active = event;
    if (event)
        m_location.SetEventFolder(event->GetFolder());
}

bool CEventRegistry::WriteActive() const
{
    if (!m_active)
        return true;
    QDir().mkpath(m_location.GetDataFolder());
    return CIniFile::WriteProfileString(m_location.GetEventsRegistryPath(), kEvents, kActive, m_active->GetId());
}
