#pragma once

#include <QString>

// One known event: a folder of the data folder with its display name.
class CZelEvent
{
public:
    CZelEvent(const QString& name, const QString& folder, const QString& id)
        : m_name(name), m_folder(folder), m_id(id)
    {
    }

    const QString& GetName() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    const QString& GetFolder() const { return m_folder; }
    // "DB", "DB1", ...: the folder's last path element, stored as the registry's active event.
    const QString& GetId() const { return m_id; }

private:
    QString m_name;
    QString m_folder;
    QString m_id;
};
