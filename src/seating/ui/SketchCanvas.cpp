#include "seating/ui/SketchCanvas.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Table.h"
#include "data/settings/Language.h"
#include "seating/core/SketchEdits.h"
#include "seating/core/SketchGeometry.h"
#include "seating/core/SketchLayout.h"
#include "seating/ui/ShapePainter.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int kMargin = 40;

const QString kHelpHebrew = QStringLiteral(
    "לחיצה על צורה בוחרת אותה, Ctrl + לחיצה מוסיף אותה לבחירה\n"
    "גרירה בעכבר מזיזה את הצורות הנבחרות\n"
    "החצים מזיזים את הצורות הנבחרות, Shift + חצים משנים את גודלן\n"
    "+ ו- במקלדת המספרים מגדילים ומקטינים\n"
    "Delete מוחק צורה, Ctrl+C משכפל אותה, לחיצה כפולה פותחת את פרטיה");
const QString kHelpEnglish = QStringLiteral(
    "Click a shape to select it, Ctrl + click adds it to the selection\n"
    "Drag with the mouse to move the selected shapes\n"
    "Arrow keys move the selected shapes, Shift + arrows resize them\n"
    "+ and - on the numeric keypad grow and shrink them\n"
    "Delete removes a shape, Ctrl+C copies it, a double click opens its details");

}

CSketchCanvas::CSketchCanvas(CNewZelDoc& document, QObject* sender, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
    , m_sender(sender)
{
    // A plan of the hall is not mirrored in the Hebrew interface.
    setLayoutDirection(Qt::LeftToRight);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
}

CSketchCanvas::~CSketchCanvas() = default;

void CSketchCanvas::Rebuild(int skipSerial)
{
    QList<int> selectedTables;
    for (const CShape* shape : m_selected)
        if (shape->IsTable())
            selectedTables.append(static_cast<const CDesignTable*>(shape)->TableSerial());
    const int currentTable =
        m_current && m_current->IsTable() ? static_cast<const CDesignTable*>(m_current)->TableSerial() : -1;
    const QList<CShape*> kept = m_selected;
    CShape* current = m_current;

    m_selected.clear();
    m_current = nullptr;
    m_shapes.clear();
    m_tables = CSketchLayout::TableShapes(m_document, skipSerial);
    for (const auto& table : m_tables) {
        m_shapes.append(table.get());
        if (selectedTables.contains(table->TableSerial()))
            m_selected.append(table.get());
        if (table->TableSerial() == currentTable)
            m_current = table.get();
    }
    for (CShape* shape : m_document.Shapes()) {
        m_shapes.append(shape);
        if (kept.contains(shape))
            m_selected.append(shape);
        if (shape == current)
            m_current = shape;
    }
    FitToShapes();
    update();
}

void CSketchCanvas::DropTables()
{
    m_dragging = false;
    m_selected.clear();
    m_current = nullptr;
    m_shapes = m_document.Shapes();
    m_tables.clear();
    update();
}

void CSketchCanvas::Clear()
{
    DropTables();
    m_shapes.clear();
}

CShape* CSketchCanvas::ShapeAt(const QPoint& point) const
{
    for (auto it = m_shapes.crbegin(); it != m_shapes.crend(); ++it)
        if (CShapePainter::DisplayRect(**it).contains(point))
            return *it;
    return nullptr;
}

void CSketchCanvas::Select(CShape* shape, bool add)
{
    if (!add)
        m_selected.clear();
    if (shape && !m_selected.contains(shape))
        m_selected.append(shape);
    m_current = shape;
    update();
}

void CSketchCanvas::ClearSelection()
{
    m_selected.clear();
    m_current = nullptr;
    update();
}

void CSketchCanvas::SetHelpShown(bool shown)
{
    m_helpShown = shown;
    update();
}

QString CSketchCanvas::TooltipText(const CDesignTable& shape)
{
    const CTable* table = shape.Table();
    if (!table)
        return QString();
    if (Language::IsEnglish())
        return QStringLiteral("Table %1: %2\nSeats: %3, coming: %4")
            .arg(table->GetId())
            .arg(table->GetName())
            .arg(table->GetSeats())
            .arg(table->CountPeople(CTable::CountComing));
    return QStringLiteral("שולחן %1: %2\nמקומות: %3, מגיעים: %4")
        .arg(table->GetId())
        .arg(table->GetName())
        .arg(table->GetSeats())
        .arg(table->CountPeople(CTable::CountComing));
}

QString CSketchCanvas::HelpText()
{
    return Language::IsEnglish() ? kHelpEnglish : kHelpHebrew;
}

void CSketchCanvas::DeleteCurrent()
{
    CShape* shape = m_current;
    if (!shape || shape->IsTable())
        return;
    if (!CSketchEdits(m_document, m_sender).Delete(*shape))
        return;
    m_selected.removeAll(shape);
    m_shapes.removeAll(shape);
    m_current = nullptr;
    update();
}

void CSketchCanvas::CopyCurrent()
{
    if (!m_current)
        return;
    CShape* copy = CSketchEdits(m_document, m_sender).Copy(*m_current);
    if (!copy)
        return;
    m_shapes.append(copy);
    Select(copy);
    FitToShapes();
}

void CSketchCanvas::CurrentToInitialSize()
{
    if (m_current && CSketchEdits(m_document, m_sender).ToInitialSize(*m_current))
        Changed();
}

QRect CSketchCanvas::Extent() const
{
    QRect extent;
    for (const CShape* shape : m_shapes)
        extent |= CShapePainter::DisplayRect(*shape);
    return extent;
}

void CSketchCanvas::FitToShapes()
{
    const QRect extent = Extent();
    setMinimumSize(extent.right() + kMargin, extent.bottom() + kMargin);
}

void CSketchCanvas::Changed()
{
    FitToShapes();
    update();
}

void CSketchCanvas::Paint(QPainter& painter, bool marks) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    for (const CShape* shape : m_shapes)
        m_painter.Draw(painter, *shape, marks && m_selected.contains(shape));
    if (!marks || !m_helpShown)
        return;
    const QString help = HelpText();
    const QFontMetrics metrics(painter.font());
    const QRect bounds = metrics.boundingRect(QRect(0, 0, 2000, 1000), Qt::AlignLeft, help);
    const QRect box(10, 10, bounds.width() + 20, bounds.height() + 16);
    painter.setPen(QColor(120, 120, 80));
    painter.setBrush(QColor(255, 255, 210));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    const Qt::Alignment side = Language::IsEnglish() ? Qt::AlignLeft : Qt::AlignRight;
    painter.drawText(box.adjusted(10, 8, -10, -8), side | Qt::AlignVCenter, help);
}

void CSketchCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter, true);
}

void CSketchCanvas::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (m_helpShown)
        SetHelpShown(false);
    if (event->button() != Qt::LeftButton)
        return;
    CShape* shape = ShapeAt(event->position().toPoint());
    const bool add = event->modifiers() & Qt::ControlModifier;
    if (!shape)
        ClearSelection();
    else if (add || !m_selected.contains(shape))
        Select(shape, add);
    else
        m_current = shape;
    m_dragging = shape != nullptr;
    m_dragFrom = event->position().toPoint();
}

void CSketchCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton)) {
        m_dragging = false;
        return;
    }
    const QPoint at = event->position().toPoint();
    const QPoint step = at - m_dragFrom;
    if (step.isNull())
        return;
    if (CSketchEdits(m_document, m_sender).Move(m_selected, step.x(), step.y()))
        Changed();
    m_dragFrom = at;
}

void CSketchCanvas::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
}

void CSketchCanvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    CShape* shape = ShapeAt(event->position().toPoint());
    if (!shape)
        return;
    Select(shape);
    m_dragging = false;
    emit EditRequested(shape);
}

void CSketchCanvas::keyPressEvent(QKeyEvent* event)
{
    CSketchEdits edits(m_document, m_sender);
    const int step = CSketchGeometry::kKeyStep;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    bool changed = false;
    switch (event->key()) {
    case Qt::Key_Left:
        changed = shift ? edits.Resize(m_selected, -step, 0) : edits.Move(m_selected, -step, 0);
        break;
    case Qt::Key_Right:
        changed = shift ? edits.Resize(m_selected, step, 0) : edits.Move(m_selected, step, 0);
        break;
    case Qt::Key_Up:
        changed = shift ? edits.Resize(m_selected, 0, -step) : edits.Move(m_selected, 0, -step);
        break;
    case Qt::Key_Down:
        changed = shift ? edits.Resize(m_selected, 0, step) : edits.Move(m_selected, 0, step);
        break;
    case Qt::Key_Plus:
        changed = edits.Grow(m_selected, CSketchGeometry::kGrowStep);
        break;
    case Qt::Key_Minus:
        changed = edits.Shrink(m_selected, CSketchGeometry::kGrowStep);
        break;
    case Qt::Key_Delete:
        DeleteCurrent();
        return;
    case Qt::Key_C:
        if (!(event->modifiers() & Qt::ControlModifier))
            return QWidget::keyPressEvent(event);
        CopyCurrent();
        return;
    default:
        return QWidget::keyPressEvent(event);
    }
    if (changed)
        Changed();
}

void CSketchCanvas::contextMenuEvent(QContextMenuEvent* event)
{
    CShape* shape = ShapeAt(event->pos());
    if (shape && !m_selected.contains(shape))
        Select(shape);
    else if (shape)
        m_current = shape;
    emit ContextMenuRequested(event->globalPos());
}

bool CSketchCanvas::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const CShape* shape = ShapeAt(help->pos());
    if (m_tooltips && shape && shape->IsTable())
        QToolTip::showText(help->globalPos(), TooltipText(*static_cast<const CDesignTable*>(shape)), this);
    else
        QToolTip::hideText();
    return true;
}
