#include "seating/core/SeatingChartLayout.h"

#include <QtGlobal>

CSeatingChartLayout::CSeatingChartLayout(int clientWidth, int clientHeight, bool unseatedHasGuests, int firstShown)
    : m_width(clientWidth)
    , m_height(clientHeight)
    , m_unseatedWidth(unseatedHasGuests ? kWideUnseated : kNarrowUnseated)
    // The last box needs no gap after it, and the boxes stay clear of the buttons' column.
    , m_perRow(qMax(1, (clientWidth - GridLeft() - kButtonColumn + kGridGap) / kColumnStep))
    , m_firstShown(qMax(0, firstShown))
{
}

QRect CSeatingChartLayout::UnseatedBox() const
{
    return QRect(kUnseatedLeft, kTop, m_unseatedWidth, qMax(0, m_height - 2 * kTop));
}

QRect CSeatingChartLayout::GridBox(int index) const
{
    if (index < m_firstShown)
        return QRect();
    const int i = index - m_firstShown;
    const int left = (i % m_perRow) * kColumnStep + GridLeft();
    const int top = (i / m_perRow) * kRowStep + kTop;
    return QRect(left, top, kBoxWidth, kBoxHeight);
}

int CSeatingChartLayout::GridIndexAt(const QPoint& point, int gridCount) const
{
    const int x = point.x() - GridLeft();
    const int y = point.y() - kTop;
    if (x < 0 || y < 0)
        return -1;
    const int column = x / kColumnStep;
    if (column >= m_perRow)
        return -1;
    const int index = m_firstShown + (y / kRowStep) * m_perRow + column;
    if (index >= gridCount || !GridBox(index).contains(point))
        return -1;
    return index;
}

int CSeatingChartLayout::RowBack() const
{
    if (m_firstShown == 0)
        return -1;
    return qMax(0, m_firstShown - m_perRow);
}

int CSeatingChartLayout::RowForward(int gridCount) const
{
    const int rows = (gridCount + m_perRow - 1) / m_perRow;
    const int row = m_firstShown / m_perRow;
    if (rows - row - 1 < 2)
        return -1;
    return (row + 1) * m_perRow;
}

int CSeatingChartLayout::VisibleRows() const
{
    return qMax(1, (m_height - kTop) / kRowStep);
}

int CSeatingChartLayout::FirstShownFor(int index) const
{
    if (index < 0)
        return m_firstShown;
    const int row = index / m_perRow;
    const int firstRow = m_firstShown / m_perRow;
    if (row < firstRow)
        return row * m_perRow;
    if (row >= firstRow + VisibleRows())
        return (row - VisibleRows() + 1) * m_perRow;
    return firstRow * m_perRow;
}

QRect CSeatingChartLayout::ButtonRect(Button button) const
{
    const int left = m_width - kButtonSize - kButtonMargin;
    const int top = kButtonMargin + int(button) * (kButtonSize + kButtonMargin);
    return QRect(left, top, kButtonSize, kButtonSize);
}

QRect CSeatingChartLayout::HeaderRect(const QRect& box)
{
    return QRect(box.left(), box.top(), box.width(), kHeader);
}

QRect CSeatingChartLayout::FooterRect(const QRect& box)
{
    return QRect(box.left(), box.top() + box.height() - kFooter, box.width(), kFooter);
}

int CSeatingChartLayout::LinesThatFit(const QRect& box)
{
    return qMax(0, (box.height() - kHeader - kFooter) / kLineStep);
}

QRect CSeatingChartLayout::LineRect(const QRect& box, int line)
{
    return QRect(box.left() + 2, box.top() + kHeader + line * kLineStep, box.width() - 4, kLineHeight);
}

int CSeatingChartLayout::LineAt(const QRect& box, const QPoint& point)
{
    if (!box.contains(point))
        return -1;
    const int y = point.y() - box.top() - kHeader;
    if (y < 0)
        return -1;
    const int line = y / kLineStep;
    return line < LinesThatFit(box) && y % kLineStep < kLineHeight ? line : -1;
}
