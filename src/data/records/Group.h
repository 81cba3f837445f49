#pragma once

#include "data/records/BaseElement.h"

#include <QList>

class IRecordOwner;

// A group of guests (family of the bride, colleagues, ...): a name, by which guests refer to it.
class CGroup : public CBaseElement
{
public:
    explicit CGroup(IRecordOwner* owner, CRecordCounters* counters = nullptr);

    void MakeSection() override { FormatSection(kPrefix); }
    int FileCode() const override { return FC_GROUPS; }
    bool LoadIni(const CIniFile& file, const QString& section) override;
    bool WriteXml(QByteArray& buffer) const override;

    // Every group of an older Groups.ini, read from Group0 on up to the first section without one.
    static QList<CGroup*> LoadAllIni(const CIniFile& file, IRecordOwner* owner, CRecordCounters* counters);

    // Whether a guest of the owner belongs to this group (the names compared case-sensitively).
    bool IsUsed() const;
    // Two groups change places by swapping their names through a third.
    void CopyNameTo(CGroup& other) const;

private:
    static inline const QString kPrefix = QStringLiteral("Group");

    IRecordOwner* m_owner;
};
