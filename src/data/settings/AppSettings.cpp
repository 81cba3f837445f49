#include "data/settings/AppSettings.h"

#include "data/storage/IniFile.h"

namespace {
const QString kGen = QStringLiteral("GenSettings");
}

CAppSettings::CAppSettings()
{
    m_started.start();
}

void CAppSettings::Load(const QString& path)
{
    const CIniFile file(path);
    m_clacPath = file.GetString(kGen, QStringLiteral("ClacPath"));
    m_autoSaveOnExit = file.GetInt(kGen, QStringLiteral("AutoSaveOnExit"), 1) != 0;
    m_checkForUpdates = file.GetInt(kGen, QStringLiteral("CheckForUpdates"), 1) != 0;
    m_showTips = file.GetInt(kGen, QStringLiteral("ShowTips"), 1) != 0;
    m_hideNonComingInTables = file.GetInt(kGen, QStringLiteral("DontShowNonCommingGuestsInTableReport"), 0) != 0;
    m_hideNonComingInGuests = file.GetInt(kGen, QStringLiteral("DontShowNonCommingGuestsInGuestsReport"), 0) != 0;
    m_backUpEvery = file.GetInt(kGen, QStringLiteral("BACK_UP_EVERY"), 10);
    m_upTime = file.GetInt(kGen, QStringLiteral("UpTime"), 0);
    LoadKeyMap(file, {{QStringLiteral("ShowTipOfDay"), QString()}, {QStringLiteral("TipOfDayItem"), QString()},
                      {QStringLiteral("ApprovalsSite"), QString()}});
    m_modified = false;
    m_started.start();
}

bool CAppSettings::Save(const QString& path)
{
    if (!m_modified)
        return true;
    CIniFile file(path);
    file.SetString(kGen, QStringLiteral("ClacPath"), m_clacPath);
    file.SetInt(kGen, QStringLiteral("AutoSaveOnExit"), m_autoSaveOnExit ? 1 : 0);
    file.SetInt(kGen, QStringLiteral("CheckForUpdates"), m_checkForUpdates ? 1 : 0);
    file.SetInt(kGen, QStringLiteral("ShowTips"), m_showTips ? 1 : 0);
    file.SetInt(kGen, QStringLiteral("DontShowNonCommingGuestsInTableReport"), m_hideNonComingInTables ? 1 : 0);
    file.SetInt(kGen, QStringLiteral("DontShowNonCommingGuestsInGuestsReport"), m_hideNonComingInGuests ? 1 : 0);
    file.SetInt(kGen, QStringLiteral("BACK_UP_EVERY"), m_backUpEvery);
    file.SetInt(kGen, QStringLiteral("UpTime"), m_upTime + int(m_started.elapsed() / 1000));
    SaveKeyMap(file);
    if (!file.Save())
        return false;
    m_modified = false;
    return true;
}

void CAppSettings::SetBackUpEvery(int minutes)
{
    m_backUpEvery = minutes;
    m_modified = true;
}
