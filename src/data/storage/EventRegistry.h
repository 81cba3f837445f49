#pragma once

#include "data/storage/ZelEvent.h"

#include <QList>

#include <memory>
#include <vector>

class CDataLocation;
class CSettings;

// The events of the data folder: discovered from the existing event folders, with the active one
// remembered in events.ini.
class CEventRegistry
{
public:
    explicit CEventRegistry(CDataLocation& location);

    // Finds the events, makes one active and loads its settings into the given object.
    void Discover(CSettings& activeSettings);
    // Makes the next free folder "DB<n>" a new, active event and creates the folder; null when the
    // folder cannot be created.
    CZelEvent* CreateNextEvent();
    // The folder the next new event takes: the first "DB<n>" from 1 up that does not exist.
    QString NextEventFolder() const;
    // Lists an event folder made ready by the caller as a new event and makes it the active one.
    CZelEvent* AddEvent(const QString& folder);
    void MakeActive(CZelEvent* event);
    // Writes the active event's id to events.ini (done when the program closes).
    bool WriteActive() const;

    CZelEvent* Active() const { return m_active; }
    int Count() const { return int(m_events.size()); }
    CZelEvent* At(int index) const { return m_events[index].get(); }
    // A name no listed event has: the base followed by " 1", " 2", ...
    QString UniqueName(const QString& eventFolder) const;
    bool HasName(const QString& name) const;

    // "The wedding of <bride> and <groom>".
    static QString CoupleName(const QString& bride, const QString& groom);

private:
    CZelEvent* Append(const QString& name, const QString& folder, const QString& id);

    CDataLocation& m_location;
    std::vector<std::unique_ptr<CZelEvent>> m_events;
    CZelEvent* m_active = nullptr;
};
