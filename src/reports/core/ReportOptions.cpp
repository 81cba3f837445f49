#include "reports/core/ReportOptions.h"

#include "data/storage/IniFile.h"
#include "reports/core/ReportColumns.h"

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("ReportsSettings");
const QString kAny = QStringLiteral("*");

QString Flag(bool use, bool value)
{
    return use ? QString::number(value ? 1 : 0) : kAny;
}

void ReadFlag(const CIniFile& file, const QString& key, bool& use, bool& value)
{
    const QString text = file.GetString(kSection, key, kAny);
    use = text == QLatin1String("0") || text == QLatin1String("1");
    value = text == QLatin1String("1");
}

}

QList<int> CReportOptions::defaultColumns()
{
    return ReportColumns::Defaults();
}

void CReportOptions::Load(const QString& settingsPath)
{
    const CIniFile file(settingsPath);
    columns.clear();
    for (const QString& word : file.GetString(kSection, QStringLiteral("Columns")).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int column = word.toInt(&ok);
        if (ok && column >= 0 && column < ReportColumns::Count && !columns.contains(column))
            columns.append(column);
    }
    // The columns keep the order of the chooser, whatever the order stored.
    std::sort(columns.begin(), columns.end());
    if (columns.isEmpty())
        columns = defaultColumns();
    perPage = qMax(1, file.GetInt(kSection, QStringLiteral("PerPage"), 20));
    perRow = qMax(1, file.GetInt(kSection, QStringLiteral("PerRow"), 3));
    groupAlphabetical = file.GetInt(kSection, QStringLiteral("GroupAlphabetical"), 0) != 0;
    familyFirst = file.GetInt(kSection, QStringLiteral("FamilyFirst"), 0) != 0;

    filter.Clear();
    const QString relation = file.GetString(kSection, QStringLiteral("FilterRelation"), kAny);
    filter.useRelation = relation != kAny;
    filter.relation = filter.useRelation ? relation : QString();
    const QString group = file.GetString(kSection, QStringLiteral("FilterGroup"), kAny);
    filter.useGroup = group != kAny;
    filter.group = filter.useGroup ? group : QString();
    const QString status = file.GetString(kSection, QStringLiteral("FilterStatus"), kAny);
    filter.useStatus = status == QLatin1String("0") || status == QLatin1String("1") || status == QLatin1String("2");
    filter.status = filter.useStatus ? status.toInt() : 0;
    ReadFlag(file, QStringLiteral("FilterInvitationSent"), filter.useInvitationSent, filter.invitationSent);
    ReadFlag(file, QStringLiteral("FilterMobile"), filter.useMobilePhone, filter.hasMobilePhone);
    ReadFlag(file, QStringLiteral("FilterEmail"), filter.useEmail, filter.hasEmail);
}

bool CReportOptions::Save(const QString& settingsPath) const
{
    CIniFile file(settingsPath);
    QStringList words;
    for (const int column : columns)
        words.append(QString::number(column));
    file.SetString(kSection, QStringLiteral("Columns"), words.join(QLatin1Char(',')));
    file.SetInt(kSection, QStringLiteral("PerPage"), PerPage());
    file.SetInt(kSection, QStringLiteral("PerRow"), PerRow());
    file.SetInt(kSection, QStringLiteral("GroupAlphabetical"), groupAlphabetical ? 1 : 0);
    file.SetInt(kSection, QStringLiteral("FamilyFirst"), familyFirst ? 1 : 0);
    file.SetString(kSection, QStringLiteral("FilterRelation"), filter.useRelation ? filter.relation : kAny);
    file.SetString(kSection, QStringLiteral("FilterGroup"), filter.useGroup ? filter.group : kAny);
    file.SetString(kSection, QStringLiteral("FilterStatus"), filter.useStatus ? QString::number(filter.status) : kAny);
    file.SetString(kSection, QStringLiteral("FilterInvitationSent"), Flag(filter.useInvitationSent, filter.invitationSent));
    file.SetString(kSection, QStringLiteral("FilterMobile"), Flag(filter.useMobilePhone, filter.hasMobilePhone));
    file.SetString(kSection, QStringLiteral("FilterEmail"), Flag(filter.useEmail, filter.hasEmail));
    return file.Save();
}
