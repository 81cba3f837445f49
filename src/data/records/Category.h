#pragma once

#include "data/records/BaseElement.h"

#include <QList>

// A heading of the budget planner; expenses and offers name their category by text.
class CCategory : public CBaseElement
{
public:
    // Categories keep counting across loads: their counter is never set back.
    CCategory();
    // Every category of an older Category.ini; the caller owns them.
    static QList<CCategory*> LoadAllIni(const CIniFile& file);

    void MakeSection() override { FormatSection(kPrefix); }
    int FileCode() const override { return FC_CATEGORY; }
    bool LoadIni(const CIniFile& file, const QString& section) override;
    bool WriteXml(QByteArray& buffer) const override;
    void ReleaseId() override { s_ids.Release(); }

private:
    static inline const QString kPrefix = QStringLiteral("Categories");
    static inline CIdCounter s_ids;
};
