#pragma once

#include "seating/core/DesignTable.h"
#include "seating/ui/ShapePainter.h"

#include <QList>
#include <QWidget>

#include <memory>
#include <vector>

class CNewZelDoc;
class QPainter;

// The drawing of the hall sketch: one shape per table, then the decorative shapes of the event,
// with the selection, the mouse and the keys. Every change goes through the sketch's core edits.
class CSketchCanvas : public QWidget
{
    Q_OBJECT

public:
    // sender is the view the edits are made for.
    CSketchCanvas(CNewZelDoc& document, QObject* sender, QWidget* parent = nullptr);
    ~CSketchCanvas() override;

    // Takes the tables and shapes anew; the table with the serial skipSerial (one about to be
    // deleted) is left out. The selection keeps the shapes that are still there.
    void Rebuild(int skipSerial = -1);
    // Every table shape goes at once, before all tables are deleted.
    void DropTables();
    // Every shape goes, before the event's records are freed.
    void Clear();

    // The tables first, then the decorative shapes, in drawing order.
    const QList<CShape*>& Shapes() const { return m_shapes; }
    const QList<CShape*>& Selected() const { return m_selected; }
    CShape* Current() const { return m_current; }
    // The topmost shape at a point of the canvas, or null.
    CShape* ShapeAt(const QPoint& point) const;
    // Selects the shape (adding it to the selection when add) and makes it the current one.
    void Select(CShape* shape, bool add = false);
    void ClearSelection();

    bool HelpShown() const { return m_helpShown; }
    void SetHelpShown(bool shown);
    bool TooltipsShown() const { return m_tooltips; }
    void SetTooltipsShown(bool shown) { m_tooltips = shown; }
    // The tooltip text of a table shape.
    static QString TooltipText(const CDesignTable& table);
    static QString HelpText();

    void DeleteCurrent();
    void CopyCurrent();
    void CurrentToInitialSize();

    // The rectangle around every shape, in canvas pixels.
    QRect Extent() const;
    // Draws every shape; marks shows the selection and the help text as on the screen.
    void Paint(QPainter& painter, bool marks) const;

signals:
    // A double click on a shape.
    void EditRequested(CShape* shape);
    // A right click, after the shape under it (if any) was selected.
    void ContextMenuRequested(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FitToShapes();
    void Changed();

    CNewZelDoc& m_document;
    QObject* m_sender;
    mutable CShapePainter m_painter;
    std::vector<std::unique_ptr<CDesignTable>> m_tables;
    QList<CShape*> m_shapes;
    QList<CShape*> m_selected;
    CShape* m_current = nullptr;
    bool m_dragging = false;
    QPoint m_dragFrom;
    bool m_helpShown = false;
    bool m_tooltips = false;
};
