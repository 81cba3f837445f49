#include "data/settings/SettingsBase.h"

#include "data/storage/IniFile.h"

namespace {
const QString kKeySettings = QStringLiteral("KeySettings");
}

bool CSettingsBase::GetKey(const QString& key, QString& value) const
{
    for (const auto& pair : m_keyMap) {
        if (pair.first == key) {
            value = pair.second;
            return true;
        }
    }
    return false;
}

QString CSettingsBase::Key(const QString& key) const
{
    QString value;
    GetKey(key, value);
    return value;
}

bool CSettingsBase::SetKey(const QString& key, const QString& value)
{
    for (auto& pair : m_keyMap) {
        if (pair.first == key) {
            if (pair.second == value)
                return false;
            pair.second = value;
            m_modified = true;
            return true;
        }
    }
    return false;
}

void CSettingsBase::LoadKeyMap(const CIniFile& file, const QList<QPair<QString, QString>>& keysWithDefaults)
{
    m_keyMap.clear();
    for (const auto& [key, def] : keysWithDefaults)
        m_keyMap.append({key, file.GetString(kKeySettings, key, def)});
}

void CSettingsBase::SaveKeyMap(CIniFile& file) const
{
    for (const auto& [key, value] : m_keyMap)
        file.SetString(kKeySettings, key, value);
}
