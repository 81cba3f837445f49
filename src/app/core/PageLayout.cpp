#include "app/core/PageLayout.h"

namespace {

struct PageInfo
{
    int position;
    const char* caption;
    const char* icon;
    bool normal;
    bool realTime;
};

// In creation order; position 15 is added in front of the pages it holds on a narrow screen.
const PageInfo kPages[] = {
    {2, "", "internet-web-browser", true, false},
    {3, "מוזמנים", "system-users", true, true},
    {4, "קבוצות", "user-group-properties", true, false},
    {5, "מתנות", "package-x-generic", true, false},
    {6, "הוצאות", "wallet-open", true, false},
    {7, "שולחנות", "table", true, false},
    {8, "סידור ישיבה", "view-grid", true, true},
    {9, "סקיצה", "draw-rectangle", true, true},
    {10, "", "news-subscribe", true, true},
    {11, "פגישות", "view-calendar", true, false},
    {12, "הדפסות", "document-print", true, false},
    {13, "תקציב", "office-chart-bar", true, false},
    {14, "זמן-אמת", "chronometer", false, true},
};

const PageInfo* Find(int position)
{
    for (const PageInfo& page : kPages)
        if (page.position == position)
            return &page;
    return nullptr;
}

bool InTablesGroup(int position)
{
    return position >= 7 && position <= 9;
}

}

CPageLayout::CPageLayout(bool realTime, bool narrow, bool withCommercial)
    : m_realTime(realTime)
    , m_narrow(narrow)
{
    for (const PageInfo& page : kPages) {
        if (!(realTime ? page.realTime : page.normal))
            continue;
        if (page.position == 2 && !withCommercial)
            continue;
        if (narrow && InTablesGroup(page.position) && !m_positions.contains(kTablesGroup))
            m_positions.append(kTablesGroup);
        m_positions.append(page.position);
    }
}

int CPageLayout::Parent(int position) const
{
    return m_narrow && InTablesGroup(position) ? kTablesGroup : 0;
}

int CPageLayout::Next(int current) const
{
    int next = current + 1;
    if (next > kTablesGroup)
        next = kFirstPosition;
    return Has(next) ? next : 0;
}

int CPageLayout::Previous(int current) const
{
    int previous = current - 1;
    if (previous < kFirstPosition)
        previous = kTablesGroup;
    return Has(previous) ? previous : 0;
}

int CPageLayout::StartPosition(int lastUIMode)
{
    return lastUIMode < 3 || lastUIMode > 14 ? 3 : lastUIMode;
}

QString CPageLayout::Caption(int position)
{
    if (position == kTablesGroup)
        return QStringLiteral("שולחנות");
    const PageInfo* page = Find(position);
    return page ? QString::fromUtf8(page->caption) : QString();
}

QString CPageLayout::IconName(int position)
{
    if (position == kTablesGroup)
        return QStringLiteral("table");
    const PageInfo* page = Find(position);
    return page ? QString::fromLatin1(page->icon) : QString();
}
