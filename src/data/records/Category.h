#pragma once

#include "data/records/BaseElement.h"

#include <QList>

// A heading of the budget planner; expenses and offers name their category by text.
class CCategory : public CBaseElement
{
public:
    // Categories keep counting across loads: their counter is never set back.
    explicit CCategory(CRecordCounters* counters = nullptr);
    // Every category of an older Category.ini; the caller owns them.
    static QList<CCategory*> LoadAllIni(const CIniFile& file, CRecordCounters* counters);

    void MakeSection() override { FormatSection(kPrefix); }
    int FileCode() const override { return FC_CATEGORY; }
    bool LoadIni(const CIniFile& file, const QString& section) override;
    bool WriteXml(QByteArray& buffer) const override;

private:
    static inline const QString kPrefix = QStringLiteral("Categories");
};
