#pragma once

#include "data/settings/SettingsBase.h"

// The settings of one event, kept in the event folder's Settings.ini. Written only when changed.
class CSettings : public CSettingsBase
{
public:
    // A table card's or an address label's layout.
    struct CardLayout
    {
        QString line1, line2, line4Start, line4End, line5; // an address label has no line 4
        int width = 220;
        int height = 150;
        QString borderColor = QStringLiteral("black");
        int borderSize = 1;
        bool operator==(const CardLayout&) const = default;
    };

    CSettings();

    // Reads every key with its default; a missing file gives the defaults. Clears modified.
    void Load(const QString& path);
    // Writes only when modified; false when the file could not be written (it stays modified then).
    bool Save(const QString& path);
    // The guest count is rewritten by every save of the event, whether the settings changed or not.
    static bool WriteGuestsCount(const QString& path, int count);

    double GetDolarToShekel() const { return m_dolarToShekel; }
    bool SetDolarToShekel(double rate) { return SetField(m_dolarToShekel, rate); }
    int GetLastUIMode() const { return m_lastUIMode; }
    bool SetLastUIMode(int mode) { return SetField(m_lastUIMode, mode); }
    int GetNumberOfGuestsInTable() const { return m_guestsInTable; }
    bool SetNumberOfGuestsInTable(int count) { return SetField(m_guestsInTable, count); }
    bool GetArrangeTableByHallNumber() const { return m_arrangeByHallNumber; }
    bool SetArrangeTableByHallNumber(bool on) { return SetField(m_arrangeByHallNumber, on); }
    bool GetDontShowNonComming() const { return m_dontShowNonComming; }
    bool SetDontShowNonComming(bool on) { return SetField(m_dontShowNonComming, on); }
    int GetKidsPresent() const { return m_kidsPresent; }
    bool SetKidsPresent(int percent) { return SetField(m_kidsPresent, percent); }
    int GetEventType() const { return m_eventType; }
    bool SetEventType(int type) { return SetField(m_eventType, type); }
    int GetLastGuestUniqueId() const { return m_lastGuestUniqueId; }
    bool SetLastGuestUniqueId(int id) { return SetField(m_lastGuestUniqueId, id); }
    const QString& GetEveName() const { return m_eveName; }
    bool SetEveName(const QString& name) { return SetField(m_eveName, name); }

    const CardLayout& GetTableCard() const { return m_tableCard; }
    bool SetTableCard(const CardLayout& layout) { return SetField(m_tableCard, layout); }
    const CardLayout& GetAddressCard() const { return m_addressCard; }
    bool SetAddressCard(const CardLayout& layout) { return SetField(m_addressCard, layout); }

    const QString& GetFtpServer() const { return m_ftpServer; }
    bool SetFtpServer(const QString& server) { return SetField(m_ftpServer, server); }
    const QString& GetFtpUser() const { return m_ftpUser; }
    bool SetFtpUser(const QString& user) { return SetField(m_ftpUser, user); }
    const QString& GetFtpPassword() const { return m_ftpPassword; }
    bool SetFtpPassword(const QString& password) { return SetField(m_ftpPassword, password); }
    bool GetFtpAutoUpload() const { return m_ftpAutoUpload; }
    bool SetFtpAutoUpload(bool on) { return SetField(m_ftpAutoUpload, on); }
    bool GetFtpAutoDownload() const { return m_ftpAutoDownload; }
    bool SetFtpAutoDownload(bool on) { return SetField(m_ftpAutoDownload, on); }
    bool GetFtpSavePass() const { return m_ftpSavePass; }
    bool SetFtpSavePass(bool on) { return SetField(m_ftpSavePass, on); }

private:
    double m_dolarToShekel = 0;
    int m_lastUIMode = 3;
    int m_guestsInTable = 10;
    bool m_arrangeByHallNumber = false;
    bool m_dontShowNonComming = false;
    int m_kidsPresent = 50;
    int m_eventType = 0;
    int m_lastGuestUniqueId = 1000;
    QString m_eveName;
    CardLayout m_tableCard;
    CardLayout m_addressCard;
    QString m_ftpServer;
    QString m_ftpUser;
    QString m_ftpPassword;
    bool m_ftpAutoUpload = false;
    bool m_ftpAutoDownload = false;
    bool m_ftpSavePass = false;
};
