#pragma once

#include "data/records/FieldValue.h"

#include <QList>
#include <QPair>
#include <QString>

class CIniFile;

// What both settings objects share: the modified flag and the ordered text map of the
// "KeySettings" section, whose set of keys is fixed when the object loads.
class CSettingsBase
{
public:
    virtual ~CSettingsBase() = default;

    // False when the map does not hold the key; the value is left untouched then.
    bool GetKey(const QString& key, QString& value) const;
    // The value of a key, or an empty text when the map does not hold it.
    QString Key(const QString& key) const;
    // False when the map does not hold the key (nothing is added) or the value is unchanged.
    bool SetKey(const QString& key, const QString& value);
    const QList<QPair<QString, QString>>& KeyMap() const { return m_keyMap; }

    bool IsModified() const { return m_modified; }
    void SetModified() { m_modified = true; }

protected:
    template <typename T, typename U>
    bool SetField(T& field, const U& value)
    {
        return AssignField(field, value, m_modified);
    }

    // Fills the map from "KeySettings" of the file, one pair per key in the given order.
    void LoadKeyMap(const CIniFile& file, const QList<QPair<QString, QString>>& keysWithDefaults);
    void SaveKeyMap(CIniFile& file) const;

    bool m_modified = false;

private:
    QList<QPair<QString, QString>> m_keyMap;
};
