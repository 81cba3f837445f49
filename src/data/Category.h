#pragma once

#include "data/BaseElement.h"

#include <QList>

// A heading of the budget planner; expenses and offers name their category by text.
class CCategory : public CBaseElement
{
public:
    // Categories keep counting across loads: their counter is never set back.
    CCategory();
    // Every category of an older Category.ini; the caller owns them.
    static QList<CCategory*> LoadAllIni(const CIniFile& file);

    void MakeSection() override;
    int FileCode() const override;
    bool LoadIni(const CIniFile& file, const QString& section) override;
    bool WriteXml(QByteArray& buffer) const override;
    void ReleaseId() override;
};
