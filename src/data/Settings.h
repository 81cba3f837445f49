#pragma once

#include "data/SettingsBase.h"

// The settings of one event, kept in the event folder's Settings.ini.
class CSettings : public CSettingsBase
{
public:
    CSettings();

    bool Load(const QString& path);
    bool Save(const QString& path);

    double GetDolarToShekel() const { return m_dolarToShekel; }
    bool SetDolarToShekel(double rate);

private:
    double m_dolarToShekel = 0;
};
