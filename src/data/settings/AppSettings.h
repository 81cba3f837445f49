#pragma once

#include "data/settings/SettingsBase.h"

#include <QElapsedTimer>

// The settings of the whole installation, kept in the data folder's AppSettings.ini.
class CAppSettings : public CSettingsBase
{
public:
    CAppSettings();

    // Reads every key with its default and starts counting the running time. Clears modified.
    void Load(const QString& path);
    // Writes only when modified, adding this run's whole seconds to UpTime.
    bool Save(const QString& path);

    const QString& GetClacPath() const { return m_clacPath; }
    bool SetClacPath(const QString& path) { return SetField(m_clacPath, path); }
    bool GetAutoSaveOnExit() const { return m_autoSaveOnExit; }
    bool SetAutoSaveOnExit(bool on) { return SetField(m_autoSaveOnExit, on); }
    bool GetCheckForUpdates() const { return m_checkForUpdates; }
    bool SetCheckForUpdates(bool on) { return SetField(m_checkForUpdates, on); }
    bool GetShowTips() const { return m_showTips; }
    bool SetShowTips(bool on) { return SetField(m_showTips, on); }
    bool GetDontShowNonCommingInTableReport() const { return m_hideNonComingInTables; }
    bool SetDontShowNonCommingInTableReport(bool on) { return SetField(m_hideNonComingInTables, on); }
    bool GetDontShowNonCommingInGuestsReport() const { return m_hideNonComingInGuests; }
    bool SetDontShowNonCommingInGuestsReport(bool on) { return SetField(m_hideNonComingInGuests, on); }
    int GetBackUpEvery() const { return m_backUpEvery; }
    // Always marks the settings modified, even for the same value.
    void SetBackUpEvery(int minutes);
    int GetUpTime() const { return m_upTime; }

private:
    QString m_clacPath;
    bool m_autoSaveOnExit = true;
    bool m_checkForUpdates = true;
    bool m_showTips = true;
    bool m_hideNonComingInTables = false;
    bool m_hideNonComingInGuests = false;
    int m_backUpEvery = 10;
    int m_upTime = 0;
    QElapsedTimer m_started;
};
