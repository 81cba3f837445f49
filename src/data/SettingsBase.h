#pragma once

#include <QList>
#include <QPair>
#include <QString>

// What both settings objects share: the modified flag and the ordered text map of "KeySettings".
class CSettingsBase
{
public:
    virtual ~CSettingsBase() = default;

    bool GetKey(const QString& key, QString& value) const;
    // False when the map does not hold the key (nothing is added) or the value is unchanged.
    bool SetKey(const QString& key, const QString& value);
    bool IsModified() const { return m_modified; }
    void SetModified() { m_modified = true; }

protected:
    QList<QPair<QString, QString>> m_keyMap;
    bool m_modified = false;
};
