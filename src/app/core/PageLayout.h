#pragma once

#include <QList>
#include <QString>

// Which pages the main window has and where: the fixed position numbers of the pages, the normal
// and the real-time layout, and the narrow screen on which the tables, the seating chart and the
// sketch share one page of their own (position 15).
class CPageLayout
{
public:
    static constexpr int kTablesGroup = 15;
    static constexpr int kFirstPosition = 2;

    CPageLayout(bool realTime, bool narrow, bool withCommercial);

    // The positions in the order their pages are created (2, 3, 4, 5, 6, 15, 7, 8, 9, 10, ... 14).
    const QList<int>& Positions() const { return m_positions; }
    bool Has(int position) const { return m_positions.contains(position); }
    // 15 for a page that lives in the second-level tab control, else 0.
    int Parent(int position) const;
    bool IsNarrow() const { return m_narrow; }
    bool IsRealTime() const { return m_realTime; }

    // The page after or before the current position, or 0 when that position is not in the layout.
    int Next(int current) const;
    int Previous(int current) const;

    // The page an event opens on: its stored last page, or the guests when that is out of range.
    static int StartPosition(int lastUIMode);
    // A desktop this wide (in pixels) or narrower is a narrow screen.
    static bool IsNarrowWidth(int width) { return width <= 1000; }
    // The fixed tab caption of a page; the browser panels (2 and 10) take theirs from General.ini.
    static QString Caption(int position);
    // The name of the page's icon in the icon theme.
    static QString IconName(int position);

private:
    bool m_realTime;
    bool m_narrow;
    QList<int> m_positions;
};
