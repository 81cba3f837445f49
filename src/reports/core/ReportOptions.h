#pragma once

#include "guests/core/GuestFilter.h"
#include "guests/core/GuestListFilter.h"
#include "guests/core/GuestSort.h"

#include <QList>
#include <QString>

// What the reports view passes to a generator besides the event: the guest-list columns and
// filter, records per page and per row, and the label choices. The columns, the filter and the
// two counts are kept in the event's Settings.ini.
class CReportOptions
{
public:
    // Missing keys give the defaults; counts below 1 count as 1.
    void Load(const QString& settingsPath);
    bool Save(const QString& settingsPath) const;

    int PerPage() const { return qMax(1, perPage); }
    int PerRow() const { return qMax(1, perRow); }

    QList<int> columns = defaultColumns();
    CGuestFilter filter;
    int perPage = 20;
    int perRow = 3;
    // Within a group, guests in alphabetical order.
    bool groupAlphabetical = false;
    // The table reports in their text form.
    bool text = false;
    bool envelopes = false;
    bool familyFirst = false;

    // The order and filter the guests view shows, for the report of the guests view.
    CGuestListFilter viewFilter;
    bool viewSorted = false;
    GuestSort::Key viewKey = GuestSort::Key::FamilyName;
    bool viewAscending = true;

private:
    static QList<int> defaultColumns();
};
