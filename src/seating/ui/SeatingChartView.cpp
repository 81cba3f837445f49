#include "seating/ui/SeatingChartView.h"

#include "seating/core/TableEdits.h"
#include "seating/ui/ChartSounds.h"
#include "seating/ui/TablesView.h"

#include "controls/CommandIds.h"
#include "controls/SearchTableDlg.h"
#include "data/document/NewZelDoc.h"
#include "data/document/ViewHint.h"
#include "data/records/Guest.h"
#include "data/records/Table.h"
#include "data/settings/Language.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QWheelEvent>

namespace {

// Colours as the design gives them, 0x00BBGGRR.
QColor FromColorRef(unsigned value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

const QColor kFirstShade = FromColorRef(0xEACFB5);
const QColor kSecondShade = FromColorRef(0xEAEDE6);
const QColor kLineShade = FromColorRef(0xEAE3C8);
const QColor kHighlightShade = FromColorRef(0xEA7F96);
const int kScrollBarWidth = 8;
const int kDragImageWidth = 150;
const int kDragImageHeight = 20;
const int kDashStep = 16;

const QString kMenuTitle = QStringLiteral("שולחנות");
const QString kTableDetails = QStringLiteral("פרטי השולחן ...");
const QString kGuestDetails = QStringLiteral("עבור לפרטי המוזמן");

}

CSeatingChartView::CSeatingChartView(CNewZelDoc& document, QWidget* parent)
    : CGenericView(document, parent)
    , m_sounds(new CChartSounds(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    const Qt::ArrowType arrows[] = {Qt::UpArrow, Qt::DownArrow, Qt::UpArrow, Qt::DownArrow};
    const QString tips[] = {QStringLiteral("שורת שולחנות קודמת"), QStringLiteral("שורת שולחנות הבאה"),
                            QStringLiteral("גלילת השמות למעלה"), QStringLiteral("גלילת השמות למטה")};
    for (int i = 0; i < CSeatingChartLayout::ButtonCount; ++i) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrows[i]);
        button->setToolTip(tips[i]);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(i >= CSeatingChartLayout::NamesUp);
        m_buttons[i] = button;
    }
    connect(m_buttons[CSeatingChartLayout::GridUp], &QToolButton::clicked, this, [this] { ScrollGrid(-1); });
    connect(m_buttons[CSeatingChartLayout::GridDown], &QToolButton::clicked, this, [this] { ScrollGrid(1); });
    connect(m_buttons[CSeatingChartLayout::NamesUp], &QToolButton::clicked, this, [this] { ScrollNames(m_selected, -1); });
    connect(m_buttons[CSeatingChartLayout::NamesDown], &QToolButton::clicked, this, [this] { ScrollNames(m_selected, 1); });
    m_autoScroll.setInterval(kAutoScrollMs);
    connect(&m_autoScroll, &QTimer::timeout, this, &CSeatingChartView::OnAutoScroll);
}

const CSeatingChart& CSeatingChartView::Chart()
{
    EnsureBuilt();
    return m_chart;
}

void CSeatingChartView::MarkStale()
{
    m_stale = true;
    update();
}

void CSeatingChartView::EnsureBuilt()
{
    if (m_stale || m_chart.Count() != GetDocument().Tables().size())
        Rebuild();
}

void CSeatingChartView::Rebuild()
{
    const int oldCount = m_chart.Count();
    m_chart.Build(GetDocument());
    m_stale = false;
    if (m_offsets.size() != m_chart.Count() || oldCount != m_chart.Count())
        m_offsets.fill(0, m_chart.Count());
    // Find the selection again by its records; a table that left takes the selection away.
    const int selectedNumber = GetDocument().Tables().indexOf(m_selectedTable);
    m_selected = m_chart.BoxOfTable(selectedNumber);
    if (m_selected < 0)
        m_selectedTable = nullptr;
    if (m_highlighted && !GetDocument().Guests().contains(m_highlighted))
        m_highlighted = nullptr;
    m_firstShown = qBound(0, m_firstShown, qMax(0, m_chart.GridCount() - 1));
    m_firstShown -= m_firstShown % Layout().BoxesPerRow();
    for (int box = 0; box < m_offsets.size(); ++box) {
        const int fit = LinesOf(box);
        m_offsets[box] = qBound(0, m_offsets[box], qMax(0, int(m_chart.Boxes()[box].lines.size()) - fit));
    }
    UpdateButtons();
    update();
}

CSeatingChartLayout CSeatingChartView::Layout() const
{
    const bool unseated = !m_chart.Boxes().isEmpty() && m_chart.Boxes().front().members > 0;
    return CSeatingChartLayout(width(), height(), unseated, m_firstShown);
}

QRect CSeatingChartView::BoxRect(int box) const
{
    if (box < 0 || box >= m_chart.Count())
        return QRect();
    return box == 0 ? Layout().UnseatedBox() : Layout().GridBox(box - 1);
}

QRect CSeatingChartView::LineRect(int box, int line) const
{
    QRect rect = CSeatingChartLayout::LineRect(BoxRect(box), line);
    if (Overflows(box))
        rect.setWidth(rect.width() - kScrollBarWidth - 2);
    return rect;
}

int CSeatingChartView::BoxAt(const QPoint& point) const
{
    const CSeatingChartLayout layout = Layout();
    if (m_chart.Count() > 0 && layout.UnseatedBox().contains(point))
        return 0;
    const int index = layout.GridIndexAt(point, m_chart.GridCount());
    return index < 0 ? -1 : index + 1;
}

int CSeatingChartView::LinesOf(int box) const
{
    const QRect gridBox(0, 0, CSeatingChartLayout::kBoxWidth, CSeatingChartLayout::kBoxHeight);
    return CSeatingChartLayout::LinesThatFit(box == 0 ? Layout().UnseatedBox() : gridBox);
}

bool CSeatingChartView::Overflows(int box) const
{
    return box >= 0 && box < m_chart.Count() &&
           m_chart.Boxes()[box].lines.size() > LinesOf(box);
}

QRect CSeatingChartView::ScrollBarRect(int box) const
{
    const QRect rect = BoxRect(box);
    const int top = rect.top() + CSeatingChartLayout::kHeader;
    const int height = rect.height() - CSeatingChartLayout::kHeader - CSeatingChartLayout::kFooter;
    return QRect(rect.right() - kScrollBarWidth - 1, top, kScrollBarWidth, height);
}

int CSeatingChartView::NamesOffset(int box) const
{
    return box >= 0 && box < m_offsets.size() ? m_offsets[box] : 0;
}

void CSeatingChartView::ScrollNames(int box, int step)
{
    EnsureBuilt();
    if (box < 0 || box >= m_chart.Count())
        return;
    const int fit = LinesOf(box);
    const int most = qMax(0, int(m_chart.Boxes()[box].lines.size()) - fit);
    const int offset = qBound(0, m_offsets[box] + step, most);
    if (offset == m_offsets[box])
        return;
    m_offsets[box] = offset;
    update(BoxRect(box));
}

void CSeatingChartView::ScrollGrid(int step)
{
    EnsureBuilt();
    const CSeatingChartLayout layout = Layout();
    const int first = step < 0 ? layout.RowBack() : layout.RowForward(m_chart.GridCount());
    if (first < 0) {
        m_sounds->Play(CChartSounds::EndOfList);
    } else {
        m_firstShown = first;
        update();
    }
    UpdateButtons();
}

void CSeatingChartView::UpdateButtons()
{
    const CSeatingChartLayout layout = Layout();
    m_buttons[CSeatingChartLayout::GridUp]->setEnabled(layout.RowBack() >= 0);
    m_buttons[CSeatingChartLayout::GridDown]->setEnabled(layout.RowForward(m_chart.GridCount()) >= 0);
}

void CSeatingChartView::PlaceButtons()
{
    const CSeatingChartLayout layout = Layout();
    for (int i = 0; i < CSeatingChartLayout::ButtonCount; ++i)
        m_buttons[i]->setGeometry(layout.ButtonRect(CSeatingChartLayout::Button(i)));
}

void CSeatingChartView::resizeEvent(QResizeEvent* event)
{
    CGenericView::resizeEvent(event);
    // A different number of boxes per row starts the rows elsewhere.
    m_firstShown -= m_firstShown % Layout().BoxesPerRow();
    PlaceButtons();
    UpdateButtons();
}

CTable* CSeatingChartView::SelectedTable() const
{
    return m_selected >= 0 && m_selected < m_chart.Count() ? m_chart.Boxes()[m_selected].table : nullptr;
}

void CSeatingChartView::SelectBox(int box, CGuest* guest)
{
    EnsureBuilt();
    if (box < 0 || box >= m_chart.Count())
        return;
    const bool other = box != m_selected;
    const QRect old = BoxRect(m_selected);
    m_selected = box;
    m_selectedTable = m_chart.Boxes()[box].table;
    m_highlighted = guest;
    if (guest) {
        const int line = m_chart.LineOfGuest(box, guest);
        const int fit = LinesOf(box);
        if (line >= 0 && (line < m_offsets[box] || line >= m_offsets[box] + fit))
            m_offsets[box] = qMax(0, line - fit + 1);
    }
    ShowSelection();
    update(old.adjusted(-2, -2, 2, 2));
    update(BoxRect(box).adjusted(-2, -2, 2, 2));
    if (other)
        GetDocument().UpdateAllViews(this, HINT_TABLE_SELECTED, m_selectedTable);
}

void CSeatingChartView::ShowSelection()
{
    if (m_selected < 1)
        return;
    const int first = Layout().FirstShownFor(m_selected - 1);
    if (first != m_firstShown) {
        m_firstShown = first;
        UpdateButtons();
        update();
    }
}

int CSeatingChartView::BoxOfObject(const CHintObject* object) const
{
    // The object is compared with the tables only: it may be gone already.
    const int number = object ? int(GetDocument().Tables().indexOf(static_cast<const CTable*>(object))) : -1;
    for (int box = 0; number >= 0 && box < m_chart.Count(); ++box)
        if (m_chart.Boxes()[box].number == number)
            return box;
    return -1;
}

void CSeatingChartView::OnUpdate(QObject* sender, int hint, CHintObject* object)
{
    const bool fromOther = sender != this;
    switch (hint) {
    case HINT_EVENT_RELOADING:
    case HINT_TABLES_DELETING:
        EndDrag();
        m_highlighted = nullptr;
        m_selectedTable = nullptr;
        MarkStale();
        break;
    case HINT_TABLE_DELETING:
        if (fromOther) {
            EndDrag();
            MarkStale();
        }
        break;
    case HINT_EVENT_RELOADED:
    case HINT_SEATING_REBUILT:
    case HINT_TABLE_ADDED:
    case HINT_GUEST_ADDED:
    case HINT_GUEST_DELETED:
    case HINT_GUEST_CHANGED:
    case HINT_REWRITE_ROWS:
        if (hint == HINT_GUEST_DELETED && object == static_cast<CHintObject*>(m_highlighted))
            m_highlighted = nullptr;
        MarkStale();
        break;
    case HINT_TABLE_CHANGED:
        if (const int box = BoxOfObject(object); box >= 0 && !m_stale) {
            m_chart.RefreshTable(GetDocument(), *m_chart.Boxes()[box].table);
            update(BoxRect(box).adjusted(-2, -2, 2, 2));
        } else {
            MarkStale();
        }
        break;
    case HINT_TABLE_SELECTED:
        if (fromOther) {
            EnsureBuilt();
            const int box = BoxOfObject(object);
            if (box >= 0 && box != m_selected) {
                const QRect old = BoxRect(m_selected);
                m_selected = box;
                m_selectedTable = m_chart.Boxes()[box].table;
                m_highlighted = nullptr;
                ShowSelection();
                update(old.adjusted(-2, -2, 2, 2));
                update(BoxRect(box).adjusted(-2, -2, 2, 2));
            }
        }
        break;
    case HINT_LOCATE_GUEST_TABLE: {
        auto* guest = static_cast<CGuest*>(object);
        if (GetDocument().Guests().contains(guest)) {
            EnsureBuilt();
            SelectBox(m_chart.BoxOfGuest(guest), guest);
        }
        break;
    }
    default:
        break;
    }
}

void CSeatingChartView::OnActivate()
{
    GetDocument().Settings().SetLastUIMode(kPosition);
    setFocus();
}

bool CSeatingChartView::HandlesCommand(int commandId) const
{
    return commandId == ID_OBJECT_ADD || commandId == ID_OBJECT_EDIT || commandId == ID_OBJECT_DELETE ||
           commandId == ID_OBJECT_FIND;
}

bool CSeatingChartView::IsCommandEnabled(int commandId) const
{
    switch (commandId) {
    case ID_OBJECT_ADD:
    case ID_OBJECT_FIND:
        return true;
    case ID_OBJECT_EDIT:
        return m_selected >= 0;
    case ID_OBJECT_DELETE:
        return m_selected > 0;
    default:
        return false;
    }
}

void CSeatingChartView::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_OBJECT_ADD:
        AddTable();
        break;
    case ID_OBJECT_EDIT:
        EditTable();
        break;
    case ID_OBJECT_DELETE:
        DeleteTable();
        break;
    case ID_OBJECT_FIND:
        OpenSearch();
        break;
    default:
        break;
    }
}

void CSeatingChartView::AddTable()
{
    const int before = int(GetDocument().Tables().size());
    GetDocument().UpdateAllViews(this, HINT_ADD_TABLE, nullptr);
    Rebuild();
    if (GetDocument().Tables().size() > before)
        SelectBox(m_chart.BoxOfTable(int(GetDocument().Tables().size()) - 1));
}

void CSeatingChartView::EditTable()
{
    EnsureBuilt();
    if (CTable* table = SelectedTable())
        CTablesView::RunEditTable(GetDocument(), *table, this);
}

void CSeatingChartView::DeleteTable()
{
    EnsureBuilt();
    if (m_selected < 1)
        return;
    const int box = m_selected;
    GetDocument().UpdateAllViews(this, HINT_TABLE_DELETING, SelectedTable());
    Rebuild();
    SelectBox(qMin(box - 1, m_chart.Count() - 1));
}

void CSeatingChartView::SetSearch(const QString& tableText, const QString& guestText)
{
    m_lastTableText = tableText;
    m_lastGuestText = guestText;
}

void CSeatingChartView::OpenSearch()
{
    CSearchTableDlg dialog(m_searchUp, m_lastGuestText, m_lastTableText, true, false, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SetSearch(dialog.TableText(), dialog.GuestText());
    m_searchUp = dialog.IsUp();
    Search();
}

bool CSeatingChartView::Search()
{
    EnsureBuilt();
    const int count = m_chart.Count();
    if (count == 0)
        return false;
    // From the table after the selected one round to the selected one itself.
    QList<int> order;
    for (int i = 1; i <= count; ++i)
        order.append((qMax(0, m_selected) + i) % count);
    const QString tableText = m_lastTableText.trimmed();
    if (!tableText.isEmpty()) {
        for (const bool exact : {true, false})
            for (int box : order) {
                const QString& name = m_chart.Boxes()[box].table->GetName();
                if (exact ? name == tableText : name.contains(tableText)) {
                    SelectBox(box);
                    return true;
                }
            }
        return false;
    }
    const QString guestText = m_lastGuestText.trimmed();
    if (guestText.isEmpty())
        return false;
    for (int box : order)
        for (CGuest* guest : m_chart.Boxes()[box].guests)
            if (guest->GetName().contains(guestText) || guest->GetFamilyName().contains(guestText)) {
                SelectBox(box, guest);
                return true;
            }
    return false;
}

QMenu* CSeatingChartView::BuildContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(kMenuTitle, parent);
    menu->addAction(kTableDetails, this, &CSeatingChartView::EditTable);
    if (CGuest* guest = m_highlighted)
        menu->addAction(kGuestDetails, this, [this, guest] {
            if (GetDocument().Guests().contains(guest))
                GetDocument().UpdateAllViews(this, HINT_SHOW_GUEST, guest);
        });
    return menu;
}

void CSeatingChartView::contextMenuEvent(QContextMenuEvent* event)
{
    EnsureBuilt();
    const int box = BoxAt(event->pos());
    if (box < 0)
        return;
    if (box != m_selected)
        SelectBox(box);
    QMenu* menu = BuildContextMenu(this);
    menu->exec(event->globalPos());
    menu->deleteLater();
}

void CSeatingChartView::mousePressEvent(QMouseEvent* event)
{
    EnsureBuilt();
    setFocus();
    if (event->button() != Qt::LeftButton) {
        CGenericView::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    const int box = BoxAt(point);
    if (box < 0)
        return;
    if (Overflows(box) && ScrollBarRect(box).contains(point)) {
        ScrollNames(box, point.y() < ScrollBarRect(box).center().y() ? -1 : 1);
        return;
    }
    const QRect rect = BoxRect(box);
    const int line = CSeatingChartLayout::LineAt(rect, point);
    const int index = line < 0 ? -1 : m_offsets[box] + line;
    const CSeatingChart::Box& content = m_chart.Boxes()[box];
    CGuest* guest = index >= 0 && index < content.guests.size() ? content.guests[index] : nullptr;
    SelectBox(box, guest);
    m_pressPoint = point;
    m_dragPoint = point;
    m_dragMoved = false;
    m_dragBox = box;
    m_dragGuest = guest;
    if (guest)
        m_drag = DragGuest;
    else if (box > 0 && CSeatingChartLayout::HeaderRect(rect).contains(point))
        m_drag = DragTable;
}

void CSeatingChartView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_drag == DragNone)
        return;
    if (!(event->buttons() & Qt::LeftButton)) {
        EndDrag();
        return;
    }
    const QPoint point = event->position().toPoint();
    if (!m_dragMoved && (point - m_pressPoint).manhattanLength() < QApplication::startDragDistance())
        return;
    const bool firstMove = !m_dragMoved;
    m_dragMoved = true;
    const QRect oldImage = DragImageRect();
    m_dragPoint = point;
    const int hover = BoxAt(point);
    if (hover != m_hoverBox) {
        update(BoxRect(m_hoverBox).adjusted(-3, -3, 3, 3));
        m_hoverBox = hover;
        update(BoxRect(m_hoverBox).adjusted(-3, -3, 3, 3));
    }
    const CSeatingChartLayout layout = Layout();
    if (firstMove)
        update();
    else
        update(oldImage.united(DragImageRect()).adjusted(-1, -1, 1, 1));
    if ((layout.InTopBand(point) || layout.InBottomBand(point)) && !m_autoScroll.isActive())
        m_autoScroll.start();
}

void CSeatingChartView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_drag == DragNone || event->button() != Qt::LeftButton)
        return;
    const DragKind kind = m_drag;
    const int source = m_dragBox;
    CGuest* guest = m_dragGuest;
    const bool moved = m_dragMoved;
    // The drag image goes before a question about the drop can come up.
    EndDrag();
    if (moved)
        Drop(event->position().toPoint(), kind, source, guest);
}

void CSeatingChartView::Drop(const QPoint& point, DragKind kind, int source, CGuest* guest)
{
    EnsureBuilt();
    const int target = BoxAt(point);
    if (target < 0 || source < 0 || target == source || source >= m_chart.Count())
        return;
    CNewZelDoc& document = GetDocument();
    const int number = m_chart.Boxes()[target].number;
    if (kind == DragGuest) {
        if (!document.Guests().contains(guest) || !CTableEdits(document, this).Seat(*guest, number))
            return;
        m_sounds->Play(CChartSounds::Drop);
        Rebuild();
        SelectBox(m_chart.BoxOfGuest(guest), guest);
        return;
    }
    if (target == 0)
        return;
    const int from = m_chart.Boxes()[source].number;
    if (m_chart.ArrangedByHall()) {
        if (!CTableEdits(document, this).MoveInHallOrder(from, number))
            return;
        Rebuild();
        SelectBox(m_chart.BoxOfTable(from));
        return;
    }
    CTableEdits(document, this).Move(from, number);
    Rebuild();
    // The table's contents now stand at the target's number.
    SelectBox(m_chart.BoxOfTable(number));
}

void CSeatingChartView::EndDrag()
{
    const bool wasDragging = m_drag != DragNone;
    m_drag = DragNone;
    m_dragGuest = nullptr;
    m_dragBox = -1;
    m_hoverBox = -1;
    m_dragMoved = false;
    m_autoScroll.stop();
    if (wasDragging)
        update();
}

void CSeatingChartView::OnAutoScroll()
{
    if (m_drag == DragNone) {
        m_autoScroll.stop();
        return;
    }
    const CSeatingChartLayout layout = Layout();
    if (layout.InTopBand(m_dragPoint))
        ScrollGrid(-1);
    else if (layout.InBottomBand(m_dragPoint))
        ScrollGrid(1);
    else
        m_autoScroll.stop();
}

void CSeatingChartView::mouseDoubleClickEvent(QMouseEvent* event)
{
    EnsureBuilt();
    const int box = BoxAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || box < 0)
        return;
    EndDrag();
    if (box != m_selected)
        SelectBox(box);
    EditTable();
}

void CSeatingChartView::wheelEvent(QWheelEvent* event)
{
    EnsureBuilt();
    const int box = BoxAt(event->position().toPoint());
    const int steps = event->angleDelta().y() / 120;
    if (box >= 0 && steps != 0 && Overflows(box))
        ScrollNames(box, -steps);
    else if (steps != 0)
        ScrollGrid(steps > 0 ? -1 : 1);
    event->accept();
}

void CSeatingChartView::keyPressEvent(QKeyEvent* event)
{
    EnsureBuilt();
    const int count = m_chart.Count();
    const int perRow = Layout().BoxesPerRow();
    const int current = m_selected;
    switch (event->key()) {
    case Qt::Key_Left:
        if (count > 0)
            SelectBox(current <= 0 ? count - 1 : current - 1);
        break;
    case Qt::Key_Right:
        if (count > 0)
            SelectBox(current < 0 || current >= count - 1 ? 0 : current + 1);
        break;
    case Qt::Key_Up:
        if (current - perRow >= 0)
            SelectBox(current - perRow);
        break;
    case Qt::Key_Down:
        if (current >= 0 && current + perRow < count)
            SelectBox(current + perRow);
        break;
    case Qt::Key_Home:
        SelectBox(0);
        break;
    case Qt::Key_End:
        SelectBox(count - 1);
        break;
    case Qt::Key_Delete:
        DeleteTable();
        break;
    case Qt::Key_F3:
        Search();
        break;
    default:
        CGenericView::keyPressEvent(event);
        return;
    }
    event->accept();
}

QString CSeatingChartView::DragText() const
{
    if (m_drag == DragGuest && m_dragGuest)
        return m_dragGuest->GetFullName();
    if (m_drag == DragTable && m_dragBox >= 0 && m_dragBox < m_chart.Count())
        return m_chart.Boxes()[m_dragBox].name;
    return QString();
}

QRect CSeatingChartView::DragImageRect() const
{
    if (m_drag == DragNone || !m_dragMoved)
        return QRect();
    return QRect(m_dragPoint + QPoint(8, 8), QSize(kDragImageWidth, kDragImageHeight));
}

void CSeatingChartView::paintEvent(QPaintEvent* event)
{
    EnsureBuilt();
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Base));
    painter.setLayoutDirection(Language::IsHebrew() ? Qt::RightToLeft : Qt::LeftToRight);
    const QRect dirty = event->rect();
    if (m_chart.Count() > 0 && BoxRect(0).adjusted(-2, -2, 2, 2).intersects(dirty))
        PaintBox(painter, 0, m_hoverBox == 0);
    const CSeatingChartLayout layout = Layout();
    const int visible = (layout.VisibleRows() + 1) * layout.BoxesPerRow();
    const int last = qMin(m_chart.GridCount(), m_firstShown + visible);
    for (int index = m_firstShown; index < last; ++index)
        if (layout.GridBox(index).adjusted(-2, -2, 2, 2).intersects(dirty))
            PaintBox(painter, index + 1, m_hoverBox == index + 1);
    if (m_drag != DragNone && m_dragMoved) {
        const int rows = (m_chart.GridCount() + layout.BoxesPerRow() - 1) / layout.BoxesPerRow();
        if (rows > 3) {
            QPen dash(Qt::darkGray, 1);
            painter.setPen(dash);
            for (int x = 0; x < width(); x += kDashStep) {
                painter.drawLine(x, CSeatingChartLayout::kScrollBand, x + kDashStep / 2, CSeatingChartLayout::kScrollBand);
                painter.drawLine(x, height() - CSeatingChartLayout::kScrollBand, x + kDashStep / 2,
                                 height() - CSeatingChartLayout::kScrollBand);
            }
        }
        PaintDragImage(painter);
    }
}

void CSeatingChartView::PaintBox(QPainter& painter, int box, bool hovered)
{
    const CSeatingChart::Box& content = m_chart.Boxes()[box];
    const QRect rect = BoxRect(box);
    const bool hebrew = Language::IsHebrew();
    const Qt::Alignment side = (hebrew ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    painter.fillRect(rect, box > 0 && Layout().IsSecondShade(box - 1) ? kSecondShade : kFirstShade);

    const QFontMetrics metrics = painter.fontMetrics();
    painter.setPen(Qt::black);
    const QRect header = CSeatingChartLayout::HeaderRect(rect).adjusted(3, 2, -3, -2);
    if (box == 0) {
        painter.drawText(header, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         metrics.elidedText(content.name, Qt::ElideRight, header.width() * 2));
    } else {
        painter.drawText(header, Qt::AlignHCenter | Qt::AlignTop,
                         metrics.elidedText(content.name, Qt::ElideRight, header.width()));
        painter.drawText(header, Qt::AlignHCenter | Qt::AlignBottom, content.title);
    }

    const int fit = LinesOf(box);
    const int offset = NamesOffset(box);
    for (int line = 0; line < fit && offset + line < content.lines.size(); ++line) {
        const int index = offset + line;
        const QRect lineRect = LineRect(box, line);
        const bool highlighted = content.guests[index] == m_highlighted;
        painter.fillRect(lineRect, highlighted ? kHighlightShade : kLineShade);
        painter.drawText(lineRect.adjusted(3, 0, -3, 0), side,
                         metrics.elidedText(content.lines[index], Qt::ElideRight, lineRect.width() - 6));
    }

    const QRect footer = CSeatingChartLayout::FooterRect(rect);
    if (box > 0)
        painter.drawText(footer, Qt::AlignCenter, content.footer);
    if (Overflows(box)) {
        // A small triangle in the footer's corner says that there are more names.
        const int x = hebrew ? footer.left() + 6 : footer.right() - 16;
        const int y = footer.center().y() - 4;
        QPainterPath triangle;
        triangle.moveTo(x, y);
        triangle.lineTo(x + 10, y);
        triangle.lineTo(x + 5, y + 8);
        triangle.closeSubpath();
        painter.fillPath(triangle, Qt::black);
        const QRect bar = ScrollBarRect(box);
        painter.fillRect(bar, palette().color(QPalette::Mid));
        const int lines = int(content.lines.size());
        const int thumb = qMax(8, bar.height() * fit / lines);
        const int top = bar.top() + (bar.height() - thumb) * offset / qMax(1, lines - fit);
        painter.fillRect(QRect(bar.left() + 1, top, bar.width() - 2, thumb), palette().color(QPalette::Dark));
    }

    painter.setBrush(Qt::NoBrush);
    if (content.IsOverCapacity())
        painter.setPen(QPen(Qt::red, 2));
    else
        painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    if (box == m_selected) {
        painter.setPen(QPen(Qt::blue, 2));
        painter.drawRect(rect.adjusted(-2, -2, 1, 1));
    }
    if (hovered && m_drag != DragNone && box != m_dragBox) {
        painter.setPen(QPen(Qt::darkBlue, 1, Qt::DashLine));
        painter.drawRect(rect.adjusted(2, 2, -3, -3));
    }
}

void CSeatingChartView::PaintDragImage(QPainter& painter)
{
    const QRect image = DragImageRect();
    painter.setOpacity(0.85);
    painter.fillRect(image, m_drag == DragGuest ? kHighlightShade : kFirstShade);
    painter.setPen(Qt::black);
    painter.drawRect(image.adjusted(0, 0, -1, -1));
    painter.drawText(image.adjusted(4, 0, -4, 0), Qt::AlignCenter,
                     painter.fontMetrics().elidedText(DragText(), Qt::ElideRight, image.width() - 8));
    painter.setOpacity(1.0);
}
