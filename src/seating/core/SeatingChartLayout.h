#pragma once

#include <QPoint>
#include <QRect>

// Where the seating chart puts everything in a client area: the column of unseated guests at the
// left edge, the grid of the other tables beside it, the bands and lines inside a box, the bands
// that scroll a drag and the four buttons at the right edge. Grid index i is the i-th real table
// in the chart's order; the grid shows from firstShown on.
class CSeatingChartLayout
{
public:
    static constexpr int kBoxWidth = 160;
    static constexpr int kColumnStep = 175;
    static constexpr int kRowStep = 210;
    static constexpr int kBoxHeight = 200;
    static constexpr int kTop = 10;
    static constexpr int kUnseatedLeft = 15;
    static constexpr int kGridGap = 15;
    static constexpr int kWideUnseated = 160;
    static constexpr int kNarrowUnseated = 50;
    static constexpr int kHeader = 35;
    static constexpr int kFooter = 35;
    static constexpr int kLineHeight = 15;
    static constexpr int kLineStep = 17;
    static constexpr int kScrollBand = 40;
    static constexpr int kButtonSize = 30;
    static constexpr int kButtonMargin = 10;
    static constexpr int kButtonColumn = kButtonSize + 2 * kButtonMargin;

    enum Button { GridUp, GridDown, NamesUp, NamesDown, ButtonCount };

    CSeatingChartLayout(int clientWidth, int clientHeight, bool unseatedHasGuests, int firstShown);

    int UnseatedWidth() const { return m_unseatedWidth; }
    int GridLeft() const { return kUnseatedLeft + kGridGap + m_unseatedWidth; }
    QRect UnseatedBox() const;
    // As many as fit between the unseated column and the buttons, at least one.
    int BoxesPerRow() const { return m_perRow; }
    int FirstShown() const { return m_firstShown; }
    // The box of grid index i; tables before the first shown have none (an empty rectangle).
    QRect GridBox(int index) const;
    // The grid index whose box holds the point, or -1.
    int GridIndexAt(const QPoint& point, int gridCount) const;
    // Rows take turns between the two backgrounds by their row in the whole grid.
    bool IsSecondShade(int index) const { return (index / m_perRow) % 2 == 1; }

    // The first grid index of the row before or after the first shown, within 0 .. gridCount - 1;
    // -1 when the grid cannot move that way (forward needs two more rows after the first shown).
    int RowBack() const;
    int RowForward(int gridCount) const;
    // The first shown index that brings grid index i into the client area.
    int FirstShownFor(int index) const;
    int VisibleRows() const;

    QRect ButtonRect(Button button) const;
    bool InTopBand(const QPoint& point) const { return point.y() < kScrollBand; }
    bool InBottomBand(const QPoint& point) const { return point.y() >= m_height - kScrollBand; }

    // Inside a box: the header and footer bands, the lines that fit between them and their places.
    static QRect HeaderRect(const QRect& box);
    static QRect FooterRect(const QRect& box);
    static int LinesThatFit(const QRect& box);
    static QRect LineRect(const QRect& box, int line);
    // The line under a point of the box, or -1 (outside the names area or below the last line).
    static int LineAt(const QRect& box, const QPoint& point);

private:
    int m_width;
    int m_height;
    int m_unseatedWidth;
    int m_perRow;
    int m_firstShown;
};
