#pragma once

#include <QString>

// File codes of an event folder.
enum EventFileCode {
    FC_GUESTS = 0,
    FC_WEDDING_DATA = 1,
    FC_EXPENCES = 2,
    FC_GROUPS = 3,
    FC_SETTINGS = 4,
    FC_APP_SETTINGS = 5,
    FC_TABLES = 6,
    FC_MEETINGS = 7,
    FC_CATEGORY = 8,
    FC_OFFERS = 9,
    FC_GAN_ARRANGEMENT = 10,
    FC_CHECKPOINT = 11,
    FC_TASKS = 12,
};

// The one locator of the data folder, the current event folder and the path of each event file.
class CDataLocation
{
public:
    // The per-user data folder: <generic data location>/Kalinora/Heb/Data.
    CDataLocation();
    // A data folder given outright (the command line's --data, tests).
    explicit CDataLocation(const QString& dataFolder);

    // The data folder, computed once; "Kalinora" and "Heb" are created, "Data" is not.
    QString GetDataFolder() const;
    QString GetEventsRegistryPath() const;
    // The current event folder; creates the data folder and the event folder when missing.
    QString GetEventFolder() const;
    void SetEventFolder(const QString& folder);
    // The current event folder as held, without creating anything.
    QString CurrentEventFolder() const;
    QString GetBackupFolder() const;
    // Current event folder + "/" + the file name of the code; empty for an unknown code.
    QString GetFilePath(int code) const;
    // The folder of event n: "DB" for 0, "DB<n>" after it.
    QString EventFolder(int n) const;
    static QString EventId(int n);
    static QString FileName(int code);
    static QString GetProgramFolder(bool withSeparator = false);

private:
    mutable QString m_dataFolder;
    QString m_eventFolder;
};
