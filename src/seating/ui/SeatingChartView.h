#pragma once

#include "controls/GenericView.h"

#include "seating/core/SeatingChart.h"
#include "seating/core/SeatingChartLayout.h"

#include <QTimer>

class CChartSounds;
class CGuest;
class CTable;
class QMenu;
class QToolButton;

// The seating chart: every table a box with the names of its guests, the unseated guests in a
// column at the left. A guest is dragged from box to box through the seat check, a table by its
// header to another table's place; adding, editing and deleting tables go to the tables page.
class CSeatingChartView : public CGenericView
{
    Q_OBJECT

public:
    static constexpr int kPosition = 8;
    // Every this many milliseconds a drag held in a band at the top or bottom scrolls a row.
    static constexpr int kAutoScrollMs = 700;

    explicit CSeatingChartView(CNewZelDoc& document, QWidget* parent = nullptr);

    void OnUpdate(QObject* sender, int hint, CHintObject* object) override;
    void OnActivate() override;
    bool HandlesCommand(int commandId) const override;
    bool IsCommandEnabled(int commandId) const override;
    void OnCommand(int commandId) override;

    // Gathers the tables and their guests anew.
    void Rebuild();
    const CSeatingChart& Chart();
    CSeatingChartLayout Layout() const;
    // Box 0 is table 0; box k is grid index k - 1. Empty for a box scrolled out of sight.
    QRect BoxRect(int box) const;
    QRect LineRect(int box, int line) const;
    int BoxAt(const QPoint& point) const;

    int SelectedBox() const { return m_selected; }
    CTable* SelectedTable() const;
    // Selects a box (and the guest, when given), scrolls it into sight and tells the other pages.
    void SelectBox(int box, CGuest* guest = nullptr);
    CGuest* HighlightedGuest() const { return m_highlighted; }
    int NamesOffset(int box) const;
    void ScrollNames(int box, int step);
    // One row of the grid back (-1) or forward (1); at an end the end-of-list sound plays instead.
    void ScrollGrid(int step);

    void AddTable();
    void EditTable();
    void DeleteTable();
    // Opens the search dialog; Search repeats the last search (F3).
    void OpenSearch();
    bool Search();
    void SetSearch(const QString& tableText, const QString& guestText);

    CChartSounds* Sounds() const { return m_sounds; }
    QToolButton* Button(CSeatingChartLayout::Button button) const { return m_buttons[button]; }
    bool IsDragging() const { return m_drag != DragNone; }
    QTimer& AutoScrollTimer() { return m_autoScroll; }
    // The menu of a right click on a box (for the tests; it opens at the click otherwise).
    QMenu* BuildContextMenu(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum DragKind { DragNone, DragGuest, DragTable };

    // Rebuilds when a hint asked for it or when the number of tables changed behind the chart.
    void EnsureBuilt();
    void MarkStale();
    void PaintBox(QPainter& painter, int box, bool hovered);
    void PaintDragImage(QPainter& painter);
    QRect DragImageRect() const;
    QString DragText() const;
    QRect ScrollBarRect(int box) const;
    // The name lines that fit in a box, scrolled out of sight or not.
    int LinesOf(int box) const;
    bool Overflows(int box) const;
    void Drop(const QPoint& point, DragKind kind, int source, CGuest* guest);
    void EndDrag();
    void OnAutoScroll();
    void UpdateButtons();
    void PlaceButtons();
    int BoxOfObject(const CHintObject* object) const;
    void ShowSelection();

    CSeatingChart m_chart;
    bool m_stale = true;
    int m_firstShown = 0;
    QList<int> m_offsets;

    // Kept by record so that a rebuild finds them again; compared, never followed, until found.
    int m_selected = -1;
    CTable* m_selectedTable = nullptr;
    CGuest* m_highlighted = nullptr;

    DragKind m_drag = DragNone;
    int m_dragBox = -1;
    CGuest* m_dragGuest = nullptr;
    QPoint m_pressPoint;
    QPoint m_dragPoint;
    bool m_dragMoved = false;
    int m_hoverBox = -1;
    QTimer m_autoScroll;

    QString m_lastGuestText;
    QString m_lastTableText;
    bool m_searchUp = false;

    CChartSounds* m_sounds;
    QToolButton* m_buttons[CSeatingChartLayout::ButtonCount] = {};
};
