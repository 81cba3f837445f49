#include "seating/ui/TablesView.h"

#include "seating/core/TableEdits.h"
#include "seating/ui/TableDefDlg.h"
#include "controls/TableMenu.h"

#include "controls/CommandIds.h"
#include "controls/DialogHelpers.h"
#include "controls/ListCtrlEx.h"
#include "data/document/UserQuestion.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/settings/Language.h"
#include "data/document/NewZelDoc.h"
#include "data/settings/StringTable.h"
#include "data/records/Table.h"
#include "data/document/ViewHint.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const QString kUnseatedExplanation = QStringLiteral(
    "כאן נמצאים כל המוזמנים הבילתי משובצים. \r\nבסוף תהליך הסידור תא זה אמור להיות ריק\r\nוכל המוזמנים צריכים להיות משובצים לשולחן כלשהוא");
const int kSummaryId = 59452;
// From this many rows on the list needs room for its scroll bar.
const int kScrollRows = 32;

QPushButton* TwoLineButton(const QString& verb, QWidget* parent)
{
    auto* button = new QPushButton(verb + QStringLiteral("\n") + QStringLiteral("שולחן"), parent);
    button->setMinimumHeight(button->sizeHint().height());
    return button;
}

}

CTablesView::CTablesView(CNewZelDoc& document, QWidget* parent)
    : CGenericView(document, parent)
    , m_tableModel(document)
    , m_guestModel(document)
{
    BuildLayout();
    m_busy = true;
    m_tableModel.Refill();
    m_busy = false;
    SelectTable(0);
    if (m_tables->SelectedRow() < 0)
        OnTableSelectionChanged();
    m_ready = true;
}

void CTablesView::BuildLayout()
{
    auto* bar = new QMenuBar(this);
    BuildMenu(bar);

    QFont listFont = font();
    listFont.setPointSizeF(listFont.pointSizeF() + 2);

    m_tables = new CListCtrlEx(this);
    m_tables->setFont(listFont);
    m_tables->SetRowHeight(QFontMetrics(listFont).height() + 6);
    m_tables->setModel(&m_tableModel);
    m_tables->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tables->horizontalHeader()->setStretchLastSection(false);
    m_tables->SetMessages(GetDocument().Messages());
    // A click moves the current row before the selection: follow the selection.
    connect(m_tables->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { OnTableSelectionChanged(); });
    connect(m_tables, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { EditTable(m_tableModel.TableAt(index.row())); });
    auto* deleteKey = new QShortcut(QKeySequence::Delete, m_tables, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, [this] { DeleteTable(SelectedTable()); });

    m_guests = new CListCtrlEx(this);
    m_guests->setFont(listFont);
    m_guests->SetRowHeight(QFontMetrics(listFont).height() + 6);
    m_guests->setModel(&m_guestModel);
    m_guests->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_guests->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_guests->SetMessages(GetDocument().Messages());
    connect(m_guests, &CListCtrlEx::ContextMenuRequested, this, &CTablesView::OnGuestContextMenu);
    m_tables->viewport()->installEventFilter(this);
    m_guests->viewport()->installEventFilter(this);

    m_summary = new QLabel(this);
    auto* help = new QLabel(QStringLiteral("סימן של + אדום מציין שיש יותר מוזמנים בשולחן ממקומות"), this);
    help->setWordWrap(true);

    m_add = TwoLineButton(QStringLiteral("הוספת"), this);
    m_edit = TwoLineButton(QStringLiteral("עריכת"), this);
    m_delete = TwoLineButton(QStringLiteral("מחיקת"), this);
    m_up = new QPushButton(QStringLiteral("▲"), this);
    m_down = new QPushButton(QStringLiteral("▼"), this);
    for (QPushButton* arrow : {m_up, m_down})
        arrow->setFixedWidth(arrow->sizeHint().height() + 8);
    m_up->setToolTip(QStringLiteral("הזז את השולחן למעלה"));
    m_down->setToolTip(QStringLiteral("הזז את השולחן למטה"));
    connect(m_add, &QPushButton::clicked, this, &CTablesView::AddTable);
    connect(m_edit, &QPushButton::clicked, this, [this] { EditTable(m_tableModel.TableAt(SelectedTable())); });
    connect(m_delete, &QPushButton::clicked, this, [this] { DeleteTable(SelectedTable()); });
    connect(m_up, &QPushButton::clicked, this, [this] { MoveSelectedTable(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { MoveSelectedTable(1); });

    QHBoxLayout* listRow = DialogHelpers::ListWithUpDown(m_tables, m_up, m_down);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_edit);
    buttons->addWidget(m_delete);
    buttons->addStretch();
    buttons->addWidget(m_summary);
    auto* tablesPanel = new QVBoxLayout;
    tablesPanel->addLayout(listRow, 1);
    tablesPanel->addWidget(help);
    tablesPanel->addLayout(buttons);

    auto* panels = new QHBoxLayout;
    panels->addLayout(tablesPanel, 3);
    panels->addWidget(m_guests, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addLayout(panels);
}

void CTablesView::BuildMenu(QMenuBar* bar)
{
    m_menu = bar->addMenu(QStringLiteral("שולחנות"));
    m_menu->addAction(QStringLiteral("הוספה ...\tCtrl+N"), this, &CTablesView::AddTable);
    m_editAction = m_menu->addAction(QStringLiteral("עריכה ...\tCtrl+E"), this,
                                     [this] { EditTable(m_tableModel.TableAt(SelectedTable())); });
    m_deleteAction = m_menu->addAction(QStringLiteral("מחיקה ...\tCtrl+D"), this, [this] { DeleteTable(SelectedTable()); });
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("הגדרות"), this, &CTablesView::ShowTableSettings);
    // The procedures belong to the whole event: the window routes them like the toolbar's button.
    QMenu* automatic = m_menu->addMenu(QStringLiteral("שיבוץ מוזמנים אוטומטית"));
    automatic->addAction(QStringLiteral("כל המוזמנים"), this, [this] { emit CommandRequested(ID_AUTO_SEAT_ALL); });
    automatic->addAction(QStringLiteral("רק מוזמנים שאינם משובצים"), this,
                         [this] { emit CommandRequested(ID_AUTO_SEAT_UNSEATED); });
}

void CTablesView::OnUpdate(QObject* sender, int hint, CHintObject* object)
{
    const bool fromOther = sender != this;
    switch (hint) {
    case HINT_EVENT_RELOADING:
    case HINT_TABLES_DELETING:
        ClearLists();
        break;
    case HINT_EVENT_RELOADED:
    case HINT_SEATING_REBUILT:
    case HINT_GUEST_ADDED:
    case HINT_GUEST_DELETED:
    case HINT_REWRITE_ROWS:
        Refill(true);
        break;
    case HINT_LOCATE_GUEST_TABLE:
        if (const auto* guest = dynamic_cast<const CGuest*>(object))
            LocateGuest(*guest);
        break;
    case HINT_TABLE_CHANGED:
        if (fromOther && !m_changing)
            Refill(false);
        break;
    case HINT_TABLE_ADDED:
        if (fromOther && !m_changing)
            Refill(true);
        break;
    case HINT_TABLE_DELETING:
        // Another page asks for a table to go; this page's own delete sends the same hint.
        if (fromOther) {
            const int row = RowOfTable(object);
            if (row > 0) {
                SelectTable(row);
                DeleteTable(row);
            }
        }
        break;
    case HINT_TABLE_SELECTED:
        if (fromOther && m_ready) {
            const int row = RowOfTable(object);
            if (row >= 0 && row != SelectedTable()) {
                m_announce = false;
                SelectTable(row);
                m_announce = true;
            }
        }
        break;
    case HINT_ADD_TABLE:
        AddTable();
        break;
    case HINT_GUEST_CHANGED:
        if (const auto* guest = dynamic_cast<const CGuest*>(object); fromOther && guest) {
            m_tableModel.RefreshTable(guest->GetTableIndex());
            m_guestModel.RefreshGuest(guest);
        }
        break;
    default:
        break;
    }
}

int CTablesView::RowOfTable(const CHintObject* object) const
{
    const auto* table = dynamic_cast<const CTable*>(object);
    const QList<CTable*>& tables = GetDocument().Tables();
    for (int row = 0; table && row < tables.size(); ++row)
        if (tables[row] == table)
            return row;
    return -1;
}

void CTablesView::OnActivate()
{
    GetDocument().Settings().SetLastUIMode(kPosition);
}

bool CTablesView::HandlesCommand(int commandId) const
{
    return commandId == ID_OBJECT_ADD || commandId == ID_OBJECT_EDIT || commandId == ID_OBJECT_DELETE;
}

bool CTablesView::IsCommandEnabled(int commandId) const
{
    switch (commandId) {
    case ID_OBJECT_ADD:
        return true;
    case ID_OBJECT_EDIT:
        return SelectedTable() >= 0;
    case ID_OBJECT_DELETE:
        return SelectedTable() > 0;
    default:
        return false;
    }
}

void CTablesView::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_OBJECT_ADD:
        AddTable();
        break;
    case ID_OBJECT_EDIT:
        EditTable(m_tableModel.TableAt(SelectedTable()));
        break;
    case ID_OBJECT_DELETE:
        DeleteTable(SelectedTable());
        break;
    default:
        break;
    }
}

void CTablesView::ClearLists()
{
    m_busy = true;
    m_guestModel.Clear();
    m_tableModel.Clear();
    m_busy = false;
    UpdateButtons();
}

void CTablesView::Refill(bool announce)
{
    const int selected = SelectedTable();
    m_busy = true;
    m_tableModel.Refill();
    const int rows = m_tableModel.rowCount();
    if (rows > 0 && m_tables->SelectedRow() < 0)
        m_tables->SelectRow(qBound(0, selected, rows - 1));
    m_busy = false;
    m_announce = announce;
    OnTableSelectionChanged();
    m_announce = true;
    FitColumns();
}

void CTablesView::RefillAndSelect(int row)
{
    m_busy = true;
    m_tableModel.Refill();
    SelectTable(qBound(0, row, m_tableModel.rowCount() - 1));
    m_busy = false;
    OnTableSelectionChanged();
    FitColumns();
}

int CTablesView::SelectedTable() const
{
    return m_tables->SelectedRow();
}

void CTablesView::SelectTable(int row)
{
    m_tables->SelectRow(row);
}

QString CTablesView::SummaryText() const
{
    return StringTable::Fill(StringTable::Get(kSummaryId), {QString::number(qMax(0, m_tableModel.rowCount() - 1))});
}

void CTablesView::OnTableSelectionChanged()
{
    if (m_busy)
        return;
    UpdateButtons();
    const int row = SelectedTable();
    m_guestModel.SetTable(row);
    if (m_guestModel.rowCount() > 0)
        m_guests->SelectRow(0);
    if (m_announce && m_ready && row >= 0)
        GetDocument().UpdateAllViews(this, HINT_TABLE_SELECTED, m_tableModel.TableAt(row));
}

void CTablesView::UpdateButtons()
{
    const int row = SelectedTable();
    const int rows = m_tableModel.rowCount();
    m_delete->setEnabled(row > 0);
    m_up->setEnabled(row >= 2);
    m_down->setEnabled(row > 0 && row < rows - 1);
    m_edit->setEnabled(row >= 0);
    m_deleteAction->setEnabled(row > 0);
    m_editAction->setEnabled(row >= 0);
    m_summary->setText(SummaryText());
}

bool CTablesView::eventFilter(QObject* watched, QEvent* event)
{
    // The widths are fractions of each list's own width.
    if (event->type() == QEvent::Resize)
        FitColumns();
    return CGenericView::eventFilter(watched, event);
}

void CTablesView::FitColumns()
{
    const bool hebrew = Language::IsHebrew();
    const double width = m_tables->viewport()->width();
    const bool roomForScrollBar = m_tableModel.rowCount() >= kScrollRows && !m_tables->verticalScrollBar()->isVisible();
    m_tables->setColumnWidth(CTableListModel::ColNumber, int(width * (hebrew ? 0.11 : 0.09)));
    m_tables->setColumnWidth(CTableListModel::ColName, int(width * 0.39) - (roomForScrollBar ? 12 : 0));
    m_tables->setColumnWidth(CTableListModel::ColHall, int(width * (hebrew ? 0.16 : 0.17)));
    m_tables->setColumnWidth(CTableListModel::ColSeats, int(width * 0.13));
    m_tables->setColumnWidth(CTableListModel::ColGuests, int(width * 0.18));
    m_tables->setColumnWidth(CTableListModel::ColSpacer, 15);
    const int guestsWidth = m_guests->viewport()->width();
    m_guests->setColumnWidth(CTableGuestsModel::ColName, guestsWidth / 2);
    m_guests->setColumnWidth(CTableGuestsModel::ColGroup, guestsWidth / 2 - 17);
}

void CTablesView::LocateGuest(const CGuest& guest)
{
    const int number = guest.GetTableIndex();
    if (number < 0 || number >= GetDocument().Tables().size())
        return;
    const int row = RowOfTable(GetDocument().Tables()[number]);
    if (row < 0)
        return;
    SelectTable(row);
    const int guestRow = m_guestModel.RowOf(&guest);
    if (guestRow >= 0)
        m_guests->SelectRow(guestRow);
}

void CTablesView::AddTable()
{
    CNewZelDoc& document = GetDocument();
    CTableDlg::Values values{CTableDlg::DefaultName(), document.Settings().GetNumberOfGuestsInTable(),
                             document.NextFreeHallNumber()};
    if (!CTableDlg::Run(GetDocument(), values, -1, this))
        return;
    m_changing = true;
    CTable* table = CTableEdits(document, this).Create(values.name, values.hallNumber, values.seats);
    m_changing = false;
    if (table)
        RefillAndSelect(m_tableModel.rowCount());
}

void CTablesView::EditTable(CTable* table)
{
    if (table && RunEditTable(GetDocument(), *table, this))
        m_tableModel.RefreshTable(table->GetId());
}

bool CTablesView::RunEditTable(CNewZelDoc& document, CTable& table, QWidget* parent)
{
    if (table.GetHallNumber() == 0) {
        UserQuestion::Ask(document.Messages(), kUnseatedExplanation, QStringLiteral("הסבר"), MSG_OK);
        return false;
    }
    CTableDlg::Values values{table.GetName(), table.GetSeats(), table.GetHallNumber()};
    if (!CTableDlg::Run(document, values, table.GetId(), parent))
        return false;
    CTableEdits(document, parent).Edit(table, values.name, values.hallNumber, values.seats);
    return true;
}

void CTablesView::DeleteTable(int row)
{
    CTable* table = m_tableModel.TableAt(row);
    if (row < 1 || !table)
        return;
    m_changing = true;
    const bool deleted = CTableEdits(GetDocument(), this).Delete(*table);
    m_changing = false;
    if (!deleted)
        return;
    RefillAndSelect(row < m_tableModel.rowCount() - 1 ? row : row - 1);
    m_tables->setFocus();
}

void CTablesView::MoveSelectedTable(int step)
{
    const int row = SelectedTable();
    const int other = row + step;
    if (row < 1 || other < 1 || other >= m_tableModel.rowCount())
        return;
    m_changing = true;
    CTableEdits(GetDocument(), this).Swap(row, other);
    m_changing = false;
    RefillAndSelect(other);
}

void CTablesView::ShowTableSettings()
{
    CTableDefDlg dialog(GetDocument(), this);
    dialog.exec();
}

CTableMenu* CTablesView::BuildMoveMenu(QWidget* parent)
{
    auto* menu = new CTableMenu(GetDocument().Tables(), SelectedTable(), kMoveMenuTables, parent);
    menu->setTitle(QStringLiteral("העבר לשולחן"));
    menu->addSeparator();
    const int row = m_guests->currentIndex().row();
    menu->addAction(QStringLiteral("עבור לפרטי המוזמן"), this, [this, row] { ShowGuestDetails(row); });
    return menu;
}

void CTablesView::OnGuestContextMenu(int row, const QPoint& globalPos)
{
    if (row < 0 || !m_guests->SelectedRows().contains(row))
        return;
    CTableMenu* menu = BuildMoveMenu(this);
    QAction* chosen = menu->exec(globalPos);
    const int table = CTableMenu::TableOf(chosen);
    menu->deleteLater();
    if (table >= 0)
        MoveSelectedGuests(table);
}

void CTablesView::MoveSelectedGuests(int table)
{
    CNewZelDoc& document = GetDocument();
    if (table < 0 || table >= document.Tables().size())
        return;
    QList<CGuest*> guests;
    for (int row : m_guests->SelectedRows())
        guests.append(m_guestModel.GuestAt(row));
    const int focused = m_guests->currentIndex().row();
    m_changing = true;
    CTableEdits(document, this).SeatAll(guests, table);
    m_changing = false;
    Refill(false);
    const int rows = m_guestModel.rowCount();
    if (rows > 0)
        m_guests->SelectRow(qBound(0, focused < rows ? focused : focused - 1, rows - 1));
}

void CTablesView::ShowGuestDetails(int row)
{
    if (CGuest* guest = m_guestModel.GuestAt(row))
        GetDocument().UpdateAllViews(this, HINT_SHOW_GUEST, guest);
}
